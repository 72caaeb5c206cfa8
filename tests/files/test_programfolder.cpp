#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "files/programfolder.h"
#include "support/testfolder.h"

using namespace quorvel;

namespace {
// The home the password database gives while a test sets one; the real one otherwise.
const char* databaseHome = nullptr;
} // namespace

// Stands in for the C library's lookup, so a test can meet a database entry whose home
// is not an absolute path (an odd NSS module, a container's passwd).
extern "C" passwd* getpwuid(uid_t uid) {
    using Lookup = passwd* (*)(uid_t);
    static const auto lookup = reinterpret_cast<Lookup>(::dlsym(RTLD_NEXT, "getpwuid"));
    passwd* user = lookup(uid);
    if (user && databaseHome) user->pw_dir = const_cast<char*>(databaseHome);
    return user;
}

TEST(ProgramFolder, HomeVariableWinsAndPathsAreBuiltFromIt) {
    test::TestFolder folder;
    initProgramFolders("/usr/games/quorvel3d");
    EXPECT_EQ(programFolder(), longPath(folder.home()));
    EXPECT_EQ(programFolder().back(), '/');
    EXPECT_EQ(programFileName(), "quorvel3d");
    EXPECT_EQ(configFolder(), folder.config());
    EXPECT_FALSE(programFolderShared());
    EXPECT_EQ(settingsPath(), programFolder() + "quorvel3d.ini");
    EXPECT_EQ(installRecordPath(), programFolder() + "quorvel3d.tk");
    EXPECT_EQ(registryPath(), folder.config() + "Tendrik.ini");
    EXPECT_EQ(savedGamePath("Ann", 3), programFolder() + "Saved Games/Ann3.sav");

    // A relative folder is taken from where the game was started, and made absolute.
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(folder.root());
    ::setenv("QUORVEL3D_HOME", "rel/games", 1);
    initProgramFolders("/usr/games/quorvel3d");
    std::filesystem::current_path(start);
    EXPECT_EQ(programFolder(), longPath(folder.root()) + "rel/games/");
}

TEST(ProgramFolder, WritableProgramFolderElseTheUsersDataFolder) {
    test::TestFolder folder;
    ::unsetenv("QUORVEL3D_HOME");
    const std::string exeDir = folder.root() + "bin/";
    std::filesystem::create_directories(exeDir);
    initProgramFolders(exeDir + "game.bin");
    EXPECT_EQ(programFolder(), longPath(exeDir));
    EXPECT_EQ(settingsPath(), programFolder() + "game.ini");

    ::setenv("XDG_DATA_HOME", (folder.root() + "data").c_str(), 1);
    initProgramFolders(folder.root() + "no such folder/quorvel3d");
    EXPECT_EQ(programFolder(), longPath(folder.root()) + "data/quorvel3d/");
    EXPECT_TRUE(std::filesystem::is_directory(programFolder())); // created on first use

    // A data or configuration folder named by a relative path, or by a path that is a
    // file, is not used: the home folder's own folders are.
    test::putBytes(folder.root() + "a file", "");
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", folder.root().c_str(), 1);
    ::setenv("XDG_DATA_HOME", (folder.root() + "a file").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    initProgramFolders(folder.root() + "no such folder/quorvel3d");
    EXPECT_EQ(programFolder(), longPath(folder.root()) + ".local/share/quorvel3d/");
    EXPECT_EQ(configFolder(), folder.root() + ".config/");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", home.c_str(), 1);
}

// Started without HOME (a service, a cron job), or with a relative one that would move
// with the working folder, the game still finds the user's home.
TEST(ProgramFolder, WithoutHomeTheUsersHomeComesFromThePasswordDatabase) {
    test::TestFolder folder;
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    ::unsetenv("XDG_CONFIG_HOME");
    for (const char* given : {static_cast<const char*>(nullptr), "relative/home", ""}) {
        if (given)
            ::setenv("HOME", given, 1);
        else
            ::unsetenv("HOME");
        initProgramFolders("/usr/games/quorvel3d");
        EXPECT_EQ(configFolder(), std::string(user->pw_dir) + "/.config/")
            << (given ? given : "none");
    }
    // A relative home from the database would move with the working folder too.
    ::unsetenv("HOME");
    databaseHome = "relative/db";
    initProgramFolders("/usr/games/quorvel3d");
    databaseHome = nullptr;
    EXPECT_EQ(configFolder().find("relative"), std::string::npos) << configFolder();
    ::setenv("HOME", home.c_str(), 1);
}

TEST(ProgramFolder, PlayerNamesNeverLeaveTheSavedGamesFolder) {
    test::TestFolder folder;
    for (const char* bad : {"../evil", "a/b", "..", ".", "", "a\\b", "line\nbreak"})
        EXPECT_EQ(savedGamePath(bad, 1), "") << bad;
    EXPECT_EQ(savedGamePath(std::string(201, 'x'), 1), "");
    EXPECT_EQ(savedGamePath("..x", 1), programFolder() + "Saved Games/..x1.sav");
    EXPECT_EQ(savedGamePath("John Smith", 6), programFolder() + "Saved Games/John Smith6.sav");
}

TEST(ProgramFolder, PathHelpers) {
    test::TestFolder folder;
    EXPECT_EQ(withTrailingSlash(""), "");
    EXPECT_EQ(withTrailingSlash("a"), "a/");
    EXPECT_EQ(withTrailingSlash("a/"), "a/");
    EXPECT_EQ(changeExtension("quorvel3d", ".ini"), "quorvel3d.ini");
    EXPECT_EQ(changeExtension("X.exe", ".ini"), "X.ini");
    EXPECT_EQ(changeExtension(".hidden", ".ini"), ".hidden.ini");
    EXPECT_EQ(changeExtension("a.b/c", ".tk"), "a.b/c.tk");

    const std::string root = longPath(folder.root());
    ASSERT_FALSE(root.empty());
    EXPECT_EQ(root.back(), '/');
    std::ofstream(folder.home() + "f.txt") << "x";
    EXPECT_EQ(longPath(folder.root() + "home/../home/f.txt"), root + "home/f.txt");
    EXPECT_EQ(longPath(folder.root() + "home/f.txt/"), ""); // a file is no folder
    EXPECT_EQ(longPath(folder.root() + "missing/f.txt"), "");
    EXPECT_EQ(longPath("relative/path"), "");
    EXPECT_EQ(longPath("/"), "/");

    EXPECT_TRUE(canWriteFolder(folder.home()));
    EXPECT_FALSE(std::filesystem::exists(folder.home() + "MYLIB000.TMP"));
    EXPECT_FALSE(canWriteFolder(folder.root() + "missing"));
    std::ofstream(folder.home() + "MYLIB000.TMP") << "someone's";
    EXPECT_TRUE(canWriteFolder(folder.home()));
    EXPECT_TRUE(std::filesystem::exists(folder.home() + "MYLIB000.TMP")); // left alone
}

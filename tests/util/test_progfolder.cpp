#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "progfolder.h"
#include "testfolder.h"

using namespace quorvel;

TEST(ProgFolder, HomeVariableWinsAndPathsAreBuiltFromIt) {
    test::TestFolder folder;
    initprogramfolders("/usr/games/quorvel3d");
    EXPECT_EQ(progfolder(), longpath(folder.home()));
    EXPECT_EQ(progfolder().back(), '/');
    EXPECT_EQ(progfilename(), "quorvel3d");
    EXPECT_EQ(windowsfolder(), folder.config());
    EXPECT_FALSE(progfoldershared());
    EXPECT_EQ(settingspath(), progfolder() + "quorvel3d.ini");
    EXPECT_EQ(installrecordpath(), progfolder() + "quorvel3d.tk");
    EXPECT_EQ(registrypath(), folder.config() + "Tendrik.ini");
    EXPECT_EQ(savedgamepath("Ann", 3), progfolder() + "Saved Games/Ann3.sav");
}

TEST(ProgFolder, WritableProgramFolderElseTheUsersDataFolder) {
    test::TestFolder folder;
    ::unsetenv("QUORVEL3D_HOME");
    const std::string exedir = folder.root() + "bin/";
    std::filesystem::create_directories(exedir);
    initprogramfolders(exedir + "game.bin");
    EXPECT_EQ(progfolder(), longpath(exedir));
    EXPECT_EQ(settingspath(), progfolder() + "game.ini");

    ::setenv("XDG_DATA_HOME", (folder.root() + "data").c_str(), 1);
    initprogramfolders(folder.root() + "no such folder/quorvel3d");
    EXPECT_EQ(progfolder(), longpath(folder.root()) + "data/quorvel3d/");
    EXPECT_TRUE(std::filesystem::is_directory(progfolder())); // created on first use
    ::unsetenv("XDG_DATA_HOME");
}

TEST(ProgFolder, PlayerNamesNeverLeaveTheSavedGamesFolder) {
    test::TestFolder folder;
    for (const char* bad : {"../evil", "a/b", "..", ".", "", "a\\b", "line\nbreak"})
        EXPECT_EQ(savedgamepath(bad, 1), "") << bad;
    EXPECT_EQ(savedgamepath(std::string(201, 'x'), 1), "");
    EXPECT_EQ(savedgamepath("..x", 1), progfolder() + "Saved Games/..x1.sav");
    EXPECT_EQ(savedgamepath("John Smith", 6), progfolder() + "Saved Games/John Smith6.sav");
}

TEST(ProgFolder, PathHelpers) {
    test::TestFolder folder;
    EXPECT_EQ(addbackslash(""), "");
    EXPECT_EQ(addbackslash("a"), "a/");
    EXPECT_EQ(addbackslash("a/"), "a/");
    EXPECT_EQ(changeextension("quorvel3d", ".ini"), "quorvel3d.ini");
    EXPECT_EQ(changeextension("X.exe", ".ini"), "X.ini");
    EXPECT_EQ(changeextension(".hidden", ".ini"), ".hidden.ini");
    EXPECT_EQ(changeextension("a.b/c", ".tk"), "a.b/c.tk");

    const std::string root = longpath(folder.root());
    ASSERT_FALSE(root.empty());
    EXPECT_EQ(root.back(), '/');
    std::ofstream(folder.home() + "f.txt") << "x";
    EXPECT_EQ(longpath(folder.root() + "home/../home/f.txt"), root + "home/f.txt");
    EXPECT_EQ(longpath(folder.root() + "home/f.txt/"), ""); // a file is no folder
    EXPECT_EQ(longpath(folder.root() + "missing/f.txt"), "");
    EXPECT_EQ(longpath("relative/path"), "");
    EXPECT_EQ(longpath("/"), "/");

    EXPECT_TRUE(canwritefolder(folder.home()));
    EXPECT_FALSE(std::filesystem::exists(folder.home() + "MYLIB000.TMP"));
    EXPECT_FALSE(canwritefolder(folder.root() + "missing"));
    std::ofstream(folder.home() + "MYLIB000.TMP") << "someone's";
    EXPECT_TRUE(canwritefolder(folder.home()));
    EXPECT_TRUE(std::filesystem::exists(folder.home() + "MYLIB000.TMP")); // left alone
}

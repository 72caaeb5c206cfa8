#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "files/access.h"
#include "files/inifile.h"
#include "files/registry.h"
#include "files/resourcefile.h"
#include "files/runfiles.h"
#include "support/testfolder.h"

using namespace quorvel;
namespace fs = std::filesystem;

namespace {

/// The game as it registers itself.
const SoftwareEntry quorvel3d{
    .name = "Quorvel 3D", .version = "1.35", .hint = "A random 3-D maze", .acceptUserName = true};

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 0777;
}

void touch(const std::string& path, mode_t mode = 0600) {
    std::ofstream(path) << "x";
    ::chmod(path.c_str(), mode);
}

// A fresh folder that counts as shared by the users of the machine.
struct SharedFolder : test::TestFolder {
    SharedFolder() { setProgramFolders(home(), "quorvel3d", config(), true); }
};

} // namespace

TEST(InstallRecord, LogsErrorsAndSuccesses) {
    test::TestFolder folder;
    setAccessFacts(false, true);
    using namespace std::string_literals;
    writeInstallRecord(false, "Unable to\rcreate\nsome\0thing"s); // kept on one line
    IniFile record = IniFile::load(folder.home() + "quorvel3d.tk");
    EXPECT_FALSE(record.readBool("Tendrik.Data", "Flag", true));
    EXPECT_EQ(record.readString("Tendrik.Data", "Path", ""), folder.home());
    EXPECT_EQ(record.readString("Tendrik.LastError", "Description", ""),
              "Unable to create some thing");
    EXPECT_TRUE(record.readBool("Tendrik.LastError", "AccessLevel", false));

    writeInstallRecord(true, "ignored");
    record = IniFile::load(folder.home() + "quorvel3d.tk");
    EXPECT_TRUE(record.readBool("Tendrik.Data", "Flag", false));
    EXPECT_EQ(record.readString("Tendrik.LastError", "Description", ""),
              "Unable to create some thing");
}

TEST(OpenAccess, SharedFolderFilesBecomeWritableByAllWithoutFollowingLinks) {
    SharedFolder folder;
    const std::string file = folder.home() + "quorvel3d.ini";
    touch(file, 0600);
    EXPECT_TRUE(openAccess(file));
    EXPECT_EQ(modeOf(file), 0666u);
    fs::create_directory(folder.home() + "Saved Games");
    ::chmod((folder.home() + "Saved Games").c_str(), 0700);
    EXPECT_TRUE(openAccess(folder.home() + "Saved Games"));
    EXPECT_EQ(modeOf(folder.home() + "Saved Games"), 0777u);
    // So is the runs' folder, made as the first run is kept, whatever a failed call
    // before left in errno.
    const mode_t umask = ::umask(077);
    errno = EEXIST;
    EXPECT_FALSE(keepRun(RunRecord{}, BestTimes{}).empty());
    ::umask(umask);
    EXPECT_EQ(modeOf(replaysFolder()), 0777u);

    const std::string outside = folder.root() + "private.txt";
    touch(outside, 0600);
    fs::create_symlink(outside, folder.home() + "link.sav");
    EXPECT_FALSE(openAccess(folder.home() + "link.sav"));
    EXPECT_TRUE(openAccess(outside)); // not in the program folder: left alone
    EXPECT_EQ(modeOf(outside), 0600u);
    EXPECT_FALSE(openAccess(folder.home() + "missing"));
}

TEST(OpenAccess, PerUserFolderKeepsTheUsersPermissions) {
    test::TestFolder folder;
    const std::string file = folder.home() + "quorvel3d.ini";
    touch(file, 0600);
    EXPECT_TRUE(openAccess(file));
    EXPECT_EQ(modeOf(file), 0600u);
}

TEST(OpenAccess, PassRunsOnceForAnAdministratorPerProgramFolder) {
    SharedFolder folder;
    setAccessFacts(false, true);
    EXPECT_FALSE(accessPassNeeded()); // never on this system family unless told
    setAccessFacts(true, false);
    EXPECT_FALSE(accessPassNeeded());
    setAccessFacts(true, true);
    EXPECT_TRUE(accessPassNeeded());

    const std::string saved = folder.home() + "Saved Games/";
    fs::create_directory(saved);
    for (const char* name : {"Ann1.sav", "Ann1.map", "BOB2.SAV", "notes.txt", ".hidden.sav"})
        touch(saved + name);
    fs::create_directory(saved + "folder.sav");
    touch(folder.home() + "quorvel3d.ini");
    touch(folder.home() + "quorvel3d.his");
    EXPECT_EQ(openAccessNames(),
              (std::vector<std::string>{"quorvel3d", "quorvel3d.ini", "quorvel3d.his",
                                        "Saved Games", "Saved Games/Ann1.map",
                                        "Saved Games/Ann1.sav", "Saved Games/BOB2.SAV"}));
    openFileAccess();
    for (const char* name : {"Ann1.sav", "Ann1.map", "BOB2.SAV"})
        EXPECT_EQ(modeOf(saved + name), 0666u);
    EXPECT_EQ(modeOf(saved + "notes.txt"), 0600u);
    EXPECT_EQ(modeOf(folder.home() + "quorvel3d.his"), 0666u);
    EXPECT_FALSE(accessPassNeeded());

    // Run again from the same folder: no second pass.
    ::chmod((saved + "Ann1.sav").c_str(), 0600);
    openFileAccess();
    EXPECT_EQ(modeOf(saved + "Ann1.sav"), 0600u);

    // Moved to another folder: the record names the old one, so the pass is due.
    const std::string other = folder.root() + "other/";
    fs::create_directory(other);
    fs::copy_file(folder.home() + "quorvel3d.tk", other + "quorvel3d.tk");
    setProgramFolders(other, "quorvel3d", folder.config(), true);
    EXPECT_TRUE(accessPassNeeded());
}

TEST(OpenAccess, ListReportsFailuresAndStillRecordsThePass) {
    SharedFolder folder;
    touch(folder.home() + "a.sav");
    std::vector<std::string> failed;
    EXPECT_FALSE(openAccessList({"a.sav", "missing.sav"}, &failed));
    EXPECT_EQ(failed, std::vector<std::string>{"missing.sav"});
    EXPECT_TRUE(
        IniFile::load(folder.home() + "quorvel3d.tk").readBool("Tendrik.Data", "Flag", false));
}

TEST(Registry, OldPathIsWrittenOnlyWhenTheProgramHasMoved) {
    test::TestFolder folder;
    const std::string registry = folder.config() + "Tendrik.ini";
    std::ofstream(registry) << "[Software]\nOther Game=\n[Software.Other Game]\nFilePath=/x/\n";
    const std::string first = folder.home();
    registerSoftware(quorvel3d, "1/2/26 10:00");
    registerSoftware(quorvel3d, "1/3/26 11:00");
    IniFile reg = IniFile::load(registry);
    EXPECT_EQ(reg.keys("Software"), (std::vector<std::string>{"Other Game", "Quorvel 3D"}));
    EXPECT_EQ(
        reg.keys("Software.Quorvel 3D"),
        (std::vector<std::string>{"Version", "Hint", "AcceptUsername", "AcceptPassword",
                                  "AcceptFilename", "ListApplication", "FilePath", "LastRun"}));
    EXPECT_EQ(reg.readString("Software.Quorvel 3D", "FilePath", ""), first);
    EXPECT_TRUE(reg.readBool("Software.Quorvel 3D", "AcceptUsername", false));
    EXPECT_FALSE(reg.readBool("Software.Quorvel 3D", "AcceptPassword", true));
    EXPECT_TRUE(reg.hasKey("AllSoftware", "quorvel 3d"));
    EXPECT_FALSE(reg.hasKey("Software.Quorvel 3D", "OldPath"));
    EXPECT_EQ(reg.readString("Software.Other Game", "FilePath", ""), "/x/");

    const std::string moved = folder.root() + "moved/";
    setProgramFolders(moved, "quorvel3d", folder.config());
    registerSoftware(quorvel3d, "2/1/26 09:00");
    reg = IniFile::load(registry);
    EXPECT_EQ(reg.readString("Software.Quorvel 3D", "OldPath", ""), first);
    EXPECT_EQ(reg.readString("Software.Quorvel 3D", "OldPathDate", ""), "1/3/26 11:00");
    EXPECT_EQ(reg.readString("Software.Quorvel 3D", "FilePath", ""), moved);
    EXPECT_EQ(reg.readString("Software.Quorvel 3D", "LastRun", ""), "2/1/26 09:00");

    registerSoftware(quorvel3d, "2/2/26 09:00");
    reg = IniFile::load(registry);
    EXPECT_EQ(reg.readString("Software.Quorvel 3D", "OldPath", ""), first); // not rewritten
    EXPECT_EQ(reg.readString("Software.Quorvel 3D", "OldPathDate", ""), "1/3/26 11:00");

    registerSoftware({.name = "Hidden One", .version = "2.0", .listApplication = false});
    reg = IniFile::load(registry);
    EXPECT_TRUE(reg.hasKey("HiddenSoftware", "Hidden One"));
    EXPECT_FALSE(reg.hasKey("Software", "Hidden One"));
    EXPECT_FALSE(reg.readString("Software.Hidden One", "LastRun", "").empty());
}

TEST(Registry, MissingConfigFolderIsCreated) {
    test::TestFolder folder;
    setProgramFolders(folder.home(), "quorvel3d", folder.root() + "fresh/config");
    registerSoftware(quorvel3d);
    EXPECT_TRUE(
        IniFile::load(folder.root() + "fresh/config/Tendrik.ini").hasKey("Software", "Quorvel 3D"));
}

TEST(Resources, ExtractWritesTheBytesOrLogsWhyNot) {
    test::TestFolder folder;
    const std::string target = folder.home() + "out.bin";
    std::ofstream(target) << "old content that is longer than the resource itself, by far";
    ASSERT_TRUE(extractResource("sample", "BIN", target));
    EXPECT_EQ(test::fileBytes(target), std::string("RIFF\0\1\2\3built-in bytes", 22));

    EXPECT_FALSE(extractResource("nothing", "BIN", folder.home() + "none.bin"));
    EXPECT_FALSE(extractResource("sample", "WAVE", folder.home() + "none.bin"));
    EXPECT_FALSE(fs::exists(folder.home() + "none.bin"));
    EXPECT_FALSE(fs::exists(folder.home() + "quorvel3d.tk")); // a missing resource is not an error

    const std::string bad = folder.home() + "no folder/out.bin";
    EXPECT_FALSE(extractResource("sample", "BIN", bad));
    EXPECT_EQ(IniFile::load(folder.home() + "quorvel3d.tk")
                  .readString("Tendrik.LastError", "Description", ""),
              "Unable to create Resource " + bad);
}

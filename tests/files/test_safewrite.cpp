// Safe writes: a write the disk refuses, at whatever step, leaves the old file byte
// for byte and no temporary file; files that belong together are replaced together;
// a file that already holds the bytes is not written again. And the program's own
// files in the program folder and the configuration folder, written through it.

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "files/access.h"
#include "files/inifile.h"
#include "files/registry.h"
#include "files/safewrite.h"
#include "files/settingsfile.h"
#include "support/diskfaults.h"
#include "support/testfolder.h"

using namespace quorvel;
namespace fs = std::filesystem;

namespace {

/// The game as it registers itself.
const SoftwareEntry quorvel3d{
    .name = "Quorvel 3D", .version = "1.35", .hint = "A random 3-D maze", .acceptUserName = true};

/// Sets a step to fail for one scope.
struct StepFails {
    explicit StepFails(WriteStep step) { failSafeWritesAt(step); }
    ~StepFails() { failSafeWritesAt(WriteStep::none); }
};

} // namespace

TEST(SafeWrite, AWriteTheDiskRefusesLeavesTheOldFileByteForByte) {
    test::TestFolder folder;
    const std::string path = folder.home() + "quorvel3d.ini";
    const std::string old = "[Settings]\nPlayer=Ann\n" + std::string(300, ';') + "\n";
    test::putBytes(path, old);
    bool bigger = true, fits = false, fresh = true;
    {
        test::FileSizeLimit limit(1024);
        bigger = writeFileSafely(path, std::string(4000, 'x'));
        fresh = writeFileSafely(folder.home() + "new.ini", std::string(2000, 'y'));
        fits = writeFileSafely(folder.home() + "small.ini", std::string(1000, 'z'));
    }
    EXPECT_FALSE(bigger);
    EXPECT_EQ(test::fileBytes(path), old);
    EXPECT_FALSE(fresh);
    EXPECT_TRUE(fits); // the limit refuses only what it must
    EXPECT_EQ(test::folderEntries(folder.home()),
              (std::vector<std::string>{"quorvel3d.ini", "small.ini"}));
}

TEST(SafeWrite, EveryStepIsCheckedAndAFailureLeavesNothingBehind) {
    test::TestFolder folder;
    const std::string path = folder.home() + "quorvel3d.his";
    test::putBytes(path, "old best times");
    for (const WriteStep step : {WriteStep::create, WriteStep::write, WriteStep::sync,
                                 WriteStep::close, WriteStep::rename}) {
        StepFails fails(step);
        EXPECT_FALSE(writeFileSafely(path, "new best times")) << static_cast<int>(step);
        EXPECT_EQ(test::fileBytes(path), "old best times") << static_cast<int>(step);
        EXPECT_EQ(test::folderEntries(folder.home()), std::vector<std::string>{"quorvel3d.his"});
    }
    EXPECT_TRUE(writeFileSafely(path, "new best times"));
    EXPECT_EQ(test::fileBytes(path), "new best times");
    EXPECT_FALSE(writeFileSafely(folder.home() + "no such folder/file", "x"));
    fs::create_directories(folder.home() + "busy/inside");
    EXPECT_FALSE(writeFileSafely(folder.home() + "busy", "a folder in the way"));
    EXPECT_EQ(test::folderEntries(folder.home()),
              (std::vector<std::string>{"busy", "quorvel3d.his"}));
}

// The disk really full, as a player's disk can be.
TEST(SafeWrite, OnAFullDiskTheOldFileStaysWhole) {
    test::TestFolder folder;
    const std::string disk = folder.root() + "disk/";
    fs::create_directories(disk);
    const std::string path = disk + "quorvel3d.ini";
    const std::string old = "[Settings]\nPlayer=Ann\n\n[Players]\nAnn=\nBob=\n";
    bool grown = true, same = false;
    std::string after;
    std::vector<std::string> left;
    {
        test::SmallDisk small(disk);
        if (!small.mounted()) GTEST_SKIP() << "a small file system cannot be mounted here";
        test::putBytes(path, old);
        small.fill();
        grown = writeFileSafely(path, old + "Cleo=\n");
        same = writeFileSafely(path, old);
        after = test::fileBytes(path);
        left = test::folderEntries(disk);
    }
    EXPECT_FALSE(grown);
    EXPECT_TRUE(same); // nothing to write, so nothing to refuse
    EXPECT_EQ(after, old);
    EXPECT_EQ(left, (std::vector<std::string>{"fill", "quorvel3d.ini"}));
}

TEST(SafeWrite, AFileThatAlreadyHoldsTheBytesIsNotWrittenAgain) {
    test::TestFolder folder;
    const std::string path = folder.home() + "music.rmi";
    ASSERT_TRUE(writeFileSafely(path, "RIFF tune"));
    const ino_t first = test::fileIdentity(path);
    {
        StepFails fails(WriteStep::create); // any write at all would fail
        EXPECT_TRUE(writeFileSafely(path, "RIFF tune"));
    }
    EXPECT_EQ(test::fileIdentity(path), first);
    ASSERT_TRUE(writeFileSafely(path, "RIFF tunf")); // same size, one byte differs
    EXPECT_NE(test::fileIdentity(path), first);
    EXPECT_EQ(test::fileBytes(path), "RIFF tunf");
    ASSERT_TRUE(writeFileSafely(path, "RIFF tunf and more"));
    EXPECT_EQ(test::fileBytes(path), "RIFF tunf and more");
    ASSERT_TRUE(writeFileSafely(path, "RIFF"));
    EXPECT_EQ(test::fileBytes(path), "RIFF");
    ASSERT_TRUE(writeFileSafely(path, ""));
    const ino_t empty = test::fileIdentity(path);
    EXPECT_TRUE(writeFileSafely(path, ""));
    EXPECT_EQ(test::fileIdentity(path), empty);
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST(SafeWrite, AReplacedFileKeepsItsPermissionsAndALinkIsReplacedNotFollowed) {
    test::TestFolder folder;
    const std::string path = folder.home() + "quorvel3d.tk";
    test::putBytes(path, "old");
    ::chmod(path.c_str(), 0606);
    ASSERT_TRUE(writeFileSafely(path, "new"));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0606u);

    const std::string elsewhere = folder.root() + "someone else's file";
    test::putBytes(elsewhere, "precious");
    fs::create_symlink(elsewhere, folder.home() + "Tendrik.ini");
    ASSERT_TRUE(writeFileSafely(folder.home() + "Tendrik.ini", "[Software]\n"));
    EXPECT_EQ(test::fileBytes(elsewhere), "precious");
    EXPECT_FALSE(fs::is_symlink(folder.home() + "Tendrik.ini"));
    EXPECT_EQ(test::fileBytes(folder.home() + "Tendrik.ini"), "[Software]\n");
}

TEST(SafeWrite, FilesThatBelongTogetherAreReplacedTogetherOrNotAtAll) {
    test::TestFolder folder;
    const std::string map = folder.home() + "Ann3.map";
    const std::string save = folder.home() + "Ann3.sav";
    test::putBytes(map, "old map");
    test::putBytes(save, "old save");
    const std::string newMap(100, 'm'), newSave(2000, 's');
    const std::vector<FileWrite> pair{{map, newMap}, {save, newSave}};
    std::string failed;
    bool written = true;
    {
        test::FileSizeLimit limit(1000); // the map fits, the saved game does not
        written = writeFilesSafely(pair, &failed);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(failed, save);
    EXPECT_EQ(test::fileBytes(map), "old map");
    EXPECT_EQ(test::fileBytes(save), "old save");
    EXPECT_EQ(test::folderEntries(folder.home()),
              (std::vector<std::string>{"Ann3.map", "Ann3.sav"}));

    ASSERT_TRUE(writeFilesSafely(pair));
    EXPECT_EQ(test::fileBytes(map), newMap);
    EXPECT_EQ(test::fileBytes(save), newSave);

    // The renames go in the order given: when the second cannot take its place, the
    // first has already taken its own, and no temporary file stays behind.
    fs::remove(save);
    fs::create_directories(save + "/inside");
    const std::vector<FileWrite> blocked{{map, "newest map"}, {save, "newest save"}};
    EXPECT_FALSE(writeFilesSafely(blocked, &failed));
    EXPECT_EQ(failed, save);
    EXPECT_EQ(test::fileBytes(map), "newest map");
    EXPECT_EQ(test::folderEntries(folder.home()),
              (std::vector<std::string>{"Ann3.map", "Ann3.sav"}));
}

// The settings file, the install record and the registry, each refused by the disk.
TEST(ProgramFiles, AWriteTheDiskRefusesKeepsSettingsInstallRecordAndRegistry) {
    test::TestFolder folder;
    const std::string settings = folder.home() + "quorvel3d.ini";
    const std::string record = folder.home() + "quorvel3d.tk";
    const std::string registry = folder.config() + "Tendrik.ini";
    test::putBytes(settings, "[Settings]\nPlayer=Ann\n");
    test::putBytes(record, "[Tendrik.Data]\nFlag=1\n");
    test::putBytes(registry, "[Software]\nOther Game=\n");
    {
        test::FileSizeLimit limit(16);
        savePlayer("Bob");
        saveSettings("Bob", 4, "Sea");
        writeInstallRecord(false, "Unable to write to the disk");
        registerSoftware(quorvel3d, "1/2/26 10:00");
    }
    EXPECT_EQ(test::fileBytes(settings), "[Settings]\nPlayer=Ann\n");
    EXPECT_EQ(test::fileBytes(record), "[Tendrik.Data]\nFlag=1\n");
    EXPECT_EQ(test::fileBytes(registry), "[Software]\nOther Game=\n");
    EXPECT_EQ(test::folderEntries(folder.home()),
              (std::vector<std::string>{"quorvel3d.ini", "quorvel3d.tk"}));
    EXPECT_EQ(test::folderEntries(folder.config()), std::vector<std::string>{"Tendrik.ini"});
}

TEST(ProgramFiles, UnchangedSettingsInstallRecordAndRegistryAreNotWrittenAgain) {
    test::TestFolder folder;
    const auto writeAll = [] {
        savePlayer("Ann");
        saveSettings("Ann", 3, "Sea");
        writeInstallRecord(true, {});
        registerSoftware(quorvel3d, "1/2/26 10:00");
    };
    writeAll();
    const std::vector<std::string> files{folder.home() + "quorvel3d.ini",
                                         folder.home() + "quorvel3d.tk",
                                         folder.config() + "Tendrik.ini"};
    std::vector<ino_t> before;
    for (const std::string& f : files)
        before.push_back(test::fileIdentity(f));
    writeAll();
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(test::fileIdentity(files[i]), before[i]) << files[i];
    saveSettings("Ann", 4, "Sea"); // a change is written
    EXPECT_NE(test::fileIdentity(files[0]), before[0]);
    EXPECT_EQ(loadSettings("Ann", "").skill, 4);
}

// An old settings file from the configuration folder, moved to a program folder on
// another disk that is full: it stays where it was until it can be moved whole.
TEST(ProgramFiles, AnOldSettingsFileIsNeverLostMovingToAFullDisk) {
    test::TestFolder folder;
    const std::string oldFile = folder.config() + "quorvel3d.ini";
    const std::string old = "[Settings]\nPlayer=Old\n";
    std::vector<std::string> left;
    {
        test::SmallDisk small(folder.home());
        if (!small.mounted()) GTEST_SKIP() << "a small file system cannot be mounted here";
        small.fill();
        test::putBytes(oldFile, old);
        moveOldSettings();
        moveOldSettings(); // the next start tries again
        left = test::folderEntries(folder.home());
    }
    EXPECT_EQ(test::fileBytes(oldFile), old);
    EXPECT_EQ(left, std::vector<std::string>{"fill"});
}

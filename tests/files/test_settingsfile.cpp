#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "files/inifile.h"
#include "files/settingsfile.h"
#include "support/testfolder.h"
#include "support/unprivileged.h"

using namespace quorvel;
namespace fs = std::filesystem;

TEST(SettingsFile, FirstRunWritesPlayerAndLevelAndTheme) {
    test::TestFolder folder;
    EXPECT_EQ(loadPlayer(), "");
    const PlayerSettings fresh = loadSettings("Friend", defaultTheme);
    EXPECT_EQ(fresh.skill, 2);
    EXPECT_EQ(fresh.theme, defaultTheme);
    savePlayer("Friend");
    saveSettings("Friend", fresh.skill, fresh.theme);
    EXPECT_EQ(test::fileBytes(folder.home() + "quorvel3d.ini"), "[Settings]\n"
                                                                "Player=Friend\n"
                                                                "\n"
                                                                "[Players]\n"
                                                                "Friend=\n"
                                                                "\n"
                                                                "[Friend.Settings]\n"
                                                                "Skill=2\n"
                                                                "Theme=Back to basics <Default>\n");
    EXPECT_EQ(loadPlayer(), "Friend");
}

TEST(SettingsFile, BadSkillValuesSelectLevelTwoAndNamesShareSectionsWhateverTheirCase) {
    test::TestFolder folder;
    std::ofstream(folder.home() + "quorvel3d.ini")
        << "[Bob.Settings]\nSkill=5\nTheme=Ice Caves\n[Nine.Settings]\nSkill=9\n"
           "[Zero.Settings]\nSkill=0\n[Neg.Settings]\nSkill=-1\n[Word.Settings]\nSkill=four\n"
           "[Six.Settings]\nSkill=6\n";
    EXPECT_EQ(loadSettings("BOB", defaultTheme).skill, 5);
    EXPECT_EQ(loadSettings("bob", defaultTheme).theme, "Ice Caves");
    for (const char* p : {"Nine", "Zero", "Neg", "Word", "Nobody"})
        EXPECT_EQ(loadSettings(p, "").skill, 2) << p;
    EXPECT_EQ(loadSettings("Six", "").skill, 6);
    EXPECT_EQ(loadSettings("Six", "Current").theme, "Current");

    saveSettings("BOB", 3, "Sea");
    const IniFile file = IniFile::load(folder.home() + "quorvel3d.ini");
    EXPECT_EQ(file.readInteger("Bob.Settings", "Skill", 0), 3);
    EXPECT_EQ(file.sections().size(), 6u); // no second Bob section
}

TEST(SettingsFile, OneStrayByteNeverCostsAPlayerTheirSettings) {
    // A settings file written as UTF-8, with one line left in Windows-1252 by an older
    // copy or a hand edit: the player \xC3\x85sa keeps her sections, and saving writes
    // every line back as UTF-8 without garbling hers.
    test::TestFolder folder;
    const std::string asa = "\xC3\x85sa";
    std::ofstream(folder.home() + "quorvel3d.ini", std::ios::binary)
        << "[Settings]\nPlayer=" + asa + "\n\n[Players]\n" + asa + "=\nJ\xFCrgen=\n\n[" + asa +
               ".Settings]\nSkill=5\nTheme=Ice\n";
    EXPECT_EQ(loadPlayer(), asa);
    EXPECT_EQ(loadSettings(asa, defaultTheme).skill, 5);
    EXPECT_EQ(loadSettings(asa, defaultTheme).theme, "Ice");

    saveSettings(asa, 4, "Sea");
    savePlayer(asa);
    EXPECT_EQ(test::fileBytes(folder.home() + "quorvel3d.ini"),
              "[Settings]\nPlayer=" + asa + "\n\n[Players]\n" + asa + "=\nJ\xC3\xBCrgen=\n\n[" +
                  asa + ".Settings]\nSkill=4\nTheme=Sea\n");
    EXPECT_EQ(loadSettings(asa, defaultTheme).skill, 4);
}

TEST(SettingsFile, ThemeFallsBackToTheBuiltInEntry) {
    const std::vector<std::string> list = {std::string(defaultTheme), "Ice Caves", "Sea"};
    EXPECT_EQ(findTheme(list, "Sea"), 2);
    EXPECT_EQ(findTheme(list, "ice caves"), 1);
    EXPECT_EQ(findTheme(list, "Gone Theme"), 0);
    EXPECT_EQ(findTheme(list, ""), 0);
}

TEST(SettingsFile, NamesWithBracketsOrLineBreaksNeverBreakTheFile) {
    test::TestFolder folder;
    savePlayer("Ann");
    saveSettings("A]nn", 4, "Sea");
    saveSettings("Ann", 1, "Ice");
    EXPECT_EQ(loadSettings("A]nn", "").skill, 4);
    EXPECT_EQ(loadSettings("Ann", "").skill, 1);

    const std::string before = test::fileBytes(folder.home() + "quorvel3d.ini");
    savePlayer("Eve\n[Ann.Settings]\nSkill=6");
    saveSettings("Eve\r\n[Ann.Settings]", 6, "x");
    saveSettings("Ann", 1, "Ice\nSkill=6");
    EXPECT_EQ(test::fileBytes(folder.home() + "quorvel3d.ini"), before);
    EXPECT_EQ(loadPlayer(), "Ann");
}

TEST(SettingsFile, WriteFailuresAreSilent) {
    test::TestFolder folder;
    fs::create_directory(folder.home() + "quorvel3d.ini"); // a folder in the way
    savePlayer("Ann");
    saveSettings("Ann", 3, "Sea");
    EXPECT_EQ(loadPlayer(), "");
    EXPECT_EQ(loadSettings("Ann", "T").skill, 2);
}

TEST(SettingsFile, OldSettingsFileMovesNextToTheProgramOnce) {
    test::TestFolder folder;
    const std::string oldFile = folder.config() + "quorvel3d.ini";
    const std::string newFile = folder.home() + "quorvel3d.ini";

    moveOldSettings(); // nothing there: nothing happens
    EXPECT_FALSE(fs::exists(newFile));

    std::ofstream(oldFile) << "[Settings]\nPlayer=Old\n";
    moveOldSettings();
    EXPECT_FALSE(fs::exists(oldFile));
    EXPECT_EQ(loadPlayer(), "Old");

    // One is already there: the other file may be another copy's, and is never lost.
    std::ofstream(oldFile) << "[Settings]\nPlayer=Older\n";
    moveOldSettings();
    EXPECT_EQ(test::fileBytes(oldFile), "[Settings]\nPlayer=Older\n");
    EXPECT_EQ(loadPlayer(), "Old");
}

TEST(SettingsFile, ProgramFolderInsideTheWindowsFolderKeepsItsSettings) {
    test::TestFolder folder;
    setProgramFolders(folder.config(), "quorvel3d", folder.config());
    std::ofstream(folder.config() + "quorvel3d.ini") << "[Settings]\nPlayer=Kept\n";
    moveOldSettings();
    EXPECT_EQ(loadPlayer(), "Kept");
}

TEST(SettingsFile, CommandLineNamesThatCouldLeaveTheirFolderAreRefused) {
    test::TestFolder folder;
    std::string refusal;
    EXPECT_EQ(commandLinePlayer("bob", &refusal), "bob");
    EXPECT_EQ(refusal, "");
    EXPECT_EQ(commandLinePlayer("John Smith", &refusal), "John Smith");

    // Each refusal says why, for the name box that asks instead.
    const std::string cannot = "The name given on the command line can not be used: ";
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"..", "it may not be . or .."},
        {"../../evil", "it may not contain /"},
        {"a/b", "it may not contain /"},
        {"a\\b", "it may not contain \\"},
        {" padded", "it may not begin or end with a blank"},
        {"a=b", "it may not contain ="},
        {"[x", "it may not begin with ["},
        {";x", "it may not begin with ;"},
        {"a\tb", "it may not contain line breaks or other control characters"},
        {std::string(201, 'a'), "it is too long"},
    };
    for (const auto& [arg, why] : refused) {
        EXPECT_EQ(commandLinePlayer(arg, &refusal), "") << arg;
        EXPECT_EQ(refusal, cannot + why + ".") << arg;
    }
    EXPECT_EQ(commandLinePlayer(std::string(200, 'a'), &refusal), std::string(200, 'a'));
    // Typed in a terminal that speaks Windows-1252 or Latin-1.
    EXPECT_EQ(commandLinePlayer("J\xFCrgen", &refusal), "J\xC3\xBCrgen");
    EXPECT_EQ(commandLinePlayer("", &refusal), "");
    EXPECT_EQ(refusal, ""); // no name given: nothing to complain about
}

// A settings file that is there but cannot be read whole is never written over: the
// game plays on with defaults and says once, in the install record, that it could not
// write. One too large to be a settings file, one its owner made unreadable, and one
// its owner made read-only (whoever plays, root too).
TEST(SettingsFile, AFileThatCannotBeReadWholeIsNeverWrittenOver) {
    test::TestFolder folder;
    const std::string path = folder.home() + "quorvel3d.ini";
    const auto everyWrite = [] {
        savePlayer("Ann");
        saveSettings("Ann", 3, "Sea");
        saveGameScreenPlace("Ann", 60, {10, 20});
        saveMapSettings("Ann", 60, {{30, 40}, true, 2});
        saveSoundSwitches("Ann", {true, true, true});
    };
    // The same writes while the file is held for a showing of the opening screen.
    const auto everyWriteHeld = [&everyWrite] {
        const SettingsHeld held;
        everyWrite();
    };

    for (const auto& writes :
         {std::function<void()>(everyWrite), std::function<void()>(everyWriteHeld)}) {
        test::putBytes(path, "[Settings]\nPlayer=Bob\n");
        fs::resize_file(path, 17u << 20);
        const fs::file_time_type before = fs::last_write_time(path);
        writes();
        EXPECT_EQ(fs::file_size(path), 17u << 20);
        EXPECT_EQ(fs::last_write_time(path), before);
        EXPECT_EQ(loadSettings("Ann", defaultTheme).skill, 2); // defaults in memory
        const IniFile record = IniFile::load(folder.home() + "quorvel3d.tk");
        EXPECT_EQ(record.readString("Tendrik.LastError", "Description", ""),
                  "Unable to write to " + path + "!");

        // Readable by nobody but writable by all: a player (not root) may not read it.
        test::putBytes(path, "[Settings]\nPlayer=Bob\n");
        ::chmod(path.c_str(), 0222);
        test::openToEveryone(folder.root());
        test::openToEveryone(folder.home());
        EXPECT_EQ(test::runUnprivileged([&] {
                      writes();
                      return 0;
                  }),
                  0);
        ::chmod(path.c_str(), 0644);
        EXPECT_EQ(test::fileBytes(path), "[Settings]\nPlayer=Bob\n");

        ::chmod(path.c_str(), 0444);
        writes();
        EXPECT_EQ(test::fileBytes(path), "[Settings]\nPlayer=Bob\n");
        EXPECT_EQ(loadPlayer(), "Bob");
        ::chmod(path.c_str(), 0644);
    }
}

TEST(SettingsFile, AHeldFileIsReadOnceAndWrittenThrough) {
    test::TestFolder folder;
    const std::string path = folder.home() + "quorvel3d.ini";
    {
        const SettingsHeld held; // no file yet: the first write makes it
        savePlayer("Ann");
        EXPECT_EQ(test::fileBytes(path), "[Settings]\nPlayer=Ann\n\n[Players]\nAnn=\n");
    }
    test::putBytes(path, "[Settings]\nPlayer=Bob\n[Bob.Settings]\nSkill=4\nTheme=Ice\n");
    {
        const SettingsHeld held;
        test::putBytes(path, "[Settings]\nPlayer=Eve\n"); // not read again while held
        EXPECT_EQ(loadPlayer(), "Bob");
        saveSettings("Bob", 4, "Ice");
        EXPECT_EQ(test::fileBytes(path), "[Settings]\nPlayer=Eve\n"); // nothing changed
        saveSettings("Bob", 5, "Sea");
        {
            const SettingsHeld inner;
            EXPECT_EQ(loadSettings("Bob", "").theme, "Sea");
        }
        EXPECT_EQ(loadSettings("Bob", "").skill, 5);
        EXPECT_EQ(loadPlayer(), "Bob");
    }
    EXPECT_EQ(test::fileBytes(path),
              "[Settings]\nPlayer=Bob\n[Bob.Settings]\nSkill=5\nTheme=Sea\n");
    EXPECT_EQ(loadPlayer(), "Bob");
}

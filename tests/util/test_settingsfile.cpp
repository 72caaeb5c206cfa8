#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "commandline.h"
#include "inifile.h"
#include "settingsfile.h"
#include "testfolder.h"

using namespace quorvel;
namespace fs = std::filesystem;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(SettingsFile, FirstRunWritesPlayerAndLevelAndTheme) {
    test::TestFolder folder;
    EXPECT_EQ(loadplayer(), "");
    const PlayerSettings fresh = loadsettings("Friend", defaulttheme);
    EXPECT_EQ(fresh.skill, 2);
    EXPECT_EQ(fresh.theme, defaulttheme);
    saveplayer("Friend");
    savesettings("Friend", fresh.skill, fresh.theme);
    EXPECT_EQ(slurp(folder.home() + "quorvel3d.ini"), "[Settings]\n"
                                                      "Player=Friend\n"
                                                      "\n"
                                                      "[Players]\n"
                                                      "Friend=\n"
                                                      "\n"
                                                      "[Friend.Settings]\n"
                                                      "Skill=2\n"
                                                      "Theme=Back to basics <Default>\n");
    EXPECT_EQ(loadplayer(), "Friend");
}

TEST(SettingsFile, BadSkillValuesSelectLevelTwoAndNamesShareSectionsWhateverTheirCase) {
    test::TestFolder folder;
    std::ofstream(folder.home() + "quorvel3d.ini")
        << "[Bob.Settings]\nSkill=5\nTheme=Ice Caves\n[Nine.Settings]\nSkill=9\n"
           "[Zero.Settings]\nSkill=0\n[Neg.Settings]\nSkill=-1\n[Word.Settings]\nSkill=four\n"
           "[Six.Settings]\nSkill=6\n";
    EXPECT_EQ(loadsettings("BOB", defaulttheme).skill, 5);
    EXPECT_EQ(loadsettings("bob", defaulttheme).theme, "Ice Caves");
    for (const char* p : {"Nine", "Zero", "Neg", "Word", "Nobody"})
        EXPECT_EQ(loadsettings(p, "").skill, 2) << p;
    EXPECT_EQ(loadsettings("Six", "").skill, 6);
    EXPECT_EQ(loadsettings("Six", "Current").theme, "Current");

    savesettings("BOB", 3, "Sea");
    const IniFile file = IniFile::load(folder.home() + "quorvel3d.ini");
    EXPECT_EQ(file.readinteger("Bob.Settings", "Skill", 0), 3);
    EXPECT_EQ(file.sections().size(), 6u); // no second Bob section
}

TEST(SettingsFile, ThemeFallsBackToTheBuiltInEntry) {
    const std::vector<std::string> list = {std::string(defaulttheme), "Ice Caves", "Sea"};
    EXPECT_EQ(findtheme(list, "Sea"), 2);
    EXPECT_EQ(findtheme(list, "ice caves"), 1);
    EXPECT_EQ(findtheme(list, "Gone Theme"), 0);
    EXPECT_EQ(findtheme(list, ""), 0);
}

TEST(SettingsFile, NamesWithBracketsOrLineBreaksNeverBreakTheFile) {
    test::TestFolder folder;
    saveplayer("Ann");
    savesettings("A]nn", 4, "Sea");
    savesettings("Ann", 1, "Ice");
    EXPECT_EQ(loadsettings("A]nn", "").skill, 4);
    EXPECT_EQ(loadsettings("Ann", "").skill, 1);

    const std::string before = slurp(folder.home() + "quorvel3d.ini");
    saveplayer("Eve\n[Ann.Settings]\nSkill=6");
    savesettings("Eve\r\n[Ann.Settings]", 6, "x");
    savesettings("Ann", 1, "Ice\nSkill=6");
    EXPECT_EQ(slurp(folder.home() + "quorvel3d.ini"), before);
    EXPECT_EQ(loadplayer(), "Ann");
}

TEST(SettingsFile, WriteFailuresAreSilent) {
    test::TestFolder folder;
    fs::create_directory(folder.home() + "quorvel3d.ini"); // a folder in the way
    saveplayer("Ann");
    savesettings("Ann", 3, "Sea");
    EXPECT_EQ(loadplayer(), "");
    EXPECT_EQ(loadsettings("Ann", "T").skill, 2);
}

TEST(SettingsFile, OldSettingsFileMovesNextToTheProgramOnce) {
    test::TestFolder folder;
    const std::string oldfile = folder.config() + "quorvel3d.ini";
    const std::string newfile = folder.home() + "quorvel3d.ini";

    moveoldsettings(); // nothing there: nothing happens
    EXPECT_FALSE(fs::exists(newfile));

    std::ofstream(oldfile) << "[Settings]\nPlayer=Old\n";
    moveoldsettings();
    EXPECT_FALSE(fs::exists(oldfile));
    EXPECT_EQ(loadplayer(), "Old");

    std::ofstream(oldfile) << "[Settings]\nPlayer=Older\n";
    moveoldsettings();
    EXPECT_FALSE(fs::exists(oldfile)); // one is already there: the old one goes
    EXPECT_EQ(loadplayer(), "Old");
}

TEST(SettingsFile, ProgramFolderInsideTheWindowsFolderKeepsItsSettings) {
    test::TestFolder folder;
    setprogramfolders(folder.config(), "quorvel3d", folder.config());
    std::ofstream(folder.config() + "quorvel3d.ini") << "[Settings]\nPlayer=Kept\n";
    moveoldsettings();
    EXPECT_EQ(loadplayer(), "Kept");
}

TEST(SettingsFile, CommandLineNamesThatCouldLeaveTheirFolderAreRefused) {
    test::TestFolder folder;
    std::string refusal;
    readcommandline({"-ubob"});
    EXPECT_EQ(commandlineplayer(&refusal), "bob");
    EXPECT_EQ(refusal, "");
    readcommandline({"/UJohn%bSmith"});
    EXPECT_EQ(commandlineplayer(&refusal), "John Smith");

    for (const char* arg : {"-u..", "-u.%s.%sevil", "-ua%sb", "/U%bpadded", "-ua=b", "-u[x"}) {
        readcommandline({arg});
        EXPECT_EQ(commandlineplayer(&refusal), "") << arg;
        EXPECT_NE(refusal.find("Please enter your name."), std::string::npos) << arg;
    }
    readcommandline({"/U"});
    EXPECT_EQ(commandlineplayer(&refusal), "");
    EXPECT_EQ(refusal, ""); // no name given: nothing to complain about
}

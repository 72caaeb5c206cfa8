// Theme folders in a fresh program folder: which folders are themes, what their
// files replace, and that nothing a folder holds can stop the game.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "messages.h"
#include "progfolder.h"
#include "random.h"
#include "theme.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class Themes : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string home = dir.path().toStdString() + "/";
    Random rng{99};
    MessageCatalogue cat{rng};

    Themes() {
        ::setenv("QUORVEL3D_HOME", home.c_str(), 1);
        setprogramfolders(home, "quorvel3d", home + "config/");
    }

    void write(const std::string& theme, const std::string& file, std::string_view bytes) {
        fs::create_directories(home + theme);
        std::ofstream(home + theme + "/" + file, std::ios::binary) << bytes;
    }
    // A theme folder with the 36 view pictures, less those named in `leaveout`.
    void maketheme(const std::string& theme, std::initializer_list<std::string> leaveout = {}) {
        for (const std::string& file : groupfiles(PictureGroup::strips))
            if (std::find(leaveout.begin(), leaveout.end(), file) == leaveout.end())
                write(theme, file, "BM");
    }
    void makegroup(const std::string& theme, PictureGroup group, std::string_view leaveout = "") {
        for (const std::string& file : groupfiles(group))
            if (file != leaveout) write(theme, file, "BM");
    }
};

TEST_F(Themes, AFolderIsAThemeOnlyWithAll36ViewPictures) {
    maketheme("Stone Age");
    maketheme("Almost", {"middle12.bmp"});
    maketheme("Gappy", {"door7.bmp", "wall1.bmp"});
    maketheme(std::string(builtinthemename));
    write("", "door1.bmp", "BM"); // a loose file in the program folder is no theme

    const std::vector<std::string> list = listthemes();
    EXPECT_EQ(list, (std::vector<std::string>{"Back to basics <Default>", "Stone Age"}));
    EXPECT_TRUE(istheme("Stone Age"));
    EXPECT_FALSE(istheme("Almost"));
    EXPECT_EQ(firstmissingview(themefolder("Almost")), "middle12.bmp");
    EXPECT_EQ(firstmissingview(themefolder("Gappy")), "door7.bmp");
    EXPECT_FALSE(istheme(builtinthemename));
    EXPECT_FALSE(istheme("Nowhere"));
    EXPECT_TRUE(checkfiles(home, "Stone Age"));
}

TEST_F(Themes, NamesThatLeaveTheProgramFolderAreNoThemes) {
    maketheme("inner");
    EXPECT_EQ(themefolder(".."), "");
    EXPECT_EQ(themefolder(""), "");
    EXPECT_EQ(themefolder("a/b"), "");
    EXPECT_EQ(themefolder("bad\xff"), "");
    EXPECT_FALSE(istheme("../" + fs::path(home).parent_path().filename().string() + "/inner"));
}

TEST_F(Themes, FileNamesMadeOnWindowsMatchWithoutRegardToCase) {
    maketheme("Shouty", {"door1.bmp"});
    write("Shouty", "DOOR1.BMP", "BM");
    fs::create_directories(home + "Shouty/map.bmp"); // a folder is not a picture
    EXPECT_TRUE(istheme("Shouty"));
    EXPECT_EQ(themefile(themefolder("Shouty"), "door1.bmp"), home + "Shouty/DOOR1.BMP");
    EXPECT_FALSE(groupfromtheme("Shouty", PictureGroup::map));
}

TEST_F(Themes, EachPictureGroupComesWholeFromTheThemeOrNotAtAll) {
    maketheme("Full");
    makegroup("Full", PictureGroup::panel, "west.bmp");
    makegroup("Full", PictureGroup::map);
    makegroup("Full", PictureGroup::boxes);
    makegroup("Full", PictureGroup::exits, "ending.bmp");
    EXPECT_TRUE(groupfromtheme("Full", PictureGroup::strips));
    EXPECT_FALSE(groupfromtheme("Full", PictureGroup::panel));
    EXPECT_TRUE(groupfromtheme("Full", PictureGroup::map));
    EXPECT_TRUE(groupfromtheme("Full", PictureGroup::boxes));
    EXPECT_FALSE(groupfromtheme("Full", PictureGroup::exits));
    write("Full", "west.bmp", "BM");
    EXPECT_TRUE(groupfromtheme("Full", PictureGroup::panel));

    // Without its view pictures a folder gives nothing, not even a map that is there.
    maketheme("Broken", {"wall3.bmp"});
    makegroup("Broken", PictureGroup::map);
    makegroup("Broken", PictureGroup::panel);
    EXPECT_FALSE(groupfromtheme("Broken", PictureGroup::map));
    EXPECT_FALSE(groupfromtheme("Broken", PictureGroup::panel));
    EXPECT_FALSE(groupfromtheme(builtinthemename, PictureGroup::map));
    EXPECT_EQ(groupfiles(PictureGroup::panel).size(), 14u);
}

TEST_F(Themes, VariantFilesDropLinesThatDoNotFill) {
    maketheme("Snacks");
    write("Snacks", "food.txt", "<player> eats.\r\n<snack> time\r\n\r\nLook <here.\n");
    write("Snacks", "random.txt", "Drip.\nA bat flaps by.");
    write("Snacks", "yell.txt", "");
    loadtheme(cat, "Snacks");
    EXPECT_EQ(cat.variants(msgfood), std::vector<std::string>{"<player> eats."});
    EXPECT_EQ(cat.variants(msgrandom), (std::vector<std::string>{"Drip.", "A bat flaps by."}));
    EXPECT_TRUE(cat.variants(msgyell).empty());
    EXPECT_EQ(cat.getmessage(msgfood, "Anna"), "Anna eats.");
    EXPECT_EQ(cat.variants(msggps), builtinvariants(msggps));
}

TEST_F(Themes, ThemeIniNamesEveryWordItLeavesOutIsEmpty) {
    maketheme("Bakery");
    write("Bakery", "theme.ini", "[Items]\nfood=bread\n");
    loadtheme(cat, "Bakery");
    const Vocabulary& w = cat.vocabulary();
    EXPECT_EQ(w.items[1].singular, "bread");
    EXPECT_EQ(w.items[1].plural, "");
    EXPECT_EQ(w.items[2].singular, "");
    EXPECT_EQ(w.boxword, "");
    EXPECT_EQ(w.lightword, "");
    EXPECT_EQ(w.items[13].singular, "");
    EXPECT_EQ(cat.itemhint(1), "");
    EXPECT_EQ(cat.filltokens("You got <an-item>.", "Anna", msgfood), "You got bread.");
    EXPECT_EQ(cat.filltokens("Your <light> brightens.", "Anna", msgusebatt), "Your  brightens.");
    EXPECT_EQ(cat.itemname(msgempty, false, true), "");

    // Back to the built-in theme: every word returns, the box words included.
    loadtheme(cat, builtinthemename);
    const Vocabulary built = builtinvocabulary();
    for (std::string_view key : itemskeys())
        EXPECT_EQ(*vocabularyword(w, "Items", key), *vocabularyword(built, "Items", key)) << key;
    for (std::string_view key : hintskeys())
        EXPECT_EQ(*vocabularyword(w, "Hints", key), *vocabularyword(built, "Hints", key)) << key;
    EXPECT_EQ(cat.itemname(msgopen, false, true), "an open box");
    EXPECT_EQ(cat.itemname(msgempty, false, true), "an empty box");
}

TEST_F(Themes, CaptionsAndToolPluralsFollowTheirWords) {
    maketheme("Tools");
    write("Tools", "theme.ini",
          "[Items]\ngps=sextant\ngps-a=a\nopen=ajar\n[Hints]\npower=Juice.\ngem=Loot.\n"
          "compass=Needle.\n");
    loadtheme(cat, "Tools");
    EXPECT_EQ(cat.itemname(8, true, false), "sextant");
    EXPECT_EQ(cat.itemhint(2), "Juice.");
    EXPECT_EQ(cat.itemhint(5), "Loot.");
    EXPECT_EQ(cat.itemhint(7), "Needle.");
    EXPECT_EQ(cat.itemword(13, false), "ajar");
    EXPECT_EQ(cat.itemname(13, false, false), "ajar"); // the box word is empty now
}

TEST_F(Themes, UnreadableOrNonTextFilesCountAsAbsent) {
    maketheme("Damaged");
    write("Damaged", "food.txt", std::string("BM\0\0\x36\0", 6));
    fs::create_directories(home + "Damaged/gps.txt");
    write("Damaged", "theme.ini", std::string("[Items]\nfood=\0bread\n", 20));
    loadtheme(cat, "Damaged");
    EXPECT_EQ(cat.variants(msgfood), builtinvariants(msgfood));
    EXPECT_EQ(cat.variants(msggps), builtinvariants(msggps));
    EXPECT_EQ(cat.vocabulary().items[1].singular, "food");
    EXPECT_EQ(cat.vocabulary().lightword, "flashlight");

    write("Damaged", "stone.txt", std::string(2 << 20, 'x')); // far too large for a theme text
    EXPECT_FALSE(themetextfile(home + "Damaged/stone.txt"));
    EXPECT_FALSE(themetextfile(home + "Damaged/none.txt"));
}

TEST_F(Themes, TextIsUtf8WhenValidElseWindows1252) {
    EXPECT_EQ(decodethemetext("Caf\xc3\xa9"), "Caf\xc3\xa9");
    EXPECT_EQ(decodethemetext("\xEF\xBB\xBF"
                              "Caf\xc3\xa9"),
              "Caf\xc3\xa9");
    EXPECT_EQ(decodethemetext("Caf\xe9 \x80 \x93"), "Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9c");
    EXPECT_EQ(decodethemetext(std::string("\xFF\xFE"
                                          "A\0\xE9\0",
                                          6)),
              "A\xc3\xa9");
    EXPECT_EQ(decodethemetext(std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6)), "\xF0\x9F\x98\x80");

    maketheme("Paris");
    write("Paris", "food.txt", "Un caf\xe9 pour <player>.\r\n");
    write("Paris", "theme.ini", "[Items]\nlight=lanterne \xe0 huile\n");
    write("Paris", "gps.txt",
          std::string("\xFF\xFE"
                      "O\0k\0\r\0\n\0",
                      10));
    loadtheme(cat, "Paris");
    EXPECT_EQ(cat.getmessage(msgfood, "Zo\xc3\xab"), "Un caf\xc3\xa9 pour Zo\xc3\xab.");
    EXPECT_EQ(cat.vocabulary().lightword, "lanterne \xc3\xa0 huile");
    EXPECT_EQ(cat.variants(msggps), std::vector<std::string>{"Ok"});
}

TEST_F(Themes, HostileWordsAndVariantsStillEnd) {
    maketheme("Loops");
    std::string ini = "[Items]\n";
    for (std::string_view key : itemskeys())
        ini += std::string(key) + "=<" + std::string(key) + "><light>\n";
    write("Loops", "theme.ini", ini);
    write("Loops", "random.txt",
          "<light><LIGHT><Light> <item> <box> <a-gem> <player>\n<<<<>>>>\n<");
    loadtheme(cat, "Loops");
    EXPECT_EQ(cat.variants(msgrandom).size(), 1u);
    EXPECT_EQ(cat.filltokens(cat.variants(msgrandom)[0], "<player>", 3),
              "<light><light><LIGHT><LIGHT><light><light> <gem5><light> <box><light> "
              "<gem-a><light> <gem><light> <player>");
    for (int key = 0; key < messagekeycount; ++key)
        cat.getmessage(key, "<<player>>");
}

TEST_F(Themes, StoryAndMusicAreFoundByName) {
    maketheme("Tunes");
    EXPECT_EQ(thememusic(themefolder("Tunes")), "");
    write("Tunes", "music.rmi", "RIFF");
    EXPECT_EQ(thememusic(themefolder("Tunes")), home + "Tunes/music.rmi");
    write("Tunes", "music.mid", "MThd");
    EXPECT_EQ(thememusic(themefolder("Tunes")), home + "Tunes/music.mid");
    EXPECT_EQ(themestory(themefolder("Tunes")), "");
    write("Tunes", "story.rtf", "{\\rtf1}");
    EXPECT_EQ(themestory(themefolder("Tunes")), home + "Tunes/story.rtf");
}

} // namespace
} // namespace quorvel

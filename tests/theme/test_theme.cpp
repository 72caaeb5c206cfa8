// Theme folders in a fresh program folder: which folders are themes, what their
// files replace, and that nothing a folder holds can stop the game.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "files/programfolder.h"
#include "game/random.h"
#include "support/iconv.h"
#include "theme/messages.h"
#include "theme/theme.h"
#include "theme/themepicture.h"

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
        setProgramFolders(home, "quorvel3d", home + "config/");
    }
    // Qt cannot remove what it cannot name (folder names that are not UTF-8).
    ~Themes() override {
        std::error_code ec;
        fs::remove_all(home, ec);
    }

    void write(const std::string& theme, const std::string& file, std::string_view bytes) {
        fs::create_directories(home + theme);
        std::ofstream(home + theme + "/" + file, std::ios::binary) << bytes;
    }
    // A theme folder with the 36 view pictures, less those named in `leaveOut`.
    void makeTheme(const std::string& theme, std::initializer_list<std::string> leaveOut = {}) {
        for (const std::string& file : groupFiles(PictureGroup::strips))
            if (std::find(leaveOut.begin(), leaveOut.end(), file) == leaveOut.end())
                write(theme, file, "BM");
    }
    void makeGroup(const std::string& theme, PictureGroup group, std::string_view leaveOut = "") {
        for (const std::string& file : groupFiles(group))
            if (file != leaveOut) write(theme, file, "BM");
    }
};

TEST_F(Themes, AFolderIsAThemeOnlyWithAll36ViewPictures) {
    makeTheme("Stone Age");
    makeTheme("Almost", {"middle12.bmp"});
    makeTheme("Gappy", {"door7.bmp", "wall1.bmp"});
    makeTheme(std::string(builtinThemeName));
    write("", "door1.bmp", "BM"); // a loose file in the program folder is no theme

    const std::vector<std::string> list = listThemes();
    EXPECT_EQ(list, (std::vector<std::string>{"Back to basics <Default>", "Stone Age"}));
    EXPECT_TRUE(isTheme("Stone Age"));
    EXPECT_FALSE(isTheme("Almost"));
    EXPECT_EQ(firstMissingView(themeFolder("Almost")), "middle12.bmp");
    EXPECT_EQ(firstMissingView(themeFolder("Gappy")), "door7.bmp");
    EXPECT_FALSE(isTheme(builtinThemeName));
    EXPECT_FALSE(isTheme("Nowhere"));
    EXPECT_TRUE(checkFiles(home, "Stone Age"));
}

TEST_F(Themes, NamesThatLeaveTheProgramFolderAreNoThemes) {
    makeTheme("inner");
    EXPECT_EQ(themeFolder(".."), "");
    EXPECT_EQ(themeFolder(""), "");
    EXPECT_EQ(themeFolder("a/b"), "");
    EXPECT_EQ(themeFolder("bad\xff"), "");
    EXPECT_FALSE(isTheme("../" + fs::path(home).parent_path().filename().string() + "/inner"));
}

TEST_F(Themes, FoldersNamedInLatin1AreListedReadableAndFoundAgain) {
    // Folder names from an archive unpacked here keep the bytes they were made with.
    const std::string gresOnDisk = "Gr\xE8s", gres = "Gr\xC3\xA8s"; // Grès
    makeTheme(gresOnDisk);
    makeTheme("\x80uros"); // Windows-1252, as a player reads it: €uros
    makeTheme("Na\xEF"
              "f",
              {"wall9.bmp"}); // no theme, whatever its name
    write(gresOnDisk, "theme.ini", "[Items]\nlight=bougie\n");

    std::vector<std::string> list = listThemes();
    std::sort(list.begin() + 1, list.end());
    EXPECT_EQ(list,
              (std::vector<std::string>{"Back to basics <Default>", gres, "\xE2\x82\xACuros"}));
    EXPECT_EQ(themeFolder(gres), home + gresOnDisk + "/");
    EXPECT_TRUE(isTheme(gres));
    EXPECT_TRUE(checkFiles(home, "\xE2\x82\xACuros"));
    EXPECT_FALSE(isTheme("Na\xC3\xAF"
                         "f"));
    loadTheme(cat, gres);
    EXPECT_EQ(cat.vocabulary().lightWord, "bougie");

    // Two folders that read alike: the one named in UTF-8 is the theme, listed once.
    makeTheme(gres);
    list = listThemes();
    EXPECT_EQ(std::count(list.begin(), list.end(), gres), 1);
    EXPECT_EQ(themeFolder(gres), home + gres + "/");
    EXPECT_EQ(themeFolder("Gone"), home + "Gone/"); // no folder: the name as it is
}

TEST_F(Themes, FileNamesMadeOnWindowsMatchWithoutRegardToCase) {
    makeTheme("Shouty", {"door1.bmp"});
    write("Shouty", "DOOR1.BMP", "BM");
    fs::create_directories(home + "Shouty/map.bmp"); // a folder is not a picture
    EXPECT_TRUE(isTheme("Shouty"));
    EXPECT_EQ(themeFile(themeFolder("Shouty"), "door1.bmp"), home + "Shouty/DOOR1.BMP");
    EXPECT_FALSE(groupFromTheme("Shouty", PictureGroup::map));
}

TEST_F(Themes, EachPictureGroupComesWholeFromTheThemeOrNotAtAll) {
    makeTheme("Full");
    makeGroup("Full", PictureGroup::panel, "west.bmp");
    makeGroup("Full", PictureGroup::map);
    makeGroup("Full", PictureGroup::boxes);
    makeGroup("Full", PictureGroup::exits, "ending.bmp");
    EXPECT_TRUE(groupFromTheme("Full", PictureGroup::strips));
    EXPECT_FALSE(groupFromTheme("Full", PictureGroup::panel));
    EXPECT_TRUE(groupFromTheme("Full", PictureGroup::map));
    EXPECT_TRUE(groupFromTheme("Full", PictureGroup::boxes));
    EXPECT_FALSE(groupFromTheme("Full", PictureGroup::exits));
    write("Full", "west.bmp", "BM");
    EXPECT_TRUE(groupFromTheme("Full", PictureGroup::panel));

    // Without its view pictures a folder gives nothing, not even a map that is there.
    makeTheme("Broken", {"wall3.bmp"});
    makeGroup("Broken", PictureGroup::map);
    makeGroup("Broken", PictureGroup::panel);
    EXPECT_FALSE(groupFromTheme("Broken", PictureGroup::map));
    EXPECT_FALSE(groupFromTheme("Broken", PictureGroup::panel));
    EXPECT_FALSE(groupFromTheme(builtinThemeName, PictureGroup::map));
    EXPECT_EQ(groupFiles(PictureGroup::panel).size(), 14u);
}

TEST_F(Themes, PicturesReadPixelForPixelAsTheyWereWritten) {
    // Qt's BMP writer makes 1, 4, 8 and 24-bit files; an odd width pads every row.
    QImage colours(37, 23, QImage::Format_RGB888);
    for (int y = 0; y < colours.height(); ++y)
        for (int x = 0; x < colours.width(); ++x)
            colours.setPixelColor(x, y, QColor((x * 7) % 256, (y * 11) % 256, (x * y) % 256));
    const std::vector<std::pair<const char*, QImage>> kinds = {
        {"24 bits", colours},
        {"8 bits", colours.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)},
        {"4 bits", colours.convertToFormat(QImage::Format_Indexed8)
                       .convertToFormat(QImage::Format_Indexed8,
                                        QList<QRgb>{0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                                    0xFFFFFFFF})},
        {"1 bit", colours.convertToFormat(QImage::Format_Mono)},
    };
    fs::create_directories(home + "Pics");
    for (const auto& [kind, image] : kinds) {
        const std::string path = home + "Pics/p.bmp";
        ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP")) << kind;
        std::string problem = "?";
        const QImage read = readThemePicture(path, &problem);
        EXPECT_EQ(problem, "") << kind;
        EXPECT_EQ(read, image.convertToFormat(QImage::Format_RGB888)) << kind;
    }

    const auto why = [this](const std::string& file) {
        std::string problem;
        EXPECT_TRUE(readThemePicture(home + "Pics/" + file, &problem).isNull()) << file;
        return problem;
    };
    EXPECT_EQ(why("none.bmp"), "missing");
    write("Pics", "empty.bmp", "");
    EXPECT_EQ(why("empty.bmp"), "empty file");
    write("Pics", "half.bmp", "BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0");
    EXPECT_EQ(why("half.bmp"), "truncated");
    ASSERT_TRUE(colours.save(QString::fromStdString(home + "Pics/png.bmp"), "PNG"));
    EXPECT_EQ(why("png.bmp"), "not a BMP picture");
    fs::create_directories(home + "Pics/dir.bmp");
    EXPECT_EQ(why("dir.bmp"), "missing");
}

TEST_F(Themes, VariantFilesDropLinesThatDoNotFill) {
    makeTheme("Snacks");
    write("Snacks", "food.txt", "<player> eats.\r\n<snack> time\r\n\r\nLook <here.\n");
    write("Snacks", "random.txt", "Drip.\rA bat flaps by.\r"); // classic Mac line ends
    write("Snacks", "yell.txt", "");
    loadTheme(cat, "Snacks");
    EXPECT_EQ(cat.variants(msgFood), std::vector<std::string>{"<player> eats."});
    EXPECT_EQ(cat.variants(msgRandom), (std::vector<std::string>{"Drip.", "A bat flaps by."}));
    EXPECT_TRUE(cat.variants(msgYell).empty());
    EXPECT_EQ(cat.getMessage(msgFood, "Anna"), "Anna eats.");
    EXPECT_EQ(cat.variants(msgGps), builtinVariants(msgGps));
}

TEST_F(Themes, ThemeIniNamesEveryWordItLeavesOutIsEmpty) {
    makeTheme("Bakery");
    write("Bakery", "theme.ini", "[Items]\nfood=bread\n");
    loadTheme(cat, "Bakery");
    const Vocabulary& w = cat.vocabulary();
    EXPECT_EQ(w.items[1].singular, "bread");
    EXPECT_EQ(w.items[1].plural, "");
    EXPECT_EQ(w.items[2].singular, "");
    EXPECT_EQ(w.boxWord, "");
    EXPECT_EQ(w.lightWord, "");
    EXPECT_EQ(w.items[13].singular, "");
    EXPECT_EQ(cat.itemHint(1), "");
    EXPECT_EQ(cat.fillTokens("You got <an-item>.", "Anna", msgFood), "You got bread.");
    EXPECT_EQ(cat.fillTokens("Your <light> brightens.", "Anna", msgUseBatt), "Your  brightens.");
    EXPECT_EQ(cat.itemName(msgEmpty, false, true), "");

    // Back to the built-in theme: every word returns, the box words included.
    loadTheme(cat, builtinThemeName);
    const Vocabulary built = builtinVocabulary();
    for (std::string_view key : itemsKeys())
        EXPECT_EQ(*vocabularyWord(w, "Items", key), *vocabularyWord(built, "Items", key)) << key;
    for (std::string_view key : hintsKeys())
        EXPECT_EQ(*vocabularyWord(w, "Hints", key), *vocabularyWord(built, "Hints", key)) << key;
    EXPECT_EQ(cat.itemName(msgOpen, false, true), "an open box");
    EXPECT_EQ(cat.itemName(msgEmpty, false, true), "an empty box");
}

TEST_F(Themes, ThemeIniWithoutItemsKeepsEveryBuiltInItemWord) {
    makeTheme("Credits");
    write("Credits", "theme.ini", "[Credits]\nThemeBy=Ann\n[Hints]\nfood=Bread.\n");
    loadTheme(cat, "Credits");
    const Vocabulary built = builtinVocabulary();
    for (std::string_view key : itemsKeys())
        EXPECT_EQ(*vocabularyWord(cat.vocabulary(), "Items", key),
                  *vocabularyWord(built, "Items", key))
            << key;
    EXPECT_EQ(cat.fillTokens("You found <an-item>.", "Anna", msgGem5), "You found a diamond.");
    EXPECT_EQ(cat.itemHint(1), "Bread.");
    EXPECT_EQ(cat.itemHint(7), ""); // the Hints section still names every caption
}

TEST_F(Themes, CaptionsAndToolPluralsFollowTheirWords) {
    makeTheme("Tools");
    write("Tools", "theme.ini",
          "[Items]\ngps=sextant\ngps-a=a\nopen=ajar\n[Hints]\npower=Juice.\ngem=Loot.\n"
          "compass=Needle.\n");
    loadTheme(cat, "Tools");
    EXPECT_EQ(cat.itemName(8, true, false), "sextant");
    EXPECT_EQ(cat.itemHint(2), "Juice.");
    EXPECT_EQ(cat.itemHint(5), "Loot.");
    EXPECT_EQ(cat.itemHint(7), "Needle.");
    EXPECT_EQ(cat.itemWord(13, false), "ajar");
    EXPECT_EQ(cat.itemName(13, false, false), "ajar"); // the box word is empty now
}

TEST_F(Themes, UnreadableOrNonTextFilesCountAsAbsent) {
    makeTheme("Damaged");
    write("Damaged", "food.txt", std::string("BM\0\0\x36\0", 6));
    fs::create_directories(home + "Damaged/gps.txt");
    write("Damaged", "theme.ini", std::string("[Items]\nfood=\0\0bread\n", 21));
    loadTheme(cat, "Damaged");
    EXPECT_EQ(cat.variants(msgFood), builtinVariants(msgFood));
    EXPECT_EQ(cat.variants(msgGps), builtinVariants(msgGps));
    EXPECT_EQ(cat.vocabulary().items[1].singular, "food");
    EXPECT_EQ(cat.vocabulary().lightWord, "flashlight");

    write("Damaged", "stone.txt", std::string(2 << 20, 'x')); // far too large for a theme text
    EXPECT_FALSE(themeTextFile(home + "Damaged/stone.txt"));
    EXPECT_FALSE(themeTextFile(home + "Damaged/none.txt"));
}

TEST_F(Themes, TextIsUtf8WhenValidElseWindows1252) {
    makeTheme("Paris");
    write("Paris", "food.txt", "Un caf\xe9 pour <player>.\r\n");
    // One line in Windows-1252 leaves the UTF-8 lines of the same file as they are, also
    // when the lines end with a lone CR.
    write("Paris", "theme.ini", "[Items]\rlight=lanterne \xe0 huile\rbox=bo\xc3\xaete\r");
    write("Paris", "gps.txt",
          std::string("\xFF\xFE"
                      "O\0k\0\r\0\n\0",
                      10));
    loadTheme(cat, "Paris");
    EXPECT_EQ(cat.getMessage(msgFood, "Zo\xc3\xab"), "Un caf\xc3\xa9 pour Zo\xc3\xab.");
    EXPECT_EQ(cat.vocabulary().lightWord, "lanterne \xc3\xa0 huile");
    EXPECT_EQ(cat.vocabulary().boxWord, "bo\xc3\xaete");
    EXPECT_EQ(cat.variants(msgGps), std::vector<std::string>{"Ok"});

    // UTF-16 without a byte-order mark, as iconv writes it, in either byte order.
    for (const char* encoding : {"UTF-16LE", "UTF-16BE"}) {
        write("Paris", "theme.ini", test::iconvFromUtf8("[Items]\r\nlight=bougie\r\n", encoding));
        write("Paris", "gps.txt", test::iconvFromUtf8("O\xc3\xb9 suis-je ?\r\n", encoding));
        loadTheme(cat, "Paris");
        EXPECT_EQ(cat.vocabulary().lightWord, "bougie") << encoding;
        EXPECT_EQ(cat.variants(msgGps), std::vector<std::string>{"O\xc3\xb9 suis-je ?"});
    }
}

TEST_F(Themes, HostileWordsAndVariantsStillEnd) {
    makeTheme("Loops");
    std::string ini = "[Items]\n";
    for (std::string_view key : itemsKeys())
        ini += std::string(key) + "=<" + std::string(key) + "><light>\n";
    write("Loops", "theme.ini", ini);
    write("Loops", "random.txt",
          "<light><LIGHT><Light> <item> <box> <a-gem> <player>\n<<<<>>>>\n<");
    loadTheme(cat, "Loops");
    EXPECT_EQ(cat.variants(msgRandom).size(), 1u);
    EXPECT_EQ(cat.fillTokens(cat.variants(msgRandom)[0], "<player>", 3),
              "<light><light><LIGHT><LIGHT><light><light> <gem5><light> <box><light> "
              "<gem-a><light> <gem><light> <player>");
    for (int key = 0; key < messageKeyCount; ++key)
        cat.getMessage(key, "<<player>>");
}

TEST_F(Themes, StoryAndMusicAreFoundByName) {
    makeTheme("Tunes");
    EXPECT_EQ(themeMusic(themeFolder("Tunes")), "");
    write("Tunes", "music.rmi", "RIFF");
    EXPECT_EQ(themeMusic(themeFolder("Tunes")), home + "Tunes/music.rmi");
    write("Tunes", "music.mid", "MThd");
    EXPECT_EQ(themeMusic(themeFolder("Tunes")), home + "Tunes/music.mid");
    EXPECT_EQ(themeStory(themeFolder("Tunes")), "");
    write("Tunes", "story.rtf", "{\\rtf1}");
    EXPECT_EQ(themeStory(themeFolder("Tunes")), home + "Tunes/story.rtf");
}

} // namespace
} // namespace quorvel

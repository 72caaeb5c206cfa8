// quorvel3d-tool theme, run as theme authors run it: exact output for a folder.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/picturefiles.h"
#include "support/sndfilewaves.h"
#include "theme/theme.h"

namespace quorvel {
namespace {

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun tool(const QStringList& args) {
    QProcess p;
    p.start(QUORVEL_TOOL, QStringList{"theme"} + args);
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

// A small picture as an image editor saves it.
std::string picture() {
    return test::pictureFile("BMP", Qt::darkGreen, {4, 6}, QImage::Format_RGB888);
}

class ToolTheme : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString() + "/Dark Woods";
    void write(const std::string& file, std::string_view bytes) {
        std::ofstream(folder + "/" + file, std::ios::binary) << bytes;
    }
    ToolTheme() {
        std::filesystem::create_directories(folder);
        for (const std::string& file : groupFiles(PictureGroup::strips))
            if (file != "wall5.bmp") write(file, picture());
    }
    std::string head(const std::string& out, int lines) {
        std::size_t at = 0;
        for (int i = 0; i < lines && at != std::string::npos; ++i)
            at = out.find('\n', at) + 1;
        return out.substr(0, at);
    }
};

TEST_F(ToolTheme, ReportsWhatTheFolderSupplies) {
    const ToolRun invalid = tool({QString::fromStdString(folder)});
    EXPECT_EQ(invalid.status, 0);
    EXPECT_EQ(head(invalid.out, 7), "theme Dark Woods\nvalid no\nmissing wall5.bmp\npanel no\n"
                                    "map no\nstory no\nmusic none\n");
    EXPECT_NE(invalid.out.find("word open=open\n"), std::string::npos);

    write("wall5.bmp", picture());
    write("map.bmp", picture());
    write("story.rtf", "{\\rtf1}");
    write("music.mid", "MThd");
    write("theme.ini", "[Items]\nfood=mushroom\nfood-p=mushrooms\n[Hints]\ngem=Loot.\n");
    write("food.txt", "<Player> eats <an-item>.\n<snack>\n");
    const ToolRun valid =
        tool({QString::fromStdString(folder + "/"), "--messages", "--player", "Ann"});
    EXPECT_EQ(valid.status, 0);
    EXPECT_EQ(head(valid.out, 7),
              "theme Dark Woods\nvalid yes\npanel no\nmap yes\nstory yes\nmusic music.mid\n"
              "word light=\n");
    EXPECT_NE(valid.out.find("\nword food=mushroom\nword food-p=mushrooms\nword food-a=\n"),
              std::string::npos);
    EXPECT_NE(valid.out.find("\nword compass=\nword compass-a=\n"), std::string::npos);
    EXPECT_NE(valid.out.find("\nhint gem=Loot.\nhint power=\n"), std::string::npos);
    EXPECT_NE(valid.out.find("\nkey 0 random 0\nkey 1 food 1\n  Ann eats mushroom.\nkey 2 "),
              std::string::npos);
    EXPECT_NE(valid.out.find("\nkey 35 exit 0\n"), std::string::npos);
    EXPECT_EQ(valid.out.substr(valid.out.size() - 14), "key 35 exit 0\n");
    EXPECT_EQ(tool({QString::fromStdString(folder), "--messages", "--player", "Ann"}).out,
              valid.out);
}

TEST_F(ToolTheme, EachUnreadablePictureAndSoundHasItsOwnLineAndReason) {
    write("wall5.bmp", picture());
    const std::string good = picture();
    write("door3.bmp", "");                                // emptied
    write("middle9.bmp", good.substr(0, good.size() / 2)); // half copied
    write("map.bmp", "\x89PNG\r\n\x1a\n");                 // not a BMP at all
    for (const std::string& file : groupFiles(PictureGroup::panel))
        write(file, good);
    write("west.bmp", good.substr(0, 20));
    const std::string sound = test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2000);
    write("walk.wav", sound);
    write("Food.WAV", sound.substr(0, sound.size() - 1000));
    write("box.wav", "");
    write("gem.wav", "RIFF, but no sound");
    // The sound recorder's GSM plays (through libsndfile); a day of sound, only its start.
    write("hint.wav", test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_GSM610, 8000, 4480));
    write("run.wav", test::sndfileTone(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 86400));
    // Texts: a binary food.txt and theme.ini are none; UTF-16 without its mark is one.
    write("food.txt", std::string("\x01\0\x02\0\0\0", 6));
    write("Theme.ini", std::string("[Items]\0\0", 9));
    write("yell.txt", std::string("H\0i\0!\0", 6));
    const ToolRun run = tool({QString::fromStdString(folder)});
    EXPECT_EQ(run.status, 0);
    // Which files are there is all "valid", "panel" and "map" say, as before.
    EXPECT_EQ(head(run.out, 16), "theme Dark Woods\nvalid yes\npanel yes\nmap yes\nstory no\n"
                                 "music none\n"
                                 "unreadable door3.bmp: empty file\n"
                                 "unreadable middle9.bmp: truncated\n"
                                 "unreadable map.bmp: not a BMP picture\n"
                                 "unreadable west.bmp: truncated\n"
                                 "unreadable Food.WAV: truncated\n"
                                 "unreadable box.wav: empty file\n"
                                 "unreadable gem.wav: not a sound it can decode\n"
                                 "unreadable run.wav: too long\n"
                                 "unreadable Theme.ini: not text\n"
                                 "unreadable food.txt: not text\n");
    EXPECT_NE(run.out.find("\nword light=flashlight\n"), std::string::npos);
    EXPECT_EQ(run.out.find("walk.wav"), std::string::npos);
    EXPECT_EQ(run.out.find("hint.wav"), std::string::npos);
    EXPECT_EQ(run.out.find("yell.txt"), std::string::npos);
}

TEST_F(ToolTheme, BadFoldersAreRefusedWithStatus2) {
    const ToolRun none = tool({QString::fromStdString(folder + "/nowhere")});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(std::count(none.err.begin(), none.err.end(), '\n'), 1);
    EXPECT_EQ(tool({QString::fromStdString(folder + "/door1.bmp")}).status, 2);
    EXPECT_EQ(tool({}).status, 2);
    EXPECT_EQ(tool({QString::fromStdString(folder), "--colour", "red"}).status, 2);
}

} // namespace
} // namespace quorvel

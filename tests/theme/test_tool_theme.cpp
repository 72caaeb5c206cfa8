// quorvel3d-tool theme, run as theme authors run it: exact output for a folder.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "theme.h"

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
            if (file != "wall5.bmp") write(file, "BM");
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

    write("wall5.bmp", "BM");
    write("map.bmp", "BM");
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

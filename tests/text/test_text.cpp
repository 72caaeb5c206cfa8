#include <gtest/gtest.h>

#include "text/gametext.h"
#include "text/textutil.h"

using namespace quorvel;

TEST(TextHelpers, VersionTextDropsATrailingZero) {
    EXPECT_EQ(versionText(), "1.35");
    EXPECT_EQ(versionText(1, 30), "1.3");
    EXPECT_EQ(versionText(1, 5), "1.05");
    EXPECT_EQ(versionText(2, 0), "2.0");
}

TEST(TextHelpers, SmallTextFunctions) {
    EXPECT_EQ(capitalise(""), "");
    EXPECT_EQ(capitalise("bob smith"), "Bob smith");
    EXPECT_EQ(capitalise("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9"); // ASCII only
    EXPECT_EQ(charcount(capitalise(std::string(300, 'a'))), 256u);
    EXPECT_EQ(joinWords("", "box"), "box");
    EXPECT_EQ(joinWords("big", ""), "big");
    EXPECT_EQ(joinWords("big", "box"), "big box");
    EXPECT_EQ(padLeft("7", ' ', 3), "  7");
    EXPECT_EQ(padLeft("1234", ' ', 3), "1234");
    EXPECT_EQ(zeroPad("5", 2), "05");
    EXPECT_EQ(padLeft("\xC3\xA9", '.', 3), "..\xC3\xA9"); // counts characters, not bytes
    EXPECT_EQ(pluralWord("day", "days", 1), "day");
    EXPECT_EQ(pluralWord("day", "days", 0), "days");
    EXPECT_EQ(pluralWord("day", "days", 2), "days");
}

// A translated form takes its arguments in one pass, in whatever order it names them;
// a name that holds "%2" stays as typed. English stands until a lookup is installed.
TEST(TextHelpers, FormsTakeTheirArgumentsInOnePass) {
    EXPECT_EQ(fillIn("Unable to write to %1!", "a%2b"), "Unable to write to a%2b!");
    EXPECT_EQ(fillIn("%2 / %1 %3 100%", {"x", "y"}), "y / x %3 100%");
    EXPECT_EQ(gameText("quorvel::Problems", "File Error"), "File Error");
    setGameTextLookup([](const char*, const char* text) { return std::string("<") + text + ">"; });
    EXPECT_EQ(gameText("quorvel::Problems", "File Error"), "<File Error>");
    setGameTextLookup(nullptr);
}

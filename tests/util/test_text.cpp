#include <gtest/gtest.h>

#include "commandline.h"
#include "textutil.h"

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
    EXPECT_EQ(imin(3, -2), -2);
    EXPECT_EQ(imax(3, -2), 3);
}

TEST(CommandLine, DashesAndSlashesBecomeUpperCaseSwitches) {
    EXPECT_EQ(readCommandLine({"-ubob"}), "/Ubob");
    EXPECT_EQ(getSwitch('U'), "bob");
    EXPECT_EQ(getSwitch('u'), "bob");
    readCommandLine({"/Ubob"});
    EXPECT_EQ(getSwitch('U'), "bob");
    readCommandLine({"/UJohn%bSmith"});
    EXPECT_EQ(getSwitch('U'), "John Smith");
    readCommandLine({"/U"});
    EXPECT_EQ(getSwitch('U'), "");
    readCommandLine({});
    EXPECT_EQ(getSwitch('U'), "");
    EXPECT_EQ(commandline(), "");
}

TEST(CommandLine, ValuesEndAtTheNextSwitchMark) {
    // A plain minus inside a name is a switch mark, which is why %d exists.
    readCommandLine({"  -uAnn-Marie  ", "-x"});
    EXPECT_EQ(commandline(), "/UAnn/Marie   /X");
    EXPECT_EQ(getSwitch('U'), "Ann");
    readCommandLine({"/uAnn%dMarie", "/xyz"});
    EXPECT_EQ(getSwitch('U'), "Ann-Marie");
    EXPECT_EQ(getSwitch('X'), "yz");
    EXPECT_EQ(getSwitch('Q'), "");
    readCommandLine({"/U" + std::string(300, 'a')});
    EXPECT_EQ(getSwitch('U'), std::string(255, 'a'));
    readCommandLine({"-"}); // a lone mark at the very end stays as it is
    EXPECT_EQ(commandline(), "-");
    EXPECT_EQ(getSwitch('U'), "");
}

TEST(CommandLine, EscapesDecode) {
    EXPECT_EQ(decodeSwitch("say%qhi%q"), "say\"hi\"");
    EXPECT_EQ(decodeSwitch("100%p"), "100%");
    EXPECT_EQ(decodeSwitch("a%xb"), "ab");
    EXPECT_EQ(decodeSwitch("end%"), "end");
    EXPECT_EQ(decodeSwitch("%d%s"), "-/");
    EXPECT_EQ(decodeSwitch("%B"), ""); // codes are lower-case only
    EXPECT_EQ(decodeSwitch("  %bpadded%b  "), " padded ");
    EXPECT_EQ(decodeSwitch("%%b"), "b");
}

#include <gtest/gtest.h>

#include "commandline.h"
#include "textutil.h"

using namespace quorvel;

TEST(TextHelpers, VersionTextDropsATrailingZero) {
    EXPECT_EQ(versiontext(), "1.35");
    EXPECT_EQ(versiontext(1, 30), "1.3");
    EXPECT_EQ(versiontext(1, 5), "1.05");
    EXPECT_EQ(versiontext(2, 0), "2.0");
}

TEST(TextHelpers, SmallTextFunctions) {
    EXPECT_EQ(capitalise(""), "");
    EXPECT_EQ(capitalise("bob smith"), "Bob smith");
    EXPECT_EQ(capitalise("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9"); // ASCII only
    EXPECT_EQ(charcount(capitalise(std::string(300, 'a'))), 256u);
    EXPECT_EQ(joinwords("", "box"), "box");
    EXPECT_EQ(joinwords("big", ""), "big");
    EXPECT_EQ(joinwords("big", "box"), "big box");
    EXPECT_EQ(padleft("7", ' ', 3), "  7");
    EXPECT_EQ(padleft("1234", ' ', 3), "1234");
    EXPECT_EQ(zeropad("5", 2), "05");
    EXPECT_EQ(padleft("\xC3\xA9", '.', 3), "..\xC3\xA9"); // counts characters, not bytes
    EXPECT_EQ(pluralword("day", "days", 1), "day");
    EXPECT_EQ(pluralword("day", "days", 0), "days");
    EXPECT_EQ(pluralword("day", "days", 2), "days");
    EXPECT_EQ(imin(3, -2), -2);
    EXPECT_EQ(imax(3, -2), 3);
}

TEST(CommandLine, DashesAndSlashesBecomeUpperCaseSwitches) {
    EXPECT_EQ(readcommandline({"-ubob"}), "/Ubob");
    EXPECT_EQ(getswitch('U'), "bob");
    EXPECT_EQ(getswitch('u'), "bob");
    readcommandline({"/Ubob"});
    EXPECT_EQ(getswitch('U'), "bob");
    readcommandline({"/UJohn%bSmith"});
    EXPECT_EQ(getswitch('U'), "John Smith");
    readcommandline({"/U"});
    EXPECT_EQ(getswitch('U'), "");
    readcommandline({});
    EXPECT_EQ(getswitch('U'), "");
    EXPECT_EQ(commandline(), "");
}

TEST(CommandLine, ValuesEndAtTheNextSwitchMark) {
    // A plain minus inside a name is a switch mark, which is why %d exists.
    readcommandline({"  -uAnn-Marie  ", "-x"});
    EXPECT_EQ(commandline(), "/UAnn/Marie   /X");
    EXPECT_EQ(getswitch('U'), "Ann");
    readcommandline({"/uAnn%dMarie", "/xyz"});
    EXPECT_EQ(getswitch('U'), "Ann-Marie");
    EXPECT_EQ(getswitch('X'), "yz");
    EXPECT_EQ(getswitch('Q'), "");
    readcommandline({"/U" + std::string(300, 'a')});
    EXPECT_EQ(getswitch('U'), std::string(255, 'a'));
    readcommandline({"-"}); // a lone mark at the very end stays as it is
    EXPECT_EQ(commandline(), "-");
    EXPECT_EQ(getswitch('U'), "");
}

TEST(CommandLine, EscapesDecode) {
    EXPECT_EQ(decodeswitch("say%qhi%q"), "say\"hi\"");
    EXPECT_EQ(decodeswitch("100%p"), "100%");
    EXPECT_EQ(decodeswitch("a%xb"), "ab");
    EXPECT_EQ(decodeswitch("end%"), "end");
    EXPECT_EQ(decodeswitch("%d%s"), "-/");
    EXPECT_EQ(decodeswitch("%B"), ""); // codes are lower-case only
    EXPECT_EQ(decodeswitch("  %bpadded%b  "), " padded ");
    EXPECT_EQ(decodeswitch("%%b"), "b");
}

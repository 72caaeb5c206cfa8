// The message catalogue: token filling, item phrases and the draws it makes on the
// shared stream.

#include <gtest/gtest.h>

#include "messages.h"
#include "random.h"

namespace quorvel {
namespace {

class Catalogue : public ::testing::Test {
  protected:
    Random rng{12345};
    MessageCatalogue cat{rng};

    std::string fill(std::string_view text, int code = msggem5, std::string_view who = "Anna") {
        return cat.filltokens(text, who, code);
    }
};

TEST_F(Catalogue, TokensTakeTheCaseTheyAreWrittenIn) {
    EXPECT_EQ(fill("CONGRATULATIONS <PLAYER>!!! YOU WON!!!"), "CONGRATULATIONS ANNA!!! YOU WON!!!");
    EXPECT_EQ(fill("<An-item>,  Very nice... (5 points)"), "A diamond,  Very nice... (5 points)");
    EXPECT_EQ(fill("<ITEMS> <Items> <items> <iTEMS>"), "DIAMONDS Diamonds diamonds diamonds");
    EXPECT_EQ(fill("<A-box> here. <A-box> there."), "A box here. A box there.");
    EXPECT_EQ(fill("<player>", 3, "anna"), "anna");
    EXPECT_EQ(fill("<Player>", 3, "anna"), "Anna");
}

TEST_F(Catalogue, EmptyArticleLeavesNoStraySpace) {
    cat.vocabulary().items[3].article.clear();
    EXPECT_EQ(fill("<An-item>,  Very nice... (5 points)"), "Diamond,  Very nice... (5 points)");
    EXPECT_EQ(fill("You use <a-battery>, causing your <light> to shine brightly again."),
              "You use batteries, causing your flashlight to shine brightly again.");
    cat.vocabulary().boxword.clear();
    EXPECT_EQ(cat.itemname(12, false, true), "an empty");
    EXPECT_EQ(cat.itemname(msgopen, false, false), "open");
}

TEST_F(Catalogue, UnknownOrUnclosedTokenSilencesTheWholeText) {
    EXPECT_EQ(fill("You found <treasure>."), "");
    EXPECT_EQ(fill("Look <here."), "");
    EXPECT_EQ(fill("<player> then <"), "");
    EXPECT_EQ(fill("<>"), "");
    EXPECT_EQ(fill("No tokens at all > here."), "No tokens at all > here.");
    EXPECT_EQ(fill(""), "");
}

TEST_F(Catalogue, ItemTokensOfAKeyThatIsNoItemAreUnknown) {
    EXPECT_EQ(fill("<item>", msgstart), "unknown item");
    EXPECT_EQ(fill("<An-item>/<items>", -1), "An unknown item/unknown items");
}

TEST_F(Catalogue, ItemPhrasesOfEveryCode) {
    EXPECT_EQ(cat.itemname(13, true, true), "open boxes");
    EXPECT_EQ(cat.itemname(codeopenbox, false, true), "an open box");
    EXPECT_EQ(cat.itemname(12, false, false), "empty box");
    EXPECT_EQ(cat.itemname(12, true, false), "empty boxes");
    EXPECT_EQ(cat.itemname(12, false, true), "an empty box");
    EXPECT_EQ(cat.itemname(codebox, false, true), "a box");
    EXPECT_EQ(cat.itemname(codegem, true, false), "stones");
    EXPECT_EQ(cat.itemname(codelight, true, true), "flashlight");
    EXPECT_EQ(cat.itemname(4, false, true), "an emerald");
    EXPECT_EQ(cat.itemname(1, false, true), "food");
    EXPECT_EQ(cat.itemname(8, true, false), "G.P.S.");
    EXPECT_EQ(cat.itemname(codepower, false, false), "unknown item");

    EXPECT_EQ(cat.itemword(12, false), "empty");
    EXPECT_EQ(cat.itemword(13, true), "open");
    EXPECT_EQ(cat.itemword(codebox, true), "boxes");
    EXPECT_EQ(cat.itemword(5, true), "rubies");
    EXPECT_EQ(cat.itemword(codelight, false), "unknown");

    EXPECT_EQ(cat.itemhint(codepower), "Power level.");
    EXPECT_EQ(cat.itemhint(2), "Power level.");
    EXPECT_EQ(cat.itemhint(6), "Stones.");
    EXPECT_EQ(cat.itemhint(8), "G.P.S.");
    EXPECT_EQ(cat.itemhint(12), "");
    EXPECT_EQ(cat.itemhint(codelight), "");
}

// Theme words and names typed on the command line may hold angle brackets; they are
// shown as written and the filling still ends.
TEST_F(Catalogue, HostileWordsAndNamesAreNeverScannedAgain) {
    cat.vocabulary().lightword = "<light>";
    EXPECT_EQ(fill("Your <light> brightens."), "Your <light> brightens.");
    cat.vocabulary().items[3].singular = "<item><Item><ITEM";
    EXPECT_EQ(fill("<ITEM>! <item>"), "<ITEM><ITEM><ITEM! <item><Item><ITEM");
    EXPECT_EQ(fill("Hi <player>, <player>.", 3, "<player><"), "Hi <player><, <player><.");
    EXPECT_EQ(fill("<PLAYER>", 3, "<x>y"), "<X>Y");
    EXPECT_EQ(fill("<player> <treasure>", 3, "<ok>"), "");
}

// A damaged theme file may hold one huge line full of tokens and huge words; filling
// it takes time in proportion to its length.
TEST_F(Catalogue, HugeTextsFillWithoutStalling) {
    std::string huge;
    for (int i = 0; i < 100000; ++i)
        huge += "<player>";
    cat.vocabulary().lightword = std::string(1 << 20, 'L');
    const std::string filled = fill("<light>" + huge, 3, std::string(1 << 16, 'p'));
    EXPECT_EQ(filled.size(), (1u << 20) + 31 * (1u << 16)); // 31 tokens fit in the window
    EXPECT_EQ(fill("<Light>", 3).size(), 256u);
}

TEST_F(Catalogue, LongTextsAndWideCharactersAreCutWholeCharacters) {
    cat.vocabulary().items[3].singular = "émeraude";
    EXPECT_EQ(fill("<Item>"), "émeraude");
    EXPECT_EQ(fill("<ITEM>"), "éMERAUDE");
    const std::string tail(300, 'x');
    const std::string filled = fill("<item>" + tail);
    EXPECT_EQ(filled, "émeraude" + std::string(249, 'x'));
    const std::string wide = fill("<item>" + std::string(248, 'x') + "ééé");
    EXPECT_EQ(wide, "émeraude" + std::string(248, 'x') + "é");
}

TEST_F(Catalogue, MessagesDrawOneNumberFromTheSharedStream) {
    Random copy = rng;
    const auto& list = cat.variants(msggps);
    ASSERT_EQ(list.size(), 4u);
    const std::string text = cat.getmessage(msggps, "Anna");
    EXPECT_EQ(text, cat.filltokens(list[copy.rand(4)], "Anna", msggps));
    EXPECT_EQ(rng.seed(), copy.seed());

    // Silent keys and keys out of range make no draw.
    EXPECT_EQ(cat.getmessage(msgrandom, "Anna"), "");
    EXPECT_EQ(cat.getmessage(-1, "Anna"), "");
    EXPECT_EQ(cat.getmessage(36, "Anna"), "");
    EXPECT_EQ(rng.seed(), copy.seed());
}

TEST_F(Catalogue, RandomRemarkOnlyOnADrawOfOne) {
    cat.setvariants(msgrandom, {"<player> hums.", "Drip."});
    // Find a stream position whose draw of 100 is 1, and one whose draw is not.
    std::uint32_t hit = 0, miss = 0;
    for (std::uint32_t s = 1; !hit || !miss; ++s) {
        Random probe(s);
        (probe.rand(100) == 1 ? hit : miss) = s;
    }
    rng.setseed(miss);
    EXPECT_EQ(cat.randommessage(100, "Anna"), "");
    rng.setseed(hit);
    Random copy(hit);
    copy.rand(100);
    const std::string expected = copy.rand(2) == 0 ? "Anna hums." : "Drip.";
    EXPECT_EQ(cat.randommessage(100, "Anna"), expected);
    EXPECT_EQ(rng.seed(), copy.seed());

    // Without random remarks a hit still costs only the one draw.
    cat.setvariants(msgrandom, {});
    rng.setseed(hit);
    EXPECT_EQ(cat.randommessage(100, "Anna"), "");
    Random one(hit);
    one.rand(100);
    EXPECT_EQ(rng.seed(), one.seed());
}

TEST_F(Catalogue, BuiltInVariantsAllFillCleanly) {
    const int counts[messagekeycount] = {0, 3, 3, 3, 3, 3, 3, 3, 4, 3, 3, 3, 3, 0, 3, 3, 3, 3,
                                         3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 0, 0, 0, 0, 0, 0};
    for (int key = 0; key < messagekeycount; ++key) {
        ASSERT_EQ(static_cast<int>(cat.variants(key).size()), counts[key]) << keyword(key);
        for (const std::string& v : cat.variants(key))
            EXPECT_NE(cat.filltokens(v, "player", -1), "") << v;
    }
    EXPECT_EQ(cat.variants(msgstop)[2], "* * * You see stars after hitting the wall! * * * ");
    EXPECT_EQ(keyword(msgusebatt), "usebatt");
    EXPECT_EQ(keyword(36), "");
}

TEST_F(Catalogue, ResetBringsBackEveryBuiltInWordAndVariant) {
    Vocabulary& w = cat.vocabulary();
    for (std::string_view key : itemskeys())
        ASSERT_TRUE(setvocabularyword(w, "Items", key, ""));
    for (std::string_view key : hintskeys())
        ASSERT_TRUE(setvocabularyword(w, "Hints", key, ""));
    EXPECT_FALSE(setvocabularyword(w, "Items", "compass-p", "x"));
    EXPECT_FALSE(setvocabularyword(w, "Credits", "food", "x"));
    cat.setvariants(msgfood, {"x"});
    cat.setvariants(msgyell, {"Hey!"});
    EXPECT_EQ(cat.itemname(13, false, true), "");

    cat.resetvocabulary();
    const Vocabulary built = builtinvocabulary();
    for (int code = 1; code <= 13; ++code) {
        EXPECT_EQ(w.items[code].singular, built.items[code].singular);
        EXPECT_EQ(w.items[code].article, built.items[code].article);
    }
    EXPECT_EQ(cat.itemname(13, false, true), "an open box");
    EXPECT_EQ(cat.itemname(12, false, true), "an empty box");
    EXPECT_EQ(cat.variants(msgfood), builtinvariants(msgfood));
    EXPECT_TRUE(cat.variants(msgyell).empty());
}

TEST(Vocabulary, OpenSetsTheOpenBoxItemAndToolsKeepOneWord) {
    Vocabulary w = builtinvocabulary();
    setvocabularyword(w, "items", "OPEN", "ajar");
    setvocabularyword(w, "Items", "gps", "locator");
    setvocabularyword(w, "Hints", "power", "Juice.");
    settlevocabulary(w);
    EXPECT_EQ(w.openword, "ajar");
    EXPECT_EQ(w.items[13].singular, "ajar");
    EXPECT_EQ(w.items[8].plural, "locator");
    EXPECT_EQ(w.items[2].hint, "Juice.");
    EXPECT_EQ(*vocabularyword(w, "Items", "gps"), "locator");
    EXPECT_EQ(vocabularyword(w, "Items", "nonsense"), nullptr);
}

} // namespace
} // namespace quorvel

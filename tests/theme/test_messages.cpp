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

    std::string fill(std::string_view text, int code = msgGem5, std::string_view who = "Anna") {
        return cat.fillTokens(text, who, code);
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
    cat.vocabulary().boxWord.clear();
    EXPECT_EQ(cat.itemName(12, false, true), "an empty");
    EXPECT_EQ(cat.itemName(msgOpen, false, false), "open");
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
    EXPECT_EQ(fill("<item>", msgStart), "unknown item");
    EXPECT_EQ(fill("<An-item>/<items>", -1), "An unknown item/unknown items");
}

TEST_F(Catalogue, ItemPhrasesOfEveryCode) {
    EXPECT_EQ(cat.itemName(13, true, true), "open boxes");
    EXPECT_EQ(cat.itemName(codeOpenBox, false, true), "an open box");
    EXPECT_EQ(cat.itemName(12, false, false), "empty box");
    EXPECT_EQ(cat.itemName(12, true, false), "empty boxes");
    EXPECT_EQ(cat.itemName(12, false, true), "an empty box");
    EXPECT_EQ(cat.itemName(codeBox, false, true), "a box");
    EXPECT_EQ(cat.itemName(codeGem, true, false), "stones");
    EXPECT_EQ(cat.itemName(codeLight, true, true), "flashlight");
    EXPECT_EQ(cat.itemName(4, false, true), "an emerald");
    EXPECT_EQ(cat.itemName(1, false, true), "food");
    EXPECT_EQ(cat.itemName(8, true, false), "G.P.S.");
    EXPECT_EQ(cat.itemName(codePower, false, false), "unknown item");

    EXPECT_EQ(cat.itemWord(12, false), "empty");
    EXPECT_EQ(cat.itemWord(13, true), "open");
    EXPECT_EQ(cat.itemWord(codeBox, true), "boxes");
    EXPECT_EQ(cat.itemWord(5, true), "rubies");
    EXPECT_EQ(cat.itemWord(codeLight, false), "unknown");

    EXPECT_EQ(cat.itemHint(codePower), "Power level.");
    EXPECT_EQ(cat.itemHint(2), "Power level.");
    EXPECT_EQ(cat.itemHint(6), "Stones.");
    EXPECT_EQ(cat.itemHint(8), "G.P.S.");
    EXPECT_EQ(cat.itemHint(12), "");
    EXPECT_EQ(cat.itemHint(codeLight), "");
}

// Theme words and names typed on the command line may hold angle brackets; they are
// shown as written and the filling still ends.
TEST_F(Catalogue, HostileWordsAndNamesAreNeverScannedAgain) {
    cat.vocabulary().lightWord = "<light>";
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
    cat.vocabulary().lightWord = std::string(1 << 20, 'L');
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
    const auto& list = cat.variants(msgGps);
    ASSERT_EQ(list.size(), 4u);
    const std::string text = cat.getMessage(msgGps, "Anna");
    EXPECT_EQ(text, cat.fillTokens(list[copy.rand(4)], "Anna", msgGps));
    EXPECT_EQ(rng.seed(), copy.seed());

    // Silent keys and keys out of range make no draw.
    EXPECT_EQ(cat.getMessage(msgRandom, "Anna"), "");
    EXPECT_EQ(cat.getMessage(-1, "Anna"), "");
    EXPECT_EQ(cat.getMessage(36, "Anna"), "");
    EXPECT_EQ(rng.seed(), copy.seed());
}

TEST_F(Catalogue, RandomRemarkOnlyOnADrawOfOne) {
    cat.setVariants(msgRandom, {"<player> hums.", "Drip."});
    // Find a stream position whose draw of 100 is 1, and one whose draw is not.
    std::uint32_t hit = 0, miss = 0;
    for (std::uint32_t s = 1; !hit || !miss; ++s) {
        Random probe(s);
        (probe.rand(100) == 1 ? hit : miss) = s;
    }
    rng.setSeed(miss);
    EXPECT_EQ(cat.randomMessage(100, "Anna"), "");
    rng.setSeed(hit);
    Random copy(hit);
    copy.rand(100);
    const std::string expected = copy.rand(2) == 0 ? "Anna hums." : "Drip.";
    EXPECT_EQ(cat.randomMessage(100, "Anna"), expected);
    EXPECT_EQ(rng.seed(), copy.seed());

    // Without random remarks a hit still costs only the one draw.
    cat.setVariants(msgRandom, {});
    rng.setSeed(hit);
    EXPECT_EQ(cat.randomMessage(100, "Anna"), "");
    Random one(hit);
    one.rand(100);
    EXPECT_EQ(rng.seed(), one.seed());
}

TEST_F(Catalogue, BuiltInVariantsAllFillCleanly) {
    const int counts[messageKeyCount] = {0, 3, 3, 3, 3, 3, 3, 3, 4, 3, 3, 3, 3, 0, 3, 3, 3, 3,
                                         3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 0, 0, 0, 0, 0, 0};
    for (int key = 0; key < messageKeyCount; ++key) {
        ASSERT_EQ(static_cast<int>(cat.variants(key).size()), counts[key]) << keyword(key);
        for (const std::string& v : cat.variants(key))
            EXPECT_NE(cat.fillTokens(v, "player", -1), "") << v;
    }
    EXPECT_EQ(cat.variants(msgStop)[2], "* * * You see stars after hitting the wall! * * * ");
    EXPECT_EQ(keyword(msgUseBatt), "usebatt");
    EXPECT_EQ(keyword(36), "");
}

TEST_F(Catalogue, ResetBringsBackEveryBuiltInWordAndVariant) {
    Vocabulary& w = cat.vocabulary();
    for (std::string_view key : itemsKeys())
        ASSERT_TRUE(setVocabularyWord(w, "Items", key, ""));
    for (std::string_view key : hintsKeys())
        ASSERT_TRUE(setVocabularyWord(w, "Hints", key, ""));
    EXPECT_FALSE(setVocabularyWord(w, "Items", "compass-p", "x"));
    EXPECT_FALSE(setVocabularyWord(w, "Credits", "food", "x"));
    cat.setVariants(msgFood, {"x"});
    cat.setVariants(msgYell, {"Hey!"});
    EXPECT_EQ(cat.itemName(13, false, true), "");

    cat.resetVocabulary();
    const Vocabulary built = builtinVocabulary();
    for (int code = 1; code <= 13; ++code) {
        EXPECT_EQ(w.items[code].singular, built.items[code].singular);
        EXPECT_EQ(w.items[code].article, built.items[code].article);
    }
    EXPECT_EQ(cat.itemName(13, false, true), "an open box");
    EXPECT_EQ(cat.itemName(12, false, true), "an empty box");
    EXPECT_EQ(cat.variants(msgFood), builtinVariants(msgFood));
    EXPECT_TRUE(cat.variants(msgYell).empty());
}

TEST(Vocabulary, OpenSetsTheOpenBoxItemAndToolsKeepOneWord) {
    Vocabulary w = builtinVocabulary();
    setVocabularyWord(w, "items", "OPEN", "ajar");
    setVocabularyWord(w, "Items", "gps", "locator");
    setVocabularyWord(w, "Hints", "power", "Juice.");
    settleVocabulary(w);
    EXPECT_EQ(w.openWord, "ajar");
    EXPECT_EQ(w.items[13].singular, "ajar");
    EXPECT_EQ(w.items[8].plural, "locator");
    EXPECT_EQ(w.items[2].hint, "Juice.");
    EXPECT_EQ(*vocabularyWord(w, "Items", "gps"), "locator");
    EXPECT_EQ(vocabularyWord(w, "Items", "nonsense"), nullptr);
}

} // namespace
} // namespace quorvel

// The message catalogue: token filling, item phrases and the draws it makes on the
// shared stream.

#include <array>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "game/random.h"
#include "theme/messages.h"

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

    EXPECT_EQ(cat.itemHint(1), "Food.");
    EXPECT_EQ(cat.itemHint(0), "");
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

// Every key's word and built-in variants, in list order, exactly as the game's texts
// are written: typos ("to big", "in you pocket"), double spaces
// and the trailing space are part of them.
struct WrittenKey {
    std::string_view keyword;
    std::vector<std::string> variants;
};
const std::array<WrittenKey, messageKeyCount>& writtenCatalogue() {
    static const std::array<WrittenKey, messageKeyCount> table = {{
        {"random", {}},
        {"food",
         {"You found <an-item>.", "OK <player>. You can always use more <items>.",
          "You got <an-item>."}},
        {"battery",
         {"Now you know where to find <an-item>, if you need to.",
          "<player>, You found <an-item> for your <light>.", "This <box> has <an-item> in it."}},
        {"gem5",
         {"<player>, It is a fine <item> indeed! (5 points)",
          "You know, <Items> are worth 5 points!", "<An-item>,  Very nice... (5 points)"}},
        {"gem3",
         {"Wow! This <Item> really shines. (3 points)", "Oh how it sparkles! (3 points)",
          "Whatever this <gem> is, it's worth 3 points."}},
        {"gem1",
         {"You found a precious <item>. (1 point)",
          "I really like the look of this <item>... (1 point)",
          "<An-item>. Hey I always wanted <an-item>. (1 point)"}},
        {"stone",
         {"<player>, You found <an-item>. (0 points)", "Great, it's just <an-item>. (0 points)",
          "You found <an-item> and threw it away. (0 points)"}},
        {"compass",
         {"Great job <player>. You found a handy <item>.", "North, South, East, West.  It works!.",
          "<player>, you won't get lost now."}},
        {"gps",
         {"You found <an-item>.", "OK <player>. Now you can see yourself.",
          "<Item>? What's that?  Oh well, I got one anyway.",
          "Great, now I can see myself walking in circles."}},
        {"beacon",
         {"The <item> is now yours.", "Wonderful <player>. Now you can see the exit.",
          "Like a lighthouse to a ship, the <item> is to you."}},
        {"tracker",
         {"You now have <an-item>.", "You may now keep track of where you have been.",
          "The <item> is a great thing to have."}},
        {"detector",
         {"The <item> is now in hand.", "Wow! So many <boxes>!", "<A-box> here. <A-box> there."}},
        {"empty",
         {"Odd... This <box> is empty.", "You searched the <box>, but found nothing.",
          "Sorry <player>.  There is nothing in this one."}},
        {"open", {}},
        {"map",
         {"There is a map on the wall here!", "Wow! I can see the whole maze now!",
          "Sorry <player>. You can't take it with you."}},
        {"foodtrap",
         {"You lose some <foods>!", "<player>, you are missing some of your <foods>!",
          "You just lost some <foods>."}},
        {"gemtrap",
         {"You lose some <gems>!", "Some of your <gems> fell through a hole in you pocket!",
          "<player>, you dropped some of your <gems>!"}},
        {"start",
         {"Start of new messages.....", "Let the messages begin.....",
          "<player>, do not forget to read your messages."}},
        {"lose",
         {"Sorry <player>. you ran out of <foods>.  You lose!!!",
          "You can't continue without <foods>. This game is over.",
          "Sorry, you lose. <player>, Please try again later."}},
        {"win",
         {"CONGRATULATIONS <PLAYER>!!! YOU WON!!!", "I WON! I WON! I WON!",
          "You did it <player>! The victory is now yours!"}},
        {"quit",
         {"I guess this maze was just to big. Please try again later.",
          "I guess it was just to hard for you.", "I knew I made this maze to hard."}},
        {"run",
         {"You start running.", "You feel the wind on your face as you take off running.",
          "Run! Run! Run!"}},
        {"stop",
         {"You ran into a wall.", "<player>, you crash hard into a wall and fall down!",
          "* * * You see stars after hitting the wall! * * * "}},
        {"blocked",
         {"<player>, There is a wall there!", "Sorry <player>. You can not go this way.",
          "Your head starts to hurt from hitting the wall."}},
        {"usebatt",
         {"You use <a-battery>, causing your <light> to shine brightly again.",
          "I can see clearly now.", "Your <light> brightens."}},
        {"hungry",
         {"Hurry <player>. You are running low on <foods>.",
          "You can not go without <foods> much longer.",
          "Where can I find <foods> when I need some?"}},
        {"starving",
         {"<player>, You must find <foods> now!", "You can not go without <foods> any longer!",
          "If you don't find <foods> now, it will be to late!"}},
        {"weakbatt",
         {"You're running low on <batteries> for your <light>!",
          "Your <light> is getting dim. You need <a-battery>!",
          "<player>, you need <batteries> soon."}},
        {"deadbatt",
         {"Without <batteries>, your <light> has gone out!",
          "Don't give up. You can find <batteries> all around.",
          "Hey! Who's the wise guy who turned out the lights?"}},
        {"hint",
         {"You get a strange feeling here.", "You feel as if you should be looking for something.",
          "To every thing, Turn, Turn, Turn."}},
        {"yell", {}},
        {"laugh", {}},
        {"cry", {}},
        {"jump", {}},
        {"dance", {}},
        {"exit", {}},
    }};
    return table;
}

TEST_F(Catalogue, BuiltInVariantsAreTheWrittenTextsAndAllFillCleanly) {
    const auto& written = writtenCatalogue();
    for (int key = 0; key < messageKeyCount; ++key) {
        const WrittenKey& k = written[static_cast<std::size_t>(key)];
        EXPECT_EQ(messageKeyword(key), k.keyword) << key;
        EXPECT_EQ(builtinVariants(key), k.variants) << k.keyword;
        EXPECT_EQ(cat.variants(key), k.variants) << k.keyword;
        for (const std::string& v : cat.variants(key))
            EXPECT_NE(cat.fillTokens(v, "player", -1), "") << v;
    }
    EXPECT_EQ(messageKeyword(36), "");
    EXPECT_EQ(messageKeyword(-1), "");
    EXPECT_TRUE(builtinVariants(36).empty());
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

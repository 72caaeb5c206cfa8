#include "theme/messages.h"

#include <optional>
#include <utility>

#include "game/random.h"
#include "text/gametext.h"
#include "text/textutil.h"

namespace quorvel {

namespace {

// Item codes of the Items keys named after an item.
struct ItemKey {
    std::string_view name;
    int code;
};
constexpr ItemKey itemKeyNames[] = {
    {"food", 1},    {"battery", 2}, {"gem5", 3},   {"gem3", 4},     {"gem1", 5},      {"stone", 6},
    {"compass", 7}, {"gps", 8},     {"beacon", 9}, {"tracker", 10}, {"detector", 11}, {"empty", 12},
};

constexpr bool isTool(int code) {
    return code >= 7 && code <= 11;
}

// Two parts of a phrase with one space between, or whichever is not empty.
std::string join(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + " " + b;
}

// Byte length of at most `count` characters of s from `from` (UTF-8 characters; a byte
// that does not continue a character starts one, so damaged text still counts).
std::size_t bytesOfChars(std::string_view s, std::size_t from, std::size_t count) {
    std::size_t i = from;
    std::size_t chars = 0;
    while (i < s.size()) {
        const bool starts = (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
        if (starts && chars++ == count) break;
        ++i;
    }
    return i - from;
}

// The first character in capitals (ASCII) and at most 255 further characters.
std::string capitalFirst(const std::string& s) {
    if (s.empty()) return s;
    const std::size_t first = bytesOfChars(s, 0, 1);
    return asciiUpper(s.substr(0, first)) + s.substr(first, bytesOfChars(s, first, 255));
}

// Writes the slot of a vocabulary key, or returns nullptr for an unknown key.
std::string* wordSlot(Vocabulary& w, std::string_view section, std::string_view key) {
    if (sameText(section, "Hints")) {
        if (sameText(key, "gem")) return &w.gemsHint;
        if (sameText(key, "power")) return &w.powerHint;
        if (sameText(key, "food")) return &w.items[msgFood].hint;
        for (const ItemKey& k : itemKeyNames)
            if (isTool(k.code) && sameText(key, k.name)) return &w.items[k.code].hint;
        return nullptr;
    }
    if (!sameText(section, "Items")) return nullptr;
    if (sameText(key, "light")) return &w.lightWord;
    struct General {
        std::string_view name;
        std::string *word, *plural, *article;
    };
    const General general[] = {
        {"box", &w.boxWord, &w.boxPlural, &w.boxArticle},
        {"gem", &w.gemWord, &w.gemPlural, &w.gemArticle},
        {"open", &w.openWord, &w.openPlural, &w.openArticle},
    };
    for (const General& g : general) {
        if (sameText(key, g.name)) return g.word;
        if (sameText(key, std::string(g.name) + "-p")) return g.plural;
        if (sameText(key, std::string(g.name) + "-a")) return g.article;
    }
    for (const ItemKey& k : itemKeyNames) {
        ItemWords& item = w.items[k.code];
        if (sameText(key, k.name)) return &item.singular;
        if (!isTool(k.code) && sameText(key, std::string(k.name) + "-p")) return &item.plural;
        if (sameText(key, std::string(k.name) + "-a")) return &item.article;
    }
    return nullptr;
}

} // namespace

std::vector<std::string> builtinVariants(int key) {
    switch (key) {
    case msgFood:
        return {
            gameText("quorvel::BuiltinTheme", "You found <an-item>."),
            gameText("quorvel::BuiltinTheme", "OK <player>. You can always use more <items>."),
            gameText("quorvel::BuiltinTheme", "You got <an-item>."),
        };
    case msgBattery:
        return {
            gameText("quorvel::BuiltinTheme", "Now you know where to find <an-item>, if you need to."),
            gameText("quorvel::BuiltinTheme", "<player>, You found <an-item> for your <light>."),
            gameText("quorvel::BuiltinTheme", "This <box> has <an-item> in it."),
        };
    case msgGem5:
        return {
            gameText("quorvel::BuiltinTheme", "<player>, It is a fine <item> indeed! (5 points)"),
            gameText("quorvel::BuiltinTheme", "You know, <Items> are worth 5 points!"),
            gameText("quorvel::BuiltinTheme", "<An-item>,  Very nice... (5 points)"),
        };
    case msgGem3:
        return {
            gameText("quorvel::BuiltinTheme", "Wow! This <Item> really shines. (3 points)"),
            gameText("quorvel::BuiltinTheme", "Oh how it sparkles! (3 points)"),
            gameText("quorvel::BuiltinTheme", "Whatever this <gem> is, it's worth 3 points."),
        };
    case msgGem1:
        return {
            gameText("quorvel::BuiltinTheme", "You found a precious <item>. (1 point)"),
            gameText("quorvel::BuiltinTheme", "I really like the look of this <item>... (1 point)"),
            gameText("quorvel::BuiltinTheme", "<An-item>. Hey I always wanted <an-item>. (1 point)"),
        };
    case msgStone:
        return {
            gameText("quorvel::BuiltinTheme", "<player>, You found <an-item>. (0 points)"),
            gameText("quorvel::BuiltinTheme", "Great, it's just <an-item>. (0 points)"),
            gameText("quorvel::BuiltinTheme", "You found <an-item> and threw it away. (0 points)"),
        };
    case msgCompass:
        return {
            gameText("quorvel::BuiltinTheme", "Great job <player>. You found a handy <item>."),
            gameText("quorvel::BuiltinTheme", "North, South, East, West.  It works!."),
            gameText("quorvel::BuiltinTheme", "<player>, you won't get lost now."),
        };
    case msgGps:
        return {
            gameText("quorvel::BuiltinTheme", "You found <an-item>."),
            gameText("quorvel::BuiltinTheme", "OK <player>. Now you can see yourself."),
            gameText("quorvel::BuiltinTheme", "<Item>? What's that?  Oh well, I got one anyway."),
            gameText("quorvel::BuiltinTheme", "Great, now I can see myself walking in circles."),
        };
    case msgBeacon:
        return {
            gameText("quorvel::BuiltinTheme", "The <item> is now yours."),
            gameText("quorvel::BuiltinTheme", "Wonderful <player>. Now you can see the exit."),
            gameText("quorvel::BuiltinTheme", "Like a lighthouse to a ship, the <item> is to you."),
        };
    case msgTracker:
        return {
            gameText("quorvel::BuiltinTheme", "You now have <an-item>."),
            gameText("quorvel::BuiltinTheme", "You may now keep track of where you have been."),
            gameText("quorvel::BuiltinTheme", "The <item> is a great thing to have."),
        };
    case msgDetector:
        return {
            gameText("quorvel::BuiltinTheme", "The <item> is now in hand."),
            gameText("quorvel::BuiltinTheme", "Wow! So many <boxes>!"),
            gameText("quorvel::BuiltinTheme", "<A-box> here. <A-box> there."),
        };
    case msgEmpty:
        return {
            gameText("quorvel::BuiltinTheme", "Odd... This <box> is empty."),
            gameText("quorvel::BuiltinTheme", "You searched the <box>, but found nothing."),
            gameText("quorvel::BuiltinTheme", "Sorry <player>.  There is nothing in this one."),
        };
    case msgWallMap:
        return {
            gameText("quorvel::BuiltinTheme", "There is a map on the wall here!"),
            gameText("quorvel::BuiltinTheme", "Wow! I can see the whole maze now!"),
            gameText("quorvel::BuiltinTheme", "Sorry <player>. You can't take it with you."),
        };
    case msgFoodTrap:
        return {
            gameText("quorvel::BuiltinTheme", "You lose some <foods>!"),
            gameText("quorvel::BuiltinTheme", "<player>, you are missing some of your <foods>!"),
            gameText("quorvel::BuiltinTheme", "You just lost some <foods>."),
        };
    case msgGemTrap:
        return {
            gameText("quorvel::BuiltinTheme", "You lose some <gems>!"),
            gameText("quorvel::BuiltinTheme", "Some of your <gems> fell through a hole in you pocket!"),
            gameText("quorvel::BuiltinTheme", "<player>, you dropped some of your <gems>!"),
        };
    case msgStart:
        return {
            gameText("quorvel::BuiltinTheme", "Start of new messages....."),
            gameText("quorvel::BuiltinTheme", "Let the messages begin....."),
            gameText("quorvel::BuiltinTheme", "<player>, do not forget to read your messages."),
        };
    case msgLose:
        return {
            gameText("quorvel::BuiltinTheme", "Sorry <player>. you ran out of <foods>.  You lose!!!"),
            gameText("quorvel::BuiltinTheme", "You can't continue without <foods>. This game is over."),
            gameText("quorvel::BuiltinTheme", "Sorry, you lose. <player>, Please try again later."),
        };
    case msgWin:
        return {
            gameText("quorvel::BuiltinTheme", "CONGRATULATIONS <PLAYER>!!! YOU WON!!!"),
            gameText("quorvel::BuiltinTheme", "I WON! I WON! I WON!"),
            gameText("quorvel::BuiltinTheme", "You did it <player>! The victory is now yours!"),
        };
    case msgQuit:
        return {
            gameText("quorvel::BuiltinTheme", "I guess this maze was just to big. Please try again later."),
            gameText("quorvel::BuiltinTheme", "I guess it was just to hard for you."),
            gameText("quorvel::BuiltinTheme", "I knew I made this maze to hard."),
        };
    case msgRun:
        return {
            gameText("quorvel::BuiltinTheme", "You start running."),
            gameText("quorvel::BuiltinTheme", "You feel the wind on your face as you take off running."),
            gameText("quorvel::BuiltinTheme", "Run! Run! Run!"),
        };
    case msgStop:
        return {
            gameText("quorvel::BuiltinTheme", "You ran into a wall."),
            gameText("quorvel::BuiltinTheme", "<player>, you crash hard into a wall and fall down!"),
            gameText("quorvel::BuiltinTheme", "* * * You see stars after hitting the wall! * * * "),
        };
    case msgBlocked:
        return {
            gameText("quorvel::BuiltinTheme", "<player>, There is a wall there!"),
            gameText("quorvel::BuiltinTheme", "Sorry <player>. You can not go this way."),
            gameText("quorvel::BuiltinTheme", "Your head starts to hurt from hitting the wall."),
        };
    case msgUseBatt:
        return {
            gameText("quorvel::BuiltinTheme", "You use <a-battery>, causing your <light> to shine brightly again."),
            gameText("quorvel::BuiltinTheme", "I can see clearly now."),
            gameText("quorvel::BuiltinTheme", "Your <light> brightens."),
        };
    case msgHungry:
        return {
            gameText("quorvel::BuiltinTheme", "Hurry <player>. You are running low on <foods>."),
            gameText("quorvel::BuiltinTheme", "You can not go without <foods> much longer."),
            gameText("quorvel::BuiltinTheme", "Where can I find <foods> when I need some?"),
        };
    case msgStarving:
        return {
            gameText("quorvel::BuiltinTheme", "<player>, You must find <foods> now!"),
            gameText("quorvel::BuiltinTheme", "You can not go without <foods> any longer!"),
            gameText("quorvel::BuiltinTheme", "If you don't find <foods> now, it will be to late!"),
        };
    case msgWeakBatt:
        return {
            gameText("quorvel::BuiltinTheme", "You're running low on <batteries> for your <light>!"),
            gameText("quorvel::BuiltinTheme", "Your <light> is getting dim. You need <a-battery>!"),
            gameText("quorvel::BuiltinTheme", "<player>, you need <batteries> soon."),
        };
    case msgDeadBatt:
        return {
            gameText("quorvel::BuiltinTheme", "Without <batteries>, your <light> has gone out!"),
            gameText("quorvel::BuiltinTheme", "Don't give up. You can find <batteries> all around."),
            gameText("quorvel::BuiltinTheme", "Hey! Who's the wise guy who turned out the lights?"),
        };
    case msgHint:
        return {
            gameText("quorvel::BuiltinTheme", "You get a strange feeling here."),
            gameText("quorvel::BuiltinTheme", "You feel as if you should be looking for something."),
            gameText("quorvel::BuiltinTheme", "To every thing, Turn, Turn, Turn."),
        };
    default: // random, open, yell, laugh, cry, jump, dance, exit: silent unless a theme speaks
        return {};
    }
}

Vocabulary builtinVocabulary() {
    Vocabulary w;
    w.items[msgFood] = {gameText("quorvel::BuiltinWords::food", "food"), gameText("quorvel::BuiltinWords::food", "food"), "", gameText("quorvel::BuiltinWords::food", "Food.")};
    w.items[msgBattery] = {gameText("quorvel::BuiltinWords::battery", "batteries"), gameText("quorvel::BuiltinWords::battery", "batteries"), "", gameText("quorvel::BuiltinWords::battery", "Power level.")};
    w.items[msgGem5] = {gameText("quorvel::BuiltinWords::gem5", "diamond"), gameText("quorvel::BuiltinWords::gem5", "diamonds"), gameText("quorvel::BuiltinWords::gem5", "a"), gameText("quorvel::BuiltinWords::gem5", "Stones.")};
    w.items[msgGem3] = {gameText("quorvel::BuiltinWords::gem3", "emerald"), gameText("quorvel::BuiltinWords::gem3", "emeralds"), gameText("quorvel::BuiltinWords::gem3", "an"), gameText("quorvel::BuiltinWords::gem3", "Stones.")};
    w.items[msgGem1] = {gameText("quorvel::BuiltinWords::gem1", "ruby"), gameText("quorvel::BuiltinWords::gem1", "rubies"), gameText("quorvel::BuiltinWords::gem1", "a"), gameText("quorvel::BuiltinWords::gem1", "Stones.")};
    w.items[msgStone] = {gameText("quorvel::BuiltinWords::stone", "worthless stone"), gameText("quorvel::BuiltinWords::stone", "worthless stones"), gameText("quorvel::BuiltinWords::stone", "a"), gameText("quorvel::BuiltinWords::stone", "Stones.")};
    w.items[msgCompass] = {gameText("quorvel::BuiltinWords::compass", "compass"), gameText("quorvel::BuiltinWords::compass", "compass"), gameText("quorvel::BuiltinWords::compass", "a"), gameText("quorvel::BuiltinWords::compass", "Compass.")};
    w.items[msgGps] = {gameText("quorvel::BuiltinWords::gps", "G.P.S."), gameText("quorvel::BuiltinWords::gps", "G.P.S."), gameText("quorvel::BuiltinWords::gps", "a"), gameText("quorvel::BuiltinWords::gps", "G.P.S.")};
    w.items[msgBeacon] = {gameText("quorvel::BuiltinWords::beacon", "beacon"), gameText("quorvel::BuiltinWords::beacon", "beacon"), gameText("quorvel::BuiltinWords::beacon", "a"), gameText("quorvel::BuiltinWords::beacon", "Beacon.")};
    w.items[msgTracker] = {gameText("quorvel::BuiltinWords::tracker", "tracker"), gameText("quorvel::BuiltinWords::tracker", "tracker"), gameText("quorvel::BuiltinWords::tracker", "a"), gameText("quorvel::BuiltinWords::tracker", "Tracker.")};
    w.items[msgDetector] = {gameText("quorvel::BuiltinWords::detector", "detector"), gameText("quorvel::BuiltinWords::detector", "detector"), gameText("quorvel::BuiltinWords::detector", "a"), gameText("quorvel::BuiltinWords::detector", "Detector.")};
    w.items[msgEmpty] = {gameText("quorvel::BuiltinWords::empty", "empty"), gameText("quorvel::BuiltinWords::empty", "empty"), gameText("quorvel::BuiltinWords::empty", "an"), ""};
    w.items[msgOpen] = {gameText("quorvel::BuiltinWords::open", "open"), gameText("quorvel::BuiltinWords::open", "open"), gameText("quorvel::BuiltinWords::open", "an"), ""};
    w.boxWord = gameText("quorvel::BuiltinWords::box", "box");
    w.boxPlural = gameText("quorvel::BuiltinWords::box", "boxes");
    w.boxArticle = gameText("quorvel::BuiltinWords::box", "a");
    w.gemWord = gameText("quorvel::BuiltinWords::gem", "stone");
    w.gemPlural = gameText("quorvel::BuiltinWords::gem", "stones");
    w.gemArticle = gameText("quorvel::BuiltinWords::gem", "a");
    w.openWord = gameText("quorvel::BuiltinWords::open", "open");
    w.openPlural = gameText("quorvel::BuiltinWords::open", "open");
    w.openArticle = gameText("quorvel::BuiltinWords::open", "an");
    w.lightWord = gameText("quorvel::BuiltinWords::light", "flashlight");
    w.powerHint = gameText("quorvel::BuiltinWords::power", "Power level.");
    w.gemsHint = gameText("quorvel::BuiltinWords::gem", "Stones.");
    return w;
}

const std::vector<std::string_view>& itemsKeys() {
    static const std::vector<std::string_view> keys = {
        "light",     "box",       "box-p",      "box-a",  "gem",     "gem-p",    "gem-a",
        "open",      "open-p",    "open-a",     "food",   "food-p",  "food-a",   "battery",
        "battery-p", "battery-a", "gem5",       "gem5-p", "gem5-a",  "gem3",     "gem3-p",
        "gem3-a",    "gem1",      "gem1-p",     "gem1-a", "stone",   "stone-p",  "stone-a",
        "compass",   "compass-a", "gps",        "gps-a",  "beacon",  "beacon-a", "tracker",
        "tracker-a", "detector",  "detector-a", "empty",  "empty-p", "empty-a",
    };
    return keys;
}

const std::vector<std::string_view>& hintsKeys() {
    static const std::vector<std::string_view> keys = {
        "gem", "power", "food", "compass", "gps", "beacon", "tracker", "detector",
    };
    return keys;
}

const std::string* vocabularyWord(const Vocabulary& words, std::string_view section,
                                  std::string_view key) {
    return wordSlot(const_cast<Vocabulary&>(words), section, key);
}

bool setVocabularyWord(Vocabulary& words, std::string_view section, std::string_view key,
                       const std::string& value) {
    std::string* slot = wordSlot(words, section, key);
    if (!slot) return false;
    *slot = value;
    if (slot == &words.openWord) words.items[13].singular = value;
    return true;
}

void settleVocabulary(Vocabulary& words) {
    for (int code = 7; code <= 11; ++code)
        words.items[code].plural = words.items[code].singular;
    words.items[2].hint = words.powerHint;
    for (int code = 3; code <= 6; ++code)
        words.items[code].hint = words.gemsHint;
}

MessageCatalogue::MessageCatalogue(Random& rng) : m_rng(rng) {
    resetVocabulary();
}

void MessageCatalogue::resetVocabulary() {
    m_words = builtinVocabulary();
    for (int key = 0; key < messageKeyCount; ++key)
        m_lists[key] = builtinVariants(key);
}

std::string MessageCatalogue::getMessage(int key, std::string_view player) {
    if (key < 0 || key >= messageKeyCount || m_lists[key].empty()) return {};
    const auto& list = m_lists[key];
    const std::uint32_t index = m_rng.rand(static_cast<std::uint32_t>(list.size()));
    return fillTokens(list[index], player, key);
}

std::string MessageCatalogue::randomMessage(int chance, std::string_view player) {
    // A chance below 1 still makes its draw (of 0), which never hits.
    const std::uint32_t n = chance > 0 ? static_cast<std::uint32_t>(chance) : 0;
    if (m_rng.rand(n) != 1) return {};
    return getMessage(msgRandom, player);
}

std::optional<std::string> MessageCatalogue::tokenValue(std::string_view lowerToken,
                                                        std::string_view player,
                                                        int itemCode) const {
    if (lowerToken == "<player>") return std::string(player);
    if (lowerToken == "<light>") return itemName(codeLight, false, false);
    struct Family {
        std::string_view single, plural, withArticle;
        int code;
    };
    const Family families[] = {
        {"<item>", "<items>", "<an-item>", itemCode},   {"<box>", "<boxes>", "<a-box>", codeBox},
        {"<food>", "<foods>", "<a-food>", 1},           {"<gem>", "<gems>", "<a-gem>", codeGem},
        {"<battery>", "<batteries>", "<a-battery>", 2},
    };
    for (const Family& f : families)
        if (lowerToken == f.single || lowerToken == f.plural || lowerToken == f.withArticle)
            return itemName(f.code, lowerToken == f.plural, lowerToken == f.withArticle);
    return std::nullopt;
}

std::string MessageCatalogue::fillTokens(std::string_view text, std::string_view player,
                                         int itemCode) const {
    // The filled text grows in `out` while `rest` holds what is still to be scanned,
    // so a "<" inside a theme word or a player's name is taken as text, the filling
    // always ends, and its cost stays in proportion to the text.
    std::string out;
    std::string rest(text);
    for (;;) {
        const std::size_t open = rest.find('<');
        if (open == std::string::npos) return out + rest;
        out.append(rest, 0, open);
        // At most 255 characters from the "<" on take part; the rest of the text is dropped.
        rest = rest.substr(open, bytesOfChars(rest, open, 255));
        const std::size_t close = rest.find('>');
        if (close == std::string::npos) return {}; // unclosed token: nothing to say
        const std::string token = rest.substr(0, close + 1);
        std::optional<std::string> value = tokenValue(asciiLower(token), player, itemCode);
        if (!value) return {}; // a token the game does not know: nothing to say

        if (token == asciiUpper(token))
            out += asciiUpper(*value);
        else if (!(token[1] >= 'a' && token[1] <= 'z'))
            out += capitalFirst(*value);
        else
            out += *value;
        rest.erase(0, close + 1);
    }
}

std::string MessageCatalogue::itemName(int code, bool plural, bool withArticle) const {
    const Vocabulary& w = m_words;
    auto phrase = [&](const std::string& pl, const std::string& article, const std::string& word) {
        if (plural) return pl;
        return withArticle ? join(article, word) : word;
    };
    if (code == 13 || code == codeOpenBox)
        return phrase(join(w.openPlural, w.boxPlural), w.openArticle, join(w.openWord, w.boxWord));
    if (code == 12) {
        const ItemWords& e = w.items[msgEmpty];
        return phrase(join(e.plural, w.boxPlural), e.article, join(e.singular, w.boxWord));
    }
    if (code == codeBox) return phrase(w.boxPlural, w.boxArticle, w.boxWord);
    if (code == codeGem) return phrase(w.gemPlural, w.gemArticle, w.gemWord);
    if (code == codeLight) return w.lightWord;
    if (code >= 1 && code <= 11) {
        const ItemWords& i = w.items[code];
        return phrase(i.plural, i.article, i.singular);
    }
    return phrase("unknown items", "an", "unknown item");
}

std::string MessageCatalogue::itemWord(int code, bool plural) const {
    const Vocabulary& w = m_words;
    if (code == codeOpenBox) return plural ? w.openPlural : w.openWord;
    if (code == codeBox) return plural ? w.boxPlural : w.boxWord;
    if (code == codeGem) return plural ? w.gemPlural : w.gemWord;
    if (code >= 1 && code <= 13) return plural ? w.items[code].plural : w.items[code].singular;
    return "unknown";
}

std::string MessageCatalogue::itemHint(int code) const {
    if (code == codePower || code == 2) return m_words.powerHint;
    if (code == codeGem || (code >= 3 && code <= 6)) return m_words.gemsHint;
    if (code == 1 || isTool(code)) return m_words.items[code].hint;
    return {};
}

const std::vector<std::string>& MessageCatalogue::variants(int key) const {
    static const std::vector<std::string> none;
    return key >= 0 && key < messageKeyCount ? m_lists[key] : none;
}

void MessageCatalogue::setVariants(int key, std::vector<std::string> variants) {
    if (key >= 0 && key < messageKeyCount) m_lists[key] = std::move(variants);
}

void MessageCatalogue::dropBadVariants(int key) {
    if (key < 0 || key >= messageKeyCount) return;
    auto& list = m_lists[key];
    std::erase_if(list, [&](const std::string& v) { return fillTokens(v, "player", -1).empty(); });
}

} // namespace quorvel

#include "theme/messages.h"

#include <optional>
#include <utility>

#include "game/random.h"
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
            "You found <an-item>.",
            "OK <player>. You can always use more <items>.",
            "You got <an-item>.",
        };
    case msgBattery:
        return {
            "Now you know where to find <an-item>, if you need to.",
            "<player>, You found <an-item> for your <light>.",
            "This <box> has <an-item> in it.",
        };
    case msgGem5:
        return {
            "<player>, It is a fine <item> indeed! (5 points)",
            "You know, <Items> are worth 5 points!",
            "<An-item>,  Very nice... (5 points)",
        };
    case msgGem3:
        return {
            "Wow! This <Item> really shines. (3 points)",
            "Oh how it sparkles! (3 points)",
            "Whatever this <gem> is, it's worth 3 points.",
        };
    case msgGem1:
        return {
            "You found a precious <item>. (1 point)",
            "I really like the look of this <item>... (1 point)",
            "<An-item>. Hey I always wanted <an-item>. (1 point)",
        };
    case msgStone:
        return {
            "<player>, You found <an-item>. (0 points)",
            "Great, it's just <an-item>. (0 points)",
            "You found <an-item> and threw it away. (0 points)",
        };
    case msgCompass:
        return {
            "Great job <player>. You found a handy <item>.",
            "North, South, East, West.  It works!.",
            "<player>, you won't get lost now.",
        };
    case msgGps:
        return {
            "You found <an-item>.",
            "OK <player>. Now you can see yourself.",
            "<Item>? What's that?  Oh well, I got one anyway.",
            "Great, now I can see myself walking in circles.",
        };
    case msgBeacon:
        return {
            "The <item> is now yours.",
            "Wonderful <player>. Now you can see the exit.",
            "Like a lighthouse to a ship, the <item> is to you.",
        };
    case msgTracker:
        return {
            "You now have <an-item>.",
            "You may now keep track of where you have been.",
            "The <item> is a great thing to have.",
        };
    case msgDetector:
        return {
            "The <item> is now in hand.",
            "Wow! So many <boxes>!",
            "<A-box> here. <A-box> there.",
        };
    case msgEmpty:
        return {
            "Odd... This <box> is empty.",
            "You searched the <box>, but found nothing.",
            "Sorry <player>.  There is nothing in this one.",
        };
    case msgWallMap:
        return {
            "There is a map on the wall here!",
            "Wow! I can see the whole maze now!",
            "Sorry <player>. You can't take it with you.",
        };
    case msgFoodTrap:
        return {
            "You lose some <foods>!",
            "<player>, you are missing some of your <foods>!",
            "You just lost some <foods>.",
        };
    case msgGemTrap:
        return {
            "You lose some <gems>!",
            "Some of your <gems> fell through a hole in you pocket!",
            "<player>, you dropped some of your <gems>!",
        };
    case msgStart:
        return {
            "Start of new messages.....",
            "Let the messages begin.....",
            "<player>, do not forget to read your messages.",
        };
    case msgLose:
        return {
            "Sorry <player>. you ran out of <foods>.  You lose!!!",
            "You can't continue without <foods>. This game is over.",
            "Sorry, you lose. <player>, Please try again later.",
        };
    case msgWin:
        return {
            "CONGRATULATIONS <PLAYER>!!! YOU WON!!!",
            "I WON! I WON! I WON!",
            "You did it <player>! The victory is now yours!",
        };
    case msgQuit:
        return {
            "I guess this maze was just to big. Please try again later.",
            "I guess it was just to hard for you.",
            "I knew I made this maze to hard.",
        };
    case msgRun:
        return {
            "You start running.",
            "You feel the wind on your face as you take off running.",
            "Run! Run! Run!",
        };
    case msgStop:
        return {
            "You ran into a wall.",
            "<player>, you crash hard into a wall and fall down!",
            "* * * You see stars after hitting the wall! * * * ",
        };
    case msgBlocked:
        return {
            "<player>, There is a wall there!",
            "Sorry <player>. You can not go this way.",
            "Your head starts to hurt from hitting the wall.",
        };
    case msgUseBatt:
        return {
            "You use <a-battery>, causing your <light> to shine brightly again.",
            "I can see clearly now.",
            "Your <light> brightens.",
        };
    case msgHungry:
        return {
            "Hurry <player>. You are running low on <foods>.",
            "You can not go without <foods> much longer.",
            "Where can I find <foods> when I need some?",
        };
    case msgStarving:
        return {
            "<player>, You must find <foods> now!",
            "You can not go without <foods> any longer!",
            "If you don't find <foods> now, it will be to late!",
        };
    case msgWeakBatt:
        return {
            "You're running low on <batteries> for your <light>!",
            "Your <light> is getting dim. You need <a-battery>!",
            "<player>, you need <batteries> soon.",
        };
    case msgDeadBatt:
        return {
            "Without <batteries>, your <light> has gone out!",
            "Don't give up. You can find <batteries> all around.",
            "Hey! Who's the wise guy who turned out the lights?",
        };
    case msgHint:
        return {
            "You get a strange feeling here.",
            "You feel as if you should be looking for something.",
            "To every thing, Turn, Turn, Turn.",
        };
    default: // random, open, yell, laugh, cry, jump, dance, exit: silent unless a theme speaks
        return {};
    }
}

Vocabulary builtinVocabulary() {
    Vocabulary w;
    w.items[msgFood] = {"food", "food", "", "Food."};
    w.items[msgBattery] = {"batteries", "batteries", "", "Power level."};
    w.items[msgGem5] = {"diamond", "diamonds", "a", "Stones."};
    w.items[msgGem3] = {"emerald", "emeralds", "an", "Stones."};
    w.items[msgGem1] = {"ruby", "rubies", "a", "Stones."};
    w.items[msgStone] = {"worthless stone", "worthless stones", "a", "Stones."};
    w.items[msgCompass] = {"compass", "compass", "a", "Compass."};
    w.items[msgGps] = {"G.P.S.", "G.P.S.", "a", "G.P.S."};
    w.items[msgBeacon] = {"beacon", "beacon", "a", "Beacon."};
    w.items[msgTracker] = {"tracker", "tracker", "a", "Tracker."};
    w.items[msgDetector] = {"detector", "detector", "a", "Detector."};
    w.items[msgEmpty] = {"empty", "empty", "an", ""};
    w.items[msgOpen] = {"open", "open", "an", ""};
    w.boxWord = "box";
    w.boxPlural = "boxes";
    w.boxArticle = "a";
    w.gemWord = "stone";
    w.gemPlural = "stones";
    w.gemArticle = "a";
    w.openWord = "open";
    w.openPlural = "open";
    w.openArticle = "an";
    w.lightWord = "flashlight";
    w.powerHint = "Power level.";
    w.gemsHint = "Stones.";
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

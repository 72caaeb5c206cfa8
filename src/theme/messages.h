#pragma once
// The message catalogue: every sentence the game says during play. 36 keys, each a
// list of interchangeable variants written with tokens such as "<player>" or
// "<an-item>", and the vocabulary of item words the tokens are filled from. A theme
// replaces both (themes.h); resetvocabulary brings back the built-in ones.
// Plain C++: no Qt, no files.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class Random;

/// Number of message keys; keys are 0..35.
constexpr int messagekeycount = 36;

/// The message keys. Keys 1 to 13 double as item codes for the item words.
enum MessageKey : int {
    msgrandom = 0,
    msgfood = 1,
    msgbattery = 2,
    msggem5 = 3,
    msggem3 = 4,
    msggem1 = 5,
    msgstone = 6,
    msgcompass = 7,
    msggps = 8,
    msgbeacon = 9,
    msgtracker = 10,
    msgdetector = 11,
    msgempty = 12,
    msgopen = 13,
    msgmap = 14,
    msgfoodtrap = 15,
    msggemtrap = 16,
    msgstart = 17,
    msglose = 18,
    msgwin = 19,
    msgquit = 20,
    msgrun = 21,
    msgstop = 22,
    msgblocked = 23,
    msgusebatt = 24,
    msghungry = 25,
    msgstarving = 26,
    msgweakbatt = 27,
    msgdeadbatt = 28,
    msghint = 29,
    msgyell = 30,
    msglaugh = 31,
    msgcry = 32,
    msgjump = 33,
    msgdance = 34,
    msgexit = 35,
};

/// Item codes of the word operations: 1..13 are the item codes (the keys above); these
/// stand for the general words.
constexpr int codeopenbox = -2; ///< the open box (same as 13 in itemname)
constexpr int codebox = -3;
constexpr int codegem = -4;
constexpr int codepower = -5; ///< hints only
constexpr int codelight = -6;

/// The key word of a key (also the name of a theme's variant file, without ".txt");
/// empty outside 0..35.
std::string_view keyword(int key);

/// The built-in variants of a key, in list order; empty for silent keys and outside 0..35.
std::vector<std::string> builtinvariants(int key);

/// Words of one item code.
struct ItemWords {
    std::string singular;
    std::string plural;
    std::string article; ///< empty: no article is written
    std::string hint;    ///< hover caption of its item-panel picture
};

/// The vocabulary the tokens are filled from.
struct Vocabulary {
    std::array<ItemWords, 14> items; ///< indexed by item code 1..13; [0] unused
    std::string boxword, boxplural, boxarticle;
    std::string gemword, gemplural, gemarticle;
    std::string openword, openplural, openarticle;
    std::string lightword;
    std::string powerhint; ///< caption of the light (power) picture
    std::string gemshint;  ///< caption of the gems picture
};

/// The built-in vocabulary.
Vocabulary builtinvocabulary();

/// The keys of a theme's vocabulary file, section "Items", in the order a theme
/// author reads them.
const std::vector<std::string_view>& itemskeys();
/// The keys of section "Hints".
const std::vector<std::string_view>& hintskeys();

/// The word a vocabulary key of section "Items" or "Hints" stands for (for "open",
/// the open word), or nullptr for a key the game does not know.
const std::string* vocabularyword(const Vocabulary& words, std::string_view section,
                                  std::string_view key);
/// Sets that word; "open" also sets the singular of item 13. False for an unknown key.
bool setvocabularyword(Vocabulary& words, std::string_view section, std::string_view key,
                       const std::string& value);
/// The rules that hold after every theme load: the tools' plurals equal their
/// singulars, item 2 takes the power caption and items 3 to 6 the gems caption.
void settlevocabulary(Vocabulary& words);

class MessageCatalogue {
  public:
    /// The catalogue draws its variants from the game's one shared stream. It starts
    /// with the built-in variants and words.
    explicit MessageCatalogue(Random& rng);

    /// Restores every word, article, caption and variant list to its built-in value.
    void resetvocabulary();

    /// One filled variant of the key for the player (item code = key), drawing one
    /// number from the shared stream; empty when the key is outside 0..35 or its list is
    /// empty (no draw then), or when the drawn variant does not fill cleanly.
    std::string getmessage(int key, std::string_view player);
    /// Draws rand(chance); a draw of exactly 1 gives getmessage(0, player), else empty.
    std::string randommessage(int chance, std::string_view player);

    /// Fills the tokens of text; empty when any token is unknown or unclosed. Always
    /// ends: a replacement (a theme word, the player's name) is never scanned again.
    std::string filltokens(std::string_view text, std::string_view player, int itemcode) const;

    /// An item phrase: plural wins over the article.
    std::string itemname(int code, bool plural, bool witharticle) const;
    /// The bare word of an item (statistics captions): no article, no box word.
    std::string itemword(int code, bool plural) const;
    /// The hover caption of an item-panel picture; empty for codes without one.
    std::string itemhint(int code) const;

    const std::vector<std::string>& variants(int key) const;
    /// Replaces a key's list; ignored outside 0..35.
    void setvariants(int key, std::vector<std::string> variants);
    /// Deletes the variants of a key that fill to nothing (empty lines, unknown or
    /// unclosed tokens), as a theme load does.
    void dropbadvariants(int key);

    Vocabulary& vocabulary() { return m_words; }
    const Vocabulary& vocabulary() const { return m_words; }

  private:
    /// The replacement of a token written in lower case; nothing for an unknown token.
    std::optional<std::string> tokenvalue(std::string_view lowertoken, std::string_view player,
                                          int itemcode) const;

    Random& m_rng;
    std::array<std::vector<std::string>, messagekeycount> m_lists;
    Vocabulary m_words;
};

} // namespace quorvel

#pragma once
// The message catalogue: every sentence the game says during play. 36 keys, each a
// list of interchangeable variants written with tokens such as "<player>" or
// "<an-item>", and the vocabulary of item words the tokens are filled from. A theme
// replaces both (themes.h); resetVocabulary brings back the built-in ones.
// Plain C++: no Qt, no files.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/message.h"

namespace quorvel {

class Random;

/// Item codes of the word operations: 1..13 are the item codes (the keys above); these
/// stand for the general words.
constexpr int codeOpenBox = -2; ///< the open box (same as 13 in itemName)
constexpr int codeBox = -3;
constexpr int codeGem = -4;
constexpr int codePower = -5; ///< hints only
constexpr int codeLight = -6;

/// The built-in variants of a key, in list order; empty for silent keys and outside 0..35.
std::vector<std::string> builtinVariants(int key);

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
    std::string boxWord, boxPlural, boxArticle;
    std::string gemWord, gemPlural, gemArticle;
    std::string openWord, openPlural, openArticle;
    std::string lightWord;
    std::string powerHint; ///< caption of the light (power) picture
    std::string gemsHint;  ///< caption of the gems picture
};

/// The built-in vocabulary.
Vocabulary builtinVocabulary();

/// The keys of a theme's vocabulary file, section "Items", in the order a theme
/// author reads them.
const std::vector<std::string_view>& itemsKeys();
/// The keys of section "Hints".
const std::vector<std::string_view>& hintsKeys();

/// The word a vocabulary key of section "Items" or "Hints" stands for (for "open",
/// the open word), or nullptr for a key the game does not know.
const std::string* vocabularyWord(const Vocabulary& words, std::string_view section,
                                  std::string_view key);
/// Sets that word; "open" also sets the singular of item 13. False for an unknown key.
bool setVocabularyWord(Vocabulary& words, std::string_view section, std::string_view key,
                       const std::string& value);
/// The rules that hold after every theme load: the tools' plurals equal their
/// singulars, item 2 takes the power caption and items 3 to 6 the gems caption.
void settleVocabulary(Vocabulary& words);

class MessageCatalogue {
  public:
    /// The catalogue draws its variants from the game's one shared stream. It starts
    /// with the built-in variants and words.
    explicit MessageCatalogue(Random& rng);

    /// Restores every word, article, caption and variant list to its built-in value.
    void resetVocabulary();

    /// One filled variant of the key for the player (item code = key), drawing one
    /// number from the shared stream; empty when the key is outside 0..35 or its list is
    /// empty (no draw then), or when the drawn variant does not fill cleanly.
    std::string getMessage(int key, std::string_view player);
    /// Draws rand(chance); a draw of exactly 1 gives getMessage(0, player), else empty.
    std::string randomMessage(int chance, std::string_view player);

    /// Fills the tokens of text; empty when any token is unknown or unclosed. Always
    /// ends: a replacement (a theme word, the player's name) is never scanned again.
    std::string fillTokens(std::string_view text, std::string_view player, int itemCode) const;

    /// An item phrase: plural wins over the article.
    std::string itemName(int code, bool plural, bool withArticle) const;
    /// The bare word of an item (statistics captions): no article, no box word.
    std::string itemWord(int code, bool plural) const;
    /// The hover caption of an item-panel picture; empty for codes without one.
    std::string itemHint(int code) const;

    const std::vector<std::string>& variants(int key) const;
    /// Replaces a key's list; ignored outside 0..35.
    void setVariants(int key, std::vector<std::string> variants);
    /// Deletes the variants of a key that fill to nothing (empty lines, unknown or
    /// unclosed tokens), as a theme load does.
    void dropBadVariants(int key);

    Vocabulary& vocabulary() { return m_words; }
    const Vocabulary& vocabulary() const { return m_words; }

  private:
    /// The replacement of a token written in lower case; nothing for an unknown token.
    std::optional<std::string> tokenValue(std::string_view lowerToken, std::string_view player,
                                          int itemCode) const;

    Random& m_rng;
    std::array<std::vector<std::string>, messageKeyCount> m_lists;
    Vocabulary m_words;
};

} // namespace quorvel

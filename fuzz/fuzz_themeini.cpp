// A theme's theme.ini on any bytes, as a theme load takes it: its words replace the
// built-in ones, and every message, item name and caption is made with them. Theme
// words may hold "<", so a word must never be taken for a token.

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "game/random.h"
#include "text/textcodec.h"
#include "theme/messages.h"
#include "theme/theme.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    FuzzedDataProvider in(data, size);
    const std::uint32_t seed = in.ConsumeIntegral<std::uint32_t>();
    const std::string bytes = in.ConsumeRemainingBytesAsString();
    const std::optional<std::string> text = themeText(bytes);
    if (!text) return 0;

    Random rng(seed);
    MessageCatalogue catalogue(rng);
    Vocabulary& words = catalogue.vocabulary();
    setThemeWords(words, IniFile::parse(*text));
    settleVocabulary(words);

    std::size_t longestWord = 0;
    for (const std::string_view k : itemsKeys())
        if (const std::string* w = vocabularyWord(words, "Items", k)) {
            if (!validUtf8(*w)) std::abort();
            longestWord = std::max(longestWord, w->size());
        }
    for (int key = 0; key < messageKeyCount; ++key) {
        for (const std::string& variant : catalogue.variants(key)) {
            const std::string filled = catalogue.fillTokens(variant, "Ann", key);
            // Each token of a built-in variant gives at most a phrase of a few words.
            if (filled.size() > variant.size() * (4 * longestWord + 16)) std::abort();
        }
        catalogue.getMessage(key, "Ann");
    }
    for (int code = -1; code <= 256; ++code) {
        catalogue.itemName(code, code % 2 == 0, code % 3 == 0);
        catalogue.itemWord(code, code % 2 == 1);
        catalogue.itemHint(code);
    }
    return 0;
}

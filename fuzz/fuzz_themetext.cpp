// A theme's message variant file (key word + ".txt") on any bytes, as a theme load
// takes it: decoded to text or refused, cut into lines, the lines that do not fill
// cleanly dropped, and the rest drawn and filled for a player whose name is hostile too.

#include <algorithm>
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
    const int key = in.ConsumeIntegralInRange(0, messageKeyCount - 1);
    const std::uint32_t seed = in.ConsumeIntegral<std::uint32_t>();
    const std::string player = in.ConsumeRandomLengthString(30);
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    const std::optional<std::string> text = themeText(bytes);
    if (!text) return 0;
    if (!validUtf8(*text) || text->find('\0') != std::string::npos) std::abort();
    // One variant a line: every line break (CRLF, LF or a lone CR) ends one, and a last
    // line needs none.
    std::vector<std::string> lines = themeTextLines(*text);
    const auto lf = static_cast<std::size_t>(std::count(text->begin(), text->end(), '\n'));
    const auto cr = static_cast<std::size_t>(std::count(text->begin(), text->end(), '\r'));
    std::size_t crlf = 0; // each CRLF is one break
    for (std::size_t at = text->find("\r\n"); at != std::string::npos;
         at = text->find("\r\n", at + 2))
        ++crlf;
    const bool endsInBreak = !text->empty() && (text->back() == '\n' || text->back() == '\r');
    if (lines.size() != lf + cr - crlf + (text->empty() || endsInBreak ? 0 : 1)) std::abort();
    for (const std::string& line : lines)
        if (line.find_first_of("\r\n") != std::string::npos) std::abort();

    Random rng(seed);
    MessageCatalogue catalogue(rng);
    catalogue.setVariants(key, std::move(lines));
    catalogue.dropBadVariants(key);
    for (const std::string& variant : catalogue.variants(key))
        if (catalogue.fillTokens(variant, "player", -1).empty()) std::abort();
    for (int i = 0; i < 8; ++i)
        catalogue.getMessage(key, player);
    catalogue.randomMessage(2, player);
    return 0;
}

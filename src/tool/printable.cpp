#include <cstdio>

#include "text/textcodec.h"
#include "tool/command.h"

namespace quorvel::tool {

std::string printable(std::string_view text) {
    std::string out;
    const auto escape = [&](std::string_view bytes) {
        for (const unsigned char b : bytes) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const std::string_view one = text.substr(i, n);
        if (!validUtf8(one)) { // a byte of no character: alone
            escape(text.substr(i, 1));
            ++i;
            continue;
        }
        // C0 and C1 controls and DEL, which a terminal takes as commands.
        const bool control = lead < 0x20 || lead == 0x7F ||
                             (lead == 0xC2 && static_cast<unsigned char>(one[1]) < 0xA0);
        if (control)
            escape(one);
        else if (lead == '\\')
            out += "\\\\";
        else
            out += one;
        i += n;
    }
    return out;
}

} // namespace quorvel::tool

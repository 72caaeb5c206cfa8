#include "text/gametext.h"

namespace quorvel {

namespace {

GameTextLookup installedLookup = nullptr;

} // namespace

void setGameTextLookup(GameTextLookup lookup) {
    installedLookup = lookup;
}

std::string gameText(const char* context, const char* text) {
    return installedLookup ? installedLookup(context, text) : std::string(text);
}

std::string fillIn(std::string_view form, std::initializer_list<std::string_view> values) {
    std::string out;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const std::size_t n = i + 1 < form.size() ? std::size_t(form[i + 1] - '1') : values.size();
        if (form[i] == '%' && n < values.size() && n < 9) {
            out += values.begin()[n];
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

} // namespace quorvel

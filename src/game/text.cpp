#include "text.h"

namespace quorvel {

static char lowerchar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
static char upperchar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string asciilower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = lowerchar(c);
    return out;
}

std::string asciiupper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = upperchar(c);
    return out;
}

bool sametext(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerchar(a[i]) != lowerchar(b[i])) return false;
    return true;
}

} // namespace quorvel

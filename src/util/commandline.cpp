#include "commandline.h"

#include "textutil.h"

namespace quorvel {

namespace {

std::string& kept() {
    static std::string value;
    return value;
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string normalise(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args)
        line += " " + a;
    line = trimText(line);
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i] == '-' || line[i] == '/') {
            line[i] = '/';
            line[i + 1] = upper(line[i + 1]);
        }
    }
    return line;
}

} // namespace

const std::string& readCommandLine(const std::vector<std::string>& args) {
    kept() = normalise(args);
    return kept();
}

const std::string& commandline() {
    return kept();
}

std::string getSwitch(char letter) {
    return getSwitch(kept(), letter);
}

std::string getSwitch(std::string_view line, char letter) {
    if (line.empty()) return {};
    const std::string mark{'/', upper(letter)};
    const std::size_t at = line.find(mark);
    if (at == std::string_view::npos) return {};
    std::string_view value = line.substr(at + 2);
    // At most 255 characters, counted in whole characters of the UTF-8 text.
    std::size_t bytes = 0;
    for (std::size_t chars = 0; bytes < value.size(); ++bytes) {
        if ((static_cast<unsigned char>(value[bytes]) & 0xC0) != 0x80 && chars++ == 255) break;
    }
    value = value.substr(0, bytes);
    value = value.substr(0, value.find('/'));
    return decodeSwitch(value);
}

std::string decodeSwitch(std::string_view text) {
    const std::string t = trimText(text);
    std::string out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '%') {
            out += t[i];
            continue;
        }
        if (++i == t.size()) break; // a "%" at the very end is dropped
        switch (t[i]) {
        case 'b': out += ' '; break;
        case 'q': out += '"'; break;
        case 'p': out += '%'; break;
        case 'd': out += '-'; break;
        case 's': out += '/'; break;
        default: break; // unknown codes yield nothing
        }
    }
    return out;
}

} // namespace quorvel

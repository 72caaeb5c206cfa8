#include "text/textutil.h"

#include "text/version.h"

namespace quorvel {

namespace {

char lowerChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char upperChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte length of the first n characters of s (all of s when shorter).
std::size_t prefixBytes(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k) {
        ++i;
        while (i < s.size() && isContinuation(s[i]))
            ++i;
    }
    return i;
}

} // namespace

std::size_t charcount(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        n += isContinuation(c) ? 0 : 1;
    return n;
}

std::string trimText(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return std::string(s);
}

void addSentence(std::string& sentences, std::string_view piece) {
    const std::string sentence = trimText(piece);
    if (sentence.empty()) return;
    if (!sentences.empty()) sentences += ' ';
    sentences += sentence;
    const char last = sentence.back();
    if (last != '.' && last != '!' && last != '?' && last != ':') sentences += '.';
}

std::string joinSentences(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (const std::string_view piece : pieces)
        addSentence(out, piece);
    return out;
}

std::string joinWords(std::string_view a, std::string_view b) {
    std::string out(a);
    if (!a.empty() && !b.empty()) out += ' ';
    out += b;
    return out;
}

std::string capitalise(std::string_view s) {
    if (s.empty()) return {};
    std::string out(s.substr(0, prefixBytes(s, 256)));
    if (out[0] >= 'a' && out[0] <= 'z') out[0] = static_cast<char>(out[0] - 'a' + 'A');
    return out;
}

std::string padLeft(std::string_view s, char ch, int width) {
    const std::size_t have = charcount(s);
    std::string out;
    if (width > 0 && have < static_cast<std::size_t>(width))
        out.assign(static_cast<std::size_t>(width) - have, ch);
    out += s;
    return out;
}

std::string zeroPad(std::string_view s, int width) {
    return padLeft(s, '0', width);
}

std::string pluralWord(std::string_view single, std::string_view plural, long long count) {
    return std::string(count == 1 ? single : plural);
}

std::string versionText(int major, int minor) {
    std::string text = zeroPad(std::to_string(minor), 2);
    if (text.back() == '0') text.pop_back();
    return std::to_string(major) + "." + text;
}

std::string versionText() {
    return versionText(versionMajor, versionMinor);
}

std::string asciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = lowerChar(c);
    return out;
}

std::string asciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = upperChar(c);
    return out;
}

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i])) return false;
    return true;
}

} // namespace quorvel

#include "text/textcodec.h"

#include <algorithm>

namespace quorvel {

bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t n = 0;
        char32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1, cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2, cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size()) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t cp1252Char(unsigned char byte) {
    // Windows-1252 differs from Latin-1 only in 0x80..0x9F.
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte;
}

std::string fromCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (const char ch : s)
        appendUtf8(out, cp1252Char(static_cast<unsigned char>(ch)));
    return out;
}

std::optional<std::string> toCp1252(std::string_view utf8) {
    if (!validUtf8(utf8)) return std::nullopt;
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t n = charBytes(utf8.substr(i), 1);
        char32_t cp = static_cast<unsigned char>(utf8[i]);
        if (n > 1) {
            cp &= 0x3Fu >> (n - 1); // the lead byte's own bits: 5, 4 or 3 of them
            for (std::size_t k = 1; k < n; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += n;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        bool found = false;
        for (unsigned byte = 0x80; byte < 0xA0 && !found; ++byte)
            if (cp1252Char(static_cast<unsigned char>(byte)) == cp) {
                out += static_cast<char>(byte);
                found = true;
            }
        if (!found) return std::nullopt;
    }
    return out;
}

namespace {

// The UTF-16 code unit at byte i.
char32_t utf16Unit(std::string_view s, std::size_t i, bool bigEndian) {
    const auto a = static_cast<unsigned char>(s[i]), b = static_cast<unsigned char>(s[i + 1]);
    return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
}

// True when every code unit is a character of text (tab, CR and LF the only control
// characters) or half of a whole surrogate pair.
bool readsAsUtf16Text(std::string_view s, bool bigEndian) {
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        const char32_t unit = utf16Unit(s, i, bigEndian);
        if (unit >= 0xDC00 && unit <= 0xDFFF) return false; // a second half on its own
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 3 >= s.size()) return false;
            const char32_t low = utf16Unit(s, i + 2, bigEndian);
            if (low < 0xDC00 || low > 0xDFFF) return false;
            i += 2;
            continue;
        }
        if ((unit < 0x20 && unit != U'\t' && unit != U'\n' && unit != U'\r') || unit == 0x7F ||
            unit == 0xFFFE || unit == 0xFFFF)
            return false;
    }
    return true;
}

// The byte order of UTF-16 text without a byte-order mark: true for big end first,
// false for little; nothing when the bytes are no such text. At least one character in
// eight must be one of the first 256 (a NUL high byte): line ends and the ASCII of
// keys and tokens give that, while a stray NUL in a longer file never does.
std::optional<bool> unmarkedUtf16(std::string_view s) {
    if (s.size() < 2 || s.size() % 2 != 0) return std::nullopt;
    std::size_t highFirst = 0, highSecond = 0; // NULs where each order has its high byte
    for (std::size_t i = 0; i < s.size(); i += 2) {
        highFirst += s[i] == '\0';
        highSecond += s[i + 1] == '\0';
    }
    if (highFirst == highSecond) return std::nullopt; // none at all, or no order stands out
    const bool bigEndian = highFirst > highSecond;
    if (std::max(highFirst, highSecond) * 8 < s.size() / 2) return std::nullopt;
    if (!readsAsUtf16Text(s, bigEndian)) return std::nullopt;
    return bigEndian;
}

} // namespace

std::string fromUtf16(std::string_view s, bool bigEndian) {
    std::string out;
    auto unit = [&](std::size_t i) { return utf16Unit(s, i, bigEndian); };
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < s.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
        appendUtf8(out, cp);
    }
    return out;
}

std::string decodePiece(std::string_view bytes) {
    return validUtf8(bytes) ? std::string(bytes) : fromCp1252(bytes);
}

std::string decodeText(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return fromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return fromUtf16(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (validUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    while (!bytes.empty()) {
        const LineBreak br = findLineBreak(bytes);
        out += decodePiece(bytes.substr(0, br.at + br.size));
        bytes.remove_prefix(br.at + br.size);
    }
    return out;
}

std::string decodeReadOnlyText(std::string_view bytes) {
    const bool marked = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    if (!marked && bytes.find('\0') != std::string_view::npos)
        if (const std::optional<bool> bigEndian = unmarkedUtf16(bytes))
            return fromUtf16(bytes, *bigEndian);
    return decodeText(bytes);
}

LineBreak findLineBreak(std::string_view text, std::size_t from) {
    const std::size_t at = std::min(text.find_first_of("\r\n", from), text.size());
    if (at == text.size()) return {at, 0};
    return {at, text.substr(at, 2) == "\r\n" ? std::size_t{2} : std::size_t{1}};
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        const LineBreak br = findLineBreak(text, from);
        lines.push_back(text.substr(from, br.at - from));
        from = br.at + br.size;
    }
    return lines;
}

std::size_t charBytes(std::string_view utf8, std::size_t chars) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < chars && i < utf8.size(); ++k) {
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

std::string_view cutChars(std::string_view utf8, std::size_t chars) {
    return utf8.substr(0, charBytes(utf8, chars));
}

std::string_view cutBytes(std::string_view utf8, std::size_t bytes) {
    if (utf8.size() <= bytes) return utf8;
    std::size_t n = bytes;
    while (n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80)
        --n;
    return utf8.substr(0, n);
}

} // namespace quorvel

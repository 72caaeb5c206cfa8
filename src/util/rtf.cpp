#include "rtf.h"

#include "filereader.h"
#include "textcodec.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

// A Windows-1252 byte's character; its five unassigned bytes give nothing.
char32_t fromCp1252(unsigned char byte) {
    const char32_t c = cp1252Char(byte);
    return c >= 0x80 && c < 0xA0 ? 0 : c;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isdigit(char c) {
    return c >= '0' && c <= '9';
}
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Each run and paragraph counts against the output budget as well as its text, so
// a file of nothing but formatting changes or paragraph marks stays small too.
constexpr std::size_t runCost = 128;
constexpr std::size_t paragraphCost = 32;
// Control words longer than this are not words the reader knows.
constexpr std::size_t maxWordLength = 32;
// Numeric parameters saturate here (RTF's own are 16- or 32-bit).
constexpr long long maxParam = 1'000'000'000;
// A fallback count (\ucN) beyond this is taken as this.
constexpr int maxFallback = 16;

struct CharFormat {
    bool bold = false, italic = false, underline = false, strike = false;
    int halfPoints = 24;
    int colour = 0;    ///< colour-table index, 0 = automatic
    int highlight = 0; ///< colour-table index, 0 = none
};

enum class Destination { text, skip, colourTable };

struct GroupState {
    CharFormat chr;
    RtfAlign align = RtfAlign::left;
    Destination dest = Destination::text;
    int fallback = 1; ///< characters after \uN that stand in for it (\ucN)
};

struct ColourEntry {
    bool set = false;
    RtfColour colour;
};

bool isSkippedDestination(std::string_view w) {
    static constexpr std::string_view skipped[] = {
        "fonttbl",   "stylesheet",   "info",
        "pict",      "object",       "objdata",
        "header",    "headerl",      "headerr",
        "headerf",   "footer",       "footerl",
        "footerr",   "footerf",      "fldinst",
        "footnote",  "annotation",   "atnid",
        "atnauthor", "xe",           "tc",
        "txe",       "rxe",          "bkmkstart",
        "bkmkend",   "listtable",    "listoverridetable",
        "revtbl",    "rsidtbl",      "generator",
        "filetbl",   "themedata",    "colorschememapping",
        "datastore", "latentstyles", "xmlnstbl",
        "pgdsctbl",  "nonshppict",   "shpinst",
        "sp",        "sn",           "sv",
        "pn",        "userprops",    "docvar",
        "template",  "falt",         "panose",
        "leveltext", "levelnumbers", "blipuid",
        "picprop",   "mmathPr",      "wgrffmtfilter",
        "fchars",    "lchars",       "printim",
        "buptim",    "creatim",      "revtim"};
    return std::find(std::begin(skipped), std::end(skipped), w) != std::end(skipped);
}

bool isUnderlineWord(std::string_view w) {
    static constexpr std::string_view words[] = {
        "ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
        "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
        "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};
    return std::find(std::begin(words), std::end(words), w) != std::end(words);
}

char32_t specialCharacter(std::string_view w) {
    struct Named {
        std::string_view word;
        char32_t cp;
    };
    static constexpr Named named[] = {
        {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"enspace", 0x2002},
        {"emspace", 0x2003}, {"qmspace", 0x2005},   {"tab", U'\t'},        {"line", U'\n'},
        {"cell", U'\t'}};
    for (const Named& n : named)
        if (n.word == w) return n.cp;
    return 0;
}

class Reader {
  public:
    explicit Reader(std::string_view in) : m_in(in.substr(0, std::min(in.size(), rtfMaxInput))) {
        m_doc.truncated = in.size() > rtfMaxInput;
        m_stack.emplace_back();
    }

    RtfDocument run() {
        while (m_pos < m_in.size() && !m_full)
            step();
        dropPendingHigh();
        if (m_stack.size() > 1 || m_overflow > 0) m_doc.damaged = true;
        endParagraph(/*atEnd=*/true);
        return std::move(m_doc);
    }

  private:
    void step() {
        const char c = m_in[m_pos];
        if (c == '{') {
            ++m_pos;
            opengroup();
        } else if (c == '}') {
            ++m_pos;
            closeGroup();
        } else if (c == '\\') {
            control();
        } else {
            ++m_pos;
            if (c == '\r' || c == '\n' || c == '\0') return;
            if (m_skip > 0) {
                --m_skip;
                return;
            }
            textByte(static_cast<unsigned char>(c));
        }
    }

    GroupState& top() { return m_stack.back(); }

    void opengroup() {
        m_skip = 0;
        if (m_overflow > 0 || static_cast<int>(m_stack.size()) > rtfMaxDepth) {
            ++m_overflow;
            return;
        }
        m_stack.push_back(m_stack.back());
    }

    void closeGroup() {
        m_skip = 0;
        if (m_overflow > 0) {
            --m_overflow;
        } else if (m_stack.size() > 1) {
            if (top().dest == Destination::colourTable) finishColourTable();
            m_stack.pop_back();
        } else {
            m_doc.damaged = true; // a "}" without its "{": ignored
        }
    }

    void control() {
        ++m_pos; // the backslash
        if (m_pos >= m_in.size()) {
            m_doc.damaged = true;
            return;
        }
        const char c = m_in[m_pos];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        if (c == '\'') {
            hexEscape();
            return;
        }
        if (m_skip > 0) { // a control symbol stands for one fallback character
            --m_skip;
            return;
        }
        switch (c) {
        case '*':
            // Marks a destination that a reader may skip; every one this reader
            // would want to keep has its own word.
            top().dest = Destination::skip;
            break;
        case '\\':
        case '{':
        case '}': textByte(static_cast<unsigned char>(c)); break;
        case '~': emit(0x00A0); break;
        case '_': emit(U'-'); break;
        case '\n':
        case '\r': paragraph(); break;
        case '\t': emit(U'\t'); break;
        default: break; // \-, \:, \| and other symbols have nothing to show
        }
    }

    void hexEscape() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_in.size()) {
            const int h = hexValue(m_in[m_pos]);
            if (h < 0) break;
            value = value * 16 + h;
            ++digits;
            ++m_pos;
        }
        if (digits < 2) {
            m_doc.damaged = true; // a cut-off \'h: nothing to show
            if (m_skip > 0) --m_skip;
            return;
        }
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        textByte(static_cast<unsigned char>(value));
    }

    void controlWord() {
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        std::string_view word = m_in.substr(start, m_pos - start);
        if (word.size() > maxWordLength) word = {}; // no word of ours
        bool hasParam = false;
        bool negative = false;
        long long value = 0;
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isdigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_in.size() && isdigit(m_in[m_pos])) {
            hasParam = true;
            value = std::min(maxParam, value * 10 + (m_in[m_pos] - '0'));
            ++m_pos;
        }
        if (negative) value = -value;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos; // the delimiter
        if (word == "bin") { // raw bytes follow, in any destination
            const auto count = static_cast<std::size_t>(std::max(0LL, value));
            m_pos += std::min(count, m_in.size() - m_pos);
            return;
        }
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        word_(word, hasParam, static_cast<int>(value));
    }

    void word_(std::string_view w, bool hasParam, int value) {
        GroupState& g = top();
        CharFormat& f = g.chr;
        const bool on = !hasParam || value != 0;
        if (g.dest == Destination::skip) return; // nothing inside is read
        if (w == "colortbl") {
            g.dest = Destination::colourTable;
            m_colours.clear();
            m_entry = {};
            m_entryHasValue = false;
        } else if (isSkippedDestination(w)) {
            g.dest = Destination::skip;
        } else if (g.dest == Destination::colourTable) {
            colourWord(w, value);
        } else if (w == "par" || w == "page" || w == "sect" || w == "row") {
            paragraph();
        } else if (const char32_t cp = specialCharacter(w)) {
            emit(cp);
        } else if (w == "u") {
            unicode(value);
        } else if (w == "uc") {
            g.fallback = std::clamp(value, 0, maxFallback);
        } else if (w == "pard") {
            g.align = RtfAlign::left;
        } else if (w == "ql") {
            g.align = RtfAlign::left;
        } else if (w == "qc") {
            g.align = RtfAlign::centre;
        } else if (w == "qr") {
            g.align = RtfAlign::right;
        } else if (w == "qj") {
            g.align = RtfAlign::justify;
        } else if (w == "plain") {
            f = CharFormat{};
        } else if (w == "b") {
            f.bold = on;
        } else if (w == "i") {
            f.italic = on;
        } else if (w == "strike" || w == "striked") {
            f.strike = on;
        } else if (isUnderlineWord(w)) {
            f.underline = on;
        } else if (w == "ulnone") {
            f.underline = false;
        } else if (w == "fs") {
            f.halfPoints = hasParam ? std::clamp(value, 1, 3276) : 24;
        } else if (w == "cf") {
            f.colour = std::max(0, value);
        } else if (w == "highlight" || w == "cb") {
            f.highlight = std::max(0, value);
        }
        // Everything else (fonts, spacing, page layout, ...) has no effect here.
    }

    void colourWord(std::string_view w, int value) {
        const auto component = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
        if (w == "red")
            m_entry.red = component;
        else if (w == "green")
            m_entry.green = component;
        else if (w == "blue")
            m_entry.blue = component;
        else
            return;
        m_entryHasValue = true;
    }

    void finishColourTable() {
        // A last entry without its ";" still counts.
        if (m_entryHasValue) colourEntry();
    }

    void colourEntry() {
        if (m_colours.size() < rtfMaxColours) m_colours.push_back({m_entryHasValue, m_entry});
        m_entry = {};
        m_entryHasValue = false;
    }

    void unicode(int value) {
        m_skip = top().fallback;
        if (value < 0) value += 65536;
        if (value < 0 || value > 0xFFFF) {
            emit(0xFFFD);
            return;
        }
        const auto cp = static_cast<char32_t>(value);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            dropPendingHigh();
            m_pendingHigh = cp;
            return;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF) {
            if (!m_pendingHigh) {
                emit(0xFFFD);
                return;
            }
            const char32_t full = 0x10000 + ((m_pendingHigh - 0xD800) << 10) + (cp - 0xDC00);
            m_pendingHigh = 0;
            emit(full);
            return;
        }
        emit(cp);
    }

    void textByte(unsigned char byte) {
        const GroupState& g = top();
        if (g.dest == Destination::colourTable) {
            if (byte == ';') colourEntry();
            return;
        }
        if (g.dest != Destination::text) return;
        emit(fromCp1252(byte));
    }

    // A first half of a surrogate pair without its second half shows as U+FFFD.
    void dropPendingHigh() {
        if (!m_pendingHigh) return;
        m_pendingHigh = 0;
        emit(0xFFFD);
    }

    // Adds one character to the current paragraph with the current formatting.
    void emit(char32_t cp) {
        if (top().dest != Destination::text) return;
        dropPendingHigh();
        if (cp == 0 || (cp < 0x20 && cp != U'\t' && cp != U'\n') || cp == 0x7F ||
            (cp >= 0x80 && cp < 0xA0))
            return;
        RtfRun run = formatted();
        std::vector<RtfRun>& runs = m_current.runs;
        const bool same = !runs.empty() && sameFormat(runs.back(), run);
        if (!same && !spend(runCost)) return;
        std::string bytes;
        appendUtf8(bytes, cp);
        if (!spend(bytes.size())) return;
        if (!same) runs.push_back(std::move(run));
        runs.back().text += bytes;
    }

    RtfRun formatted() const {
        const CharFormat& f = m_stack.back().chr;
        RtfRun r;
        r.bold = f.bold;
        r.italic = f.italic;
        r.underline = f.underline;
        r.strike = f.strike;
        r.halfPoints = f.halfPoints;
        if (f.colour > 0 && static_cast<std::size_t>(f.colour) < m_colours.size() &&
            m_colours[f.colour].set) {
            r.hasColour = true;
            r.colour = m_colours[f.colour].colour;
        }
        if (f.highlight > 0 && static_cast<std::size_t>(f.highlight) < m_colours.size() &&
            m_colours[f.highlight].set) {
            r.hasHighlight = true;
            r.highlight = m_colours[f.highlight].colour;
        }
        return r;
    }

    static bool sameFormat(const RtfRun& a, const RtfRun& b) {
        return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
               a.strike == b.strike && a.halfPoints == b.halfPoints && a.hasColour == b.hasColour &&
               (!a.hasColour || a.colour == b.colour) && a.hasHighlight == b.hasHighlight &&
               (!a.hasHighlight || a.highlight == b.highlight);
    }

    // Takes cost from the output budget; false (and reading stops) when it is spent.
    bool spend(std::size_t cost) {
        if (m_used + cost > rtfMaxText) {
            m_doc.truncated = true;
            m_full = true;
            return false;
        }
        m_used += cost;
        return true;
    }

    void paragraph() {
        if (top().dest != Destination::text) return;
        endParagraph(false);
    }

    void endParagraph(bool atEnd) {
        if (atEnd && m_current.runs.empty()) return; // no text after the last \par
        if (!atEnd && !spend(paragraphCost)) return;
        m_current.align = top().align;
        m_doc.paragraphs.push_back(std::move(m_current));
        m_current = {};
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    std::vector<GroupState> m_stack; ///< [0]: outside every group
    int m_overflow = 0;              ///< open groups beyond rtfMaxDepth
    int m_skip = 0;                  ///< fallback characters still to skip after \uN
    char32_t m_pendingHigh = 0;      ///< first half of a surrogate pair
    std::vector<ColourEntry> m_colours;
    RtfColour m_entry;
    bool m_entryHasValue = false;
    std::size_t m_used = 0;
    bool m_full = false;
    RtfParagraph m_current;
    RtfDocument m_doc;
};

RtfDocument plainTextDocument(std::string_view bytes) {
    RtfDocument doc;
    if (bytes.size() > rtfMaxInput) {
        bytes = bytes.substr(0, rtfMaxInput);
        doc.truncated = true;
    }
    const bool utf8 = validUtf8(bytes);
    std::size_t used = 0;
    RtfParagraph para;
    std::string text;
    auto flush = [&] {
        if (!text.empty()) {
            RtfRun run;
            run.text = std::move(text);
            para.runs.push_back(std::move(run));
        }
        doc.paragraphs.push_back(std::move(para));
        para = {};
        text.clear();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (used > rtfMaxText) {
            doc.truncated = true;
            break;
        }
        if (b == '\n') {
            flush();
            used += paragraphCost;
        } else if (b == '\t' || b >= 0x20) {
            if (b != 0x7F) {
                if (utf8 || b < 0x80)
                    text += static_cast<char>(b);
                else if (const char32_t cp = fromCp1252(b); cp >= 0xA0)
                    appendUtf8(text, cp);
            }
            ++used;
        }
    }
    if (!text.empty()) flush();
    return doc;
}

std::string_view withoutBomAndBlanks(std::string_view s) {
    if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
    while (!s.empty() &&
           (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n'))
        s.remove_prefix(1);
    return s;
}

void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br/>"; break;
        default: out += c;
        }
    }
}

std::string hexColour(const RtfColour& c) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string s = "#";
    for (const std::uint8_t v : {c.red, c.green, c.blue}) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

std::string pointSize(int halfPoints) {
    // Shown between 4 and 72 points, however large or small the file asks for.
    const int h = std::clamp(halfPoints, 8, 144);
    return std::to_string(h / 2) + (h % 2 ? ".5pt" : "pt");
}

} // namespace

std::string RtfDocument::plaintext() const {
    std::string out;
    for (std::size_t p = 0; p < paragraphs.size(); ++p) {
        if (p > 0) out += '\n';
        for (const RtfRun& run : paragraphs[p].runs)
            out += run.text;
    }
    return out;
}

RtfDocument parseRtf(std::string_view bytes) {
    const std::string_view body = withoutBomAndBlanks(bytes);
    if (body.substr(0, 5) != "{\\rtf") return plainTextDocument(bytes);
    return Reader(body).run();
}

std::string rtfToHtml(const RtfDocument& document) {
    std::string out = "<html><body>";
    for (const RtfParagraph& p : document.paragraphs) {
        out += "<p style=\"margin-top:0; margin-bottom:0; white-space:pre-wrap;";
        switch (p.align) {
        case RtfAlign::left: break;
        case RtfAlign::centre: out += " text-align:center;"; break;
        case RtfAlign::right: out += " text-align:right;"; break;
        case RtfAlign::justify: out += " text-align:justify;"; break;
        }
        out += "\">";
        if (p.runs.empty()) out += "&nbsp;";
        for (const RtfRun& r : p.runs) {
            out += "<span style=\"font-size:" + pointSize(r.halfPoints) + ";";
            if (r.bold) out += " font-weight:700;";
            if (r.italic) out += " font-style:italic;";
            if (r.underline || r.strike) {
                out += " text-decoration:";
                if (r.underline) out += " underline";
                if (r.strike) out += " line-through";
                out += ";";
            }
            if (r.hasColour) out += " color:" + hexColour(r.colour) + ";";
            if (r.hasHighlight) out += " background-color:" + hexColour(r.highlight) + ";";
            out += "\">";
            appendEscaped(out, r.text);
            out += "</span>";
        }
        out += "</p>";
    }
    out += "</body></html>";
    return out;
}

bool readRtfFile(const std::string& path, std::string& bytes) {
    // One byte more than is read tells the reader that the file is longer.
    return readFileStart(path, rtfMaxInput + 1, bytes) == FileRead::ok;
}

} // namespace quorvel

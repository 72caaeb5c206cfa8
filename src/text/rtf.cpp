#include "text/rtf.h"

#include "text/textcodec.h"

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
bool isDigit(char c) {
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
// Each table cell counts against the output budget too.
constexpr std::size_t cellCost = 64;
// A picture's wanted size is taken up to this many twips (22 inches).
constexpr int maxGoal = 31680;
// A picture's scale is taken between these percentages.
constexpr int minScale = 1, maxScale = 1000;
// Control words longer than this are not words the reader knows.
constexpr std::size_t maxWordLength = 32;
// Numeric parameters saturate here (RTF's own are 16- or 32-bit).
constexpr long long maxParam = 1'000'000'000;
// A fallback count (\ucN) beyond this is taken as this.
constexpr int maxFallback = 16;

struct CharFormat {
    bool bold = false, italic = false, underline = false, strike = false;
    RtfBaseline baseline = RtfBaseline::normal;
    int halfPoints = 24;
    int colour = 0;    ///< colour-table index, 0 = automatic
    int highlight = 0; ///< colour-table index, 0 = none
};

enum class Destination { text, skip, colourTable, picture };

struct GroupState {
    CharFormat chr;
    RtfAlign align = RtfAlign::left;
    int leftIndent = 0;  ///< twips (\li)
    int firstIndent = 0; ///< twips (\fi), from the left indent
    Destination dest = Destination::text;
    int fallback = 1;     ///< characters after \uN that stand in for it (\ucN)
    bool inTable = false; ///< the paragraph belongs to a table cell (\intbl, \itapN)
};

// One cell of the row definition (\trowd ... \cellx): where it ends and how its
// text stands in it.
struct CellDefinition {
    int rightEdge = 0;
    RtfVerticalAlign verticalAlign = RtfVerticalAlign::top;
    bool mergedUp = false;   ///< \clvmrg: part of the cell above
    bool mergedLeft = false; ///< \clmrg: part of the cell before it
};

// The picture being read: its kind, size and the data so far.
struct PictureState {
    bool open = false;
    std::size_t level = 0; ///< the group depth of its \pict group
    enum class Kind { none, png, jpeg, other } kind = Kind::none;
    RtfPicture picture;
    int nibble = -1;      ///< a first hex digit waiting for its second
    bool refused = false; ///< too many, too large or bad data: left out
};

struct ColourEntry {
    bool set = false;
    RtfColour colour;
};

bool isSkippedDestination(std::string_view w) {
    static constexpr std::string_view skipped[] = {
        "fonttbl",      "stylesheet",   "info",
        "nonesttables", "object",       "objdata",
        "header",       "headerl",      "headerr",
        "headerf",      "footer",       "footerl",
        "footerr",      "footerf",      "fldinst",
        "ftnsep",       "ftnsepc",      "ftncn",
        "aftnsep",      "aftnsepc",     "aftncn",
        "annotation",   "atnid",        "atnauthor",
        "atrfstart",    "xe",           "tc",
        "txe",          "rxe",          "bkmkstart",
        "bkmkend",      "listtable",    "listoverridetable",
        "revtbl",       "rsidtbl",      "generator",
        "filetbl",      "themedata",    "colorschememapping",
        "datastore",    "latentstyles", "xmlnstbl",
        "pgdsctbl",     "nonshppict",   "shpinst",
        "sp",           "sn",           "sv",
        "pn",           "userprops",    "docvar",
        "template",     "falt",         "panose",
        "leveltext",    "levelnumbers", "blipuid",
        "picprop",      "mmathPr",      "wgrffmtfilter",
        "fchars",       "lchars",       "printim",
        "buptim",       "creatim",      "revtim"};
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
        {"nestcell", U'\t'}};
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
        if (m_noteLevel > 0) finishNote(); // a file cut off inside a footnote
        dropPendingHigh();
        if (m_stack.size() > 1 || m_overflow > 0) m_doc.damaged = true;
        if (m_picture.open) m_doc.damaged = true; // a picture cut off: left out
        // Text after the last cell mark of a file cut off inside a table is a cell too.
        if (!m_current.runs.empty() && tableOpen() && (top().inTable || !m_row.cells.empty()))
            endParagraphIn(m_cell.paragraphs);
        finishTable();
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
            if (top().dest == Destination::picture) {
                pictureDigit(c);
                return;
            }
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
            if (m_picture.open && m_stack.size() == m_picture.level) finishPicture();
            if (m_noteLevel > 0 && m_stack.size() == m_noteLevel) finishNote();
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
            // Marks a destination that a reader may skip. The one this reader keeps,
            // a picture's preferred form (\*\shppict), is let in again by its word.
            top().dest = Destination::skip;
            m_starEnd = m_pos;
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
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            hasParam = true;
            value = std::min(maxParam, value * 10 + (m_in[m_pos] - '0'));
            ++m_pos;
        }
        if (negative) value = -value;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos; // the delimiter
        if (word == "bin") { // raw bytes follow, in any destination
            const auto count =
                std::min(static_cast<std::size_t>(std::max(0LL, value)), m_in.size() - m_pos);
            if (top().dest == Destination::picture) pictureBytes(m_in.substr(m_pos, count));
            m_pos += count;
            return;
        }
        const bool afterStar = start == m_starEnd + 1;
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        applyWord(word, hasParam, static_cast<int>(value), afterStar);
    }

    void applyWord(std::string_view w, bool hasParam, int value, bool afterStar) {
        GroupState& g = top();
        CharFormat& f = g.chr;
        const bool on = !hasParam || value != 0;
        // Two \* destinations are read: a picture's preferred form and a footnote.
        if (afterStar && (w == "shppict" || w == "footnote") && m_stack.size() > 1)
            g.dest = m_stack[m_stack.size() - 2].dest; // read as its group would be
        if (g.dest == Destination::skip) return;       // nothing inside is read
        if (w == "colortbl") {
            g.dest = Destination::colourTable;
            m_colours.clear();
            m_entry = {};
            m_entryHasValue = false;
        } else if (w == "pict") {
            startPicture();
        } else if (w == "footnote") {
            startNote();
        } else if (isSkippedDestination(w)) {
            g.dest = Destination::skip;
        } else if (g.dest == Destination::picture) {
            pictureWord(w, value);
        } else if (g.dest == Destination::colourTable) {
            colourWord(w, value);
        } else if (w == "par" || w == "page" || w == "sect" || w == "nestrow") {
            paragraph();
        } else if (w == "cell") {
            tableCell();
        } else if (w == "row") {
            tableRow();
        } else if (tableWord(w, value)) {
            // a table's layout
        } else if (const char32_t cp = specialCharacter(w)) {
            emit(cp);
        } else if (w == "chftn") {
            noteNumber();
        } else if (w == "u") {
            unicode(value);
        } else if (w == "uc") {
            g.fallback = std::clamp(value, 0, maxFallback);
        } else if (w == "pard") {
            g.align = RtfAlign::left;
            g.leftIndent = 0;
            g.firstIndent = 0;
            g.inTable = false;
        } else if (w == "li" || w == "lin") { // \lin: the same for text read left to right
            g.leftIndent = std::clamp(value, -rtfMaxIndent, rtfMaxIndent);
        } else if (w == "fi") {
            g.firstIndent = std::clamp(value, -rtfMaxIndent, rtfMaxIndent);
        } else if (w == "intbl") {
            g.inTable = true;
        } else if (w == "itap") {
            g.inTable = value > 0;
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
        } else if (w == "super" || w == "sub" || w == "nosupersub" || w == "up" || w == "dn") {
            f.baseline = baseline(w, hasParam ? value : 1);
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
        if (g.dest == Destination::picture) { // an escape inside picture data
            refusePicture(true);
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
        r.baseline = f.baseline;
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
        return a.picture < 0 && b.picture < 0 && a.bold == b.bold && a.italic == b.italic &&
               a.underline == b.underline && a.strike == b.strike && a.baseline == b.baseline &&
               a.halfPoints == b.halfPoints && a.hasColour == b.hasColour &&
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

    // The paragraph being ended takes the paragraph formatting in force at its mark.
    void takeParagraphFormat() {
        m_current.align = top().align;
        m_current.leftIndent = top().leftIndent;
        m_current.firstIndent = top().firstIndent;
    }

    void paragraph() {
        if (top().dest != Destination::text) return;
        if (m_noteLevel > 0) {
            endParagraphIn(m_doc.notes);
            return;
        }
        if (top().inTable && !m_cellsFull) {
            endParagraphIn(m_cell.paragraphs);
            return;
        }
        finishTable(); // a paragraph outside the table ends it
        endParagraph(false);
    }

    // ---- tables ------------------------------------------------------------------

    // The layout words of a table row; false for any other word.
    bool tableWord(std::string_view w, int value) {
        if (m_noteLevel > 0) return false; // a table in a note is read as text
        if (w == "trowd") {
            m_rowDefinition.clear();
            m_rowBorders = false;
            m_borderPending = false;
            m_nextCell = {};
        } else if (w == "cellx") {
            m_nextCell.rightEdge = std::max(0, value);
            if (m_rowDefinition.size() < rtfMaxRowCells) m_rowDefinition.push_back(m_nextCell);
            m_nextCell = {};
        } else if (w == "clvmrg") {
            m_nextCell.mergedUp = true;
        } else if (w == "clmrg") {
            m_nextCell.mergedLeft = true;
        } else if (w == "clvmgf" || w == "clmgf") {
            // the first of merged cells: laid out as any other
        } else if (w == "clvertalt") {
            m_nextCell.verticalAlign = RtfVerticalAlign::top;
        } else if (w == "clvertalc") {
            m_nextCell.verticalAlign = RtfVerticalAlign::centre;
        } else if (w == "clvertalb") {
            m_nextCell.verticalAlign = RtfVerticalAlign::bottom;
        } else if (w.starts_with("clbrdr") || w.starts_with("trbrdr")) {
            m_borderPending = true; // its style follows
        } else if (w.starts_with("brdr")) {
            if (w == "brdrnil" || w == "brdrnone")
                m_borderPending = false;
            else if (w != "brdrw" && w != "brdrcf" && m_borderPending)
                m_rowBorders = true;
        } else {
            return false;
        }
        return true;
    }

    bool tableOpen() const {
        return !m_table.rows.empty() || !m_row.cells.empty() || !m_cell.paragraphs.empty();
    }

    // A paragraph mark inside a cell or a note: the paragraph joins it.
    void endParagraphIn(std::vector<RtfParagraph>& paragraphs) {
        dropPendingHigh();
        if (!spend(paragraphCost)) return;
        takeParagraphFormat();
        paragraphs.push_back(std::move(m_current));
        m_current = {};
    }

    void tableCell() {
        if (top().dest != Destination::text) return;
        if (m_cellsFull ||
            m_noteLevel > 0) { // beyond the cap, or in a note, a cell is text and a tab
            emit(U'\t');
            return;
        }
        if (m_cellCount >= rtfMaxCells) { // from here on tables are read as plain text
            m_cellsFull = true;
            m_doc.truncated = true;
            std::vector<RtfParagraph> loose = std::move(m_cell.paragraphs);
            m_cell = {};
            finishTable();
            for (RtfParagraph& p : loose)
                m_doc.paragraphs.push_back(std::move(p));
            emit(U'\t');
            return;
        }
        dropPendingHigh();
        if (!spend(cellCost)) return;
        ++m_cellCount;
        if (!m_current.runs.empty() || m_cell.paragraphs.empty()) {
            takeParagraphFormat();
            m_cell.paragraphs.push_back(std::move(m_current));
            m_current = {};
        }
        addCellToRow();
    }

    void addCellToRow() {
        if (m_row.cells.size() < rtfMaxRowCells) {
            m_row.cells.push_back(std::move(m_cell));
        } else { // too many cells: the rest join the last one
            m_doc.truncated = true;
            auto& last = m_row.cells.back().paragraphs;
            for (RtfParagraph& p : m_cell.paragraphs)
                last.push_back(std::move(p));
        }
        m_cell = {};
    }

    void tableRow() {
        if (top().dest != Destination::text) return;
        if (m_cellsFull || m_noteLevel > 0) {
            paragraph();
            return;
        }
        // Text after the row's last \cell makes one more cell.
        if (!m_current.runs.empty() || !m_cell.paragraphs.empty()) tableCell();
        finishRow();
    }

    void finishRow() {
        if (m_row.cells.empty()) return;
        std::vector<RtfCell> cells;
        for (std::size_t i = 0; i < m_row.cells.size(); ++i) {
            RtfCell& cell = m_row.cells[i];
            const CellDefinition defined =
                i < m_rowDefinition.size() ? m_rowDefinition[i] : CellDefinition{};
            cell.rightEdge = defined.rightEdge;
            cell.verticalAlign = defined.verticalAlign;
            cell.mergedUp = defined.mergedUp;
            if (!defined.mergedLeft || cells.empty()) {
                cells.push_back(std::move(cell));
                continue;
            }
            // A cell merged into the one before it widens that one; its text (a merged
            // cell's is usually empty) joins it.
            RtfCell& before = cells.back();
            before.rightEdge = std::max(before.rightEdge, cell.rightEdge);
            for (RtfParagraph& p : cell.paragraphs)
                if (!p.runs.empty()) before.paragraphs.push_back(std::move(p));
        }
        m_row.cells = std::move(cells);
        m_row.borders = m_rowBorders;
        m_table.rows.push_back(std::move(m_row));
        m_row = {};
    }

    // The table read so far takes its place among the paragraphs. Cells and rows that
    // were never closed make its last row.
    void finishTable() {
        if (!m_cell.paragraphs.empty()) addCellToRow();
        finishRow();
        if (m_table.rows.empty()) return;
        m_doc.tables.push_back(std::move(m_table));
        m_table = {};
        RtfParagraph holder;
        holder.table = static_cast<int>(m_doc.tables.size() - 1);
        m_doc.paragraphs.push_back(std::move(holder));
    }

    // ---- pictures ----------------------------------------------------------------

    void startPicture() {
        GroupState& g = top();
        if (g.dest != Destination::text || m_picture.open) {
            g.dest = Destination::skip; // a picture inside anything else is not shown
            return;
        }
        g.dest = Destination::picture;
        m_picture = {};
        m_picture.open = true;
        m_picture.level = m_stack.size();
        if (m_doc.pictures.size() >= rtfMaxPictures) {
            m_picture.refused = true;
            m_doc.truncated = true;
        }
    }

    void pictureWord(std::string_view w, int value) {
        PictureState& p = m_picture;
        if (w == "pngblip") {
            p.kind = PictureState::Kind::png;
        } else if (w == "jpegblip") {
            p.kind = PictureState::Kind::jpeg;
        } else if (w == "emfblip" || w == "wmetafile" || w == "macpict" || w == "pmmetafile" ||
                   w == "dibitmap" || w == "wbitmap") {
            p.kind = PictureState::Kind::other;
        } else if (w == "picwgoal") {
            p.picture.goalWidth = std::clamp(value, 0, maxGoal);
        } else if (w == "pichgoal") {
            p.picture.goalHeight = std::clamp(value, 0, maxGoal);
        } else if (w == "picscalex") {
            p.picture.scaleX = value > 0 ? std::clamp(value, minScale, maxScale) : 100;
        } else if (w == "picscaley") {
            p.picture.scaleY = value > 0 ? std::clamp(value, minScale, maxScale) : 100;
        }
    }

    // One character of the picture's hex data; blanks between digits are allowed.
    void pictureDigit(char c) {
        if (m_picture.refused || c == ' ' || c == '\t') return;
        const int h = hexValue(c);
        if (h < 0) {
            refusePicture(true);
            return;
        }
        if (m_picture.nibble < 0) {
            m_picture.nibble = h;
            return;
        }
        const char byte = static_cast<char>(m_picture.nibble * 16 + h);
        pictureBytes(std::string_view(&byte, 1));
        m_picture.nibble = -1;
    }

    // Picture data, decoded from hex or raw (\bin); a picture past its cap is left out.
    void pictureBytes(std::string_view bytes) {
        if (m_picture.refused) return;
        std::string& data = m_picture.picture.bytes;
        if (data.size() + bytes.size() > rtfMaxPictureBytes) {
            m_doc.truncated = true;
            refusePicture(false);
            return;
        }
        data.append(bytes);
    }

    void refusePicture(bool badData) {
        if (badData) m_doc.damaged = true;
        m_picture.refused = true;
        m_picture.picture.bytes = std::string(); // its memory goes at once
    }

    // The picture's group closes: a PNG or JPEG picture with data that starts like one
    // takes its place in the paragraph; anything else is left out.
    void finishPicture() {
        PictureState p = std::move(m_picture);
        m_picture = {};
        if (p.nibble >= 0) m_doc.damaged = true; // an odd hex digit at the end: ignored
        if (p.refused || p.kind == PictureState::Kind::none || p.kind == PictureState::Kind::other)
            return;
        const std::string_view data = p.picture.bytes;
        const bool png = p.kind == PictureState::Kind::png;
        const std::string_view signature =
            png ? std::string_view("\x89PNG\r\n\x1A\n", 8) : std::string_view("\xFF\xD8\xFF", 3);
        if (data.substr(0, signature.size()) != signature) {
            m_doc.damaged = true;
            return;
        }
        if (!spend(runCost)) return;
        p.picture.kind = png ? RtfPictureKind::png : RtfPictureKind::jpeg;
        dropPendingHigh();
        RtfRun run;
        run.picture = static_cast<int>(m_doc.pictures.size());
        m_doc.pictures.push_back(std::move(p.picture));
        m_current.runs.push_back(std::move(run));
    }

    // ---- footnotes ---------------------------------------------------------------

    // A footnote's group: its text goes to the notes, and the paragraph it stands in
    // goes on after it. A footnote inside a footnote is skipped.
    void startNote() {
        GroupState& g = top();
        if (g.dest != Destination::text || m_noteLevel > 0 || m_overflow > 0) {
            g.dest = Destination::skip;
            return;
        }
        dropPendingHigh();
        m_noteLevel = m_stack.size();
        ++m_noteCount;
        m_outsideNote = std::move(m_current);
        m_current = {};
    }

    void finishNote() {
        dropPendingHigh();
        if (!m_current.runs.empty()) endParagraphIn(m_doc.notes);
        m_current = std::move(m_outsideNote);
        m_outsideNote = {};
        m_noteLevel = 0;
    }

    // \chftn: the number of the footnote it stands in, or before the footnote that
    // follows it (its mark in the text).
    void noteNumber() {
        const std::size_t number = m_noteLevel > 0 ? m_noteCount : m_noteCount + 1;
        for (const char digit : std::to_string(number))
            emit(static_cast<char32_t>(digit));
    }

    static RtfBaseline baseline(std::string_view w, int value) {
        if (w == "nosupersub" || value == 0) return RtfBaseline::normal;
        const bool raised = w == "super" || w == "up";
        return raised == (value > 0) ? RtfBaseline::raised : RtfBaseline::lowered;
    }

    void endParagraph(bool atEnd) {
        if (atEnd && m_current.runs.empty()) return; // no text after the last \par
        if (!atEnd && !spend(paragraphCost)) return;
        takeParagraphFormat();
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
    std::size_t m_starEnd = std::string_view::npos; ///< where the last "\*" ended
    // Tables: the row definition, and the cell, row and table being read.
    std::vector<CellDefinition> m_rowDefinition;
    bool m_rowBorders = false;
    bool m_borderPending = false; ///< a border word waits for its style
    CellDefinition m_nextCell;    ///< the cell whose \cellx comes next
    RtfCell m_cell;
    RtfRow m_row;
    RtfTable m_table;
    std::size_t m_cellCount = 0;
    bool m_cellsFull = false; ///< rtfMaxCells reached: tables read as plain text
    PictureState m_picture;
    // Footnotes: the group depth of the one being read (0 outside), how many began, and
    // the paragraph it interrupted.
    std::size_t m_noteLevel = 0;
    std::size_t m_noteCount = 0;
    RtfParagraph m_outsideNote;
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
    // Each line is a paragraph, whether it ends in CRLF, LF or a lone CR.
    LineBreak next = findLineBreak(bytes);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (used > rtfMaxText) {
            doc.truncated = true;
            break;
        }
        if (i == next.at) {
            flush();
            used += paragraphCost;
            i += next.size - 1;
            next = findLineBreak(bytes, i + 1);
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

} // namespace

std::string RtfDocument::plaintext() const {
    const auto text = [](const RtfParagraph& p) {
        std::string out;
        for (const RtfRun& run : p.runs)
            out += run.text;
        return out;
    };
    std::string out;
    for (std::size_t p = 0; p < paragraphs.size(); ++p) {
        if (p > 0) out += '\n';
        const int t = paragraphs[p].table;
        if (t < 0 || static_cast<std::size_t>(t) >= tables.size()) {
            out += text(paragraphs[p]);
            continue;
        }
        const std::vector<RtfRow>& rows = tables[t].rows;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (r > 0) out += '\n';
            for (std::size_t c = 0; c < rows[r].cells.size(); ++c) {
                if (c > 0) out += '\t';
                const std::vector<RtfParagraph>& cell = rows[r].cells[c].paragraphs;
                for (std::size_t i = 0; i < cell.size(); ++i)
                    out += (i > 0 ? " " : "") + text(cell[i]);
            }
        }
    }
    for (const RtfParagraph& note : notes)
        out += "\n" + text(note);
    return out;
}

std::pair<int, int> rtfPictureSize(const RtfPicture& picture, int ownWidth, int ownHeight) {
    constexpr double twipsPerPixel = 15.0; // 1440 to the inch, 96 pixels to the inch
    const double width = picture.goalWidth > 0 ? picture.goalWidth / twipsPerPixel : ownWidth;
    const double height = picture.goalHeight > 0 ? picture.goalHeight / twipsPerPixel : ownHeight;
    const auto pixels = [](double size, int scale) {
        return static_cast<int>(std::clamp(size * scale / 100.0 + 0.5, 1.0, 1e6));
    };
    return {pixels(width, picture.scaleX), pixels(height, picture.scaleY)};
}

std::string rtfPictureName(std::size_t index) {
    return "rtf-picture-" + std::to_string(index);
}

RtfDocument parseRtf(std::string_view bytes) {
    const std::string_view body = withoutBomAndBlanks(bytes);
    if (body.substr(0, 5) != "{\\rtf") return plainTextDocument(bytes);
    return Reader(body).run();
}

} // namespace quorvel

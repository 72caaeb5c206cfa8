#pragma once
// A reader for the rich text of theme stories (story.rtf), in plain C++.
//
// It keeps what a story needs: paragraphs with their alignment and their left and
// first-line indents (\li, \fi: a list's bullet hangs at the first line), bold, italic,
// underline, strike-through, raised and lowered text (\super, \sub, \up, \dn), font
// sizes, text and highlight colours from the colour table, special characters (dashes,
// quotes, bullets, non-breaking spaces), the escapes \'hh (Windows-1252) and \uN (with
// \ucN fallback skipping), tables as word processors write them (\trowd, \cellx,
// \intbl, \cell, \row, each cell with its own paragraphs and alignment, each row with its
// own cell edges, cells merged across (\clmrg) and down (\clvmrg)), footnotes (their
// mark where it stands, \chftn numbering them, and their text kept apart to be shown
// after the story), and PNG and JPEG pictures (\pict with \pngblip or \jpegblip, hex or
// \bin data, \picwgoal, \pichgoal, \picscalex, \picscaley) in their place. Font
// tables, style sheets, document information, other kinds of picture, objects, fields'
// instructions and every \* destination the reader does not know are skipped. A table
// inside a table cell is read as text of that cell, and a table inside a footnote as
// text of the note.
//
// A theme's story may be damaged or hostile: the reader never recurses, reads at
// most rtfMaxInput bytes, keeps at most rtfMaxDepth group levels of formatting,
// saturates numbers, caps the text, the table cells and the pictures it produces,
// and shows whatever it could read. A file that does not start with "{\rtf" is shown
// as plain text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

/// Input beyond this many bytes is not read.
inline constexpr std::size_t rtfMaxInput = 16u * 1024u * 1024u;
/// Groups nested deeper than this keep the formatting of the deepest kept level.
inline constexpr int rtfMaxDepth = 200;
/// Text beyond this many bytes (UTF-8) is dropped.
inline constexpr std::size_t rtfMaxText = 2u * 1024u * 1024u;
/// Colour-table entries beyond this many are ignored.
inline constexpr std::size_t rtfMaxColours = 1024;
/// Cells of one table row beyond this many join the row's last cell.
inline constexpr std::size_t rtfMaxRowCells = 64;
/// Table cells in the whole document beyond this many are read as plain text (a cell
/// ends with a tab, a row with a paragraph).
inline constexpr std::size_t rtfMaxCells = 4096;
/// Paragraph indents are taken up to this many twips (22 inches) either way.
inline constexpr int rtfMaxIndent = 31680;
/// Pictures beyond this many are left out.
inline constexpr std::size_t rtfMaxPictures = 64;
/// A picture whose data is larger than this is left out.
inline constexpr std::size_t rtfMaxPictureBytes = 4u * 1024u * 1024u;

enum class RtfAlign { left, centre, right, justify };
enum class RtfVerticalAlign { top, centre, bottom };
/// Where text stands against the line: on it, raised (a superscript: "mc2", a footnote's
/// mark) or lowered (a subscript: "H2O").
enum class RtfBaseline { normal, raised, lowered };

/// An RGB colour of the document's colour table.
struct RtfColour {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const RtfColour&) const = default;
};

/// A stretch of text with one set of character formatting, or one picture.
struct RtfRun {
    std::string text; ///< UTF-8; empty for a picture
    int picture = -1; ///< >= 0: this run is RtfDocument::pictures[picture]
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    RtfBaseline baseline = RtfBaseline::normal;
    int halfPoints = 24;       ///< font size in half points (\fs), 24 = 12 points
    bool hasColour = false;    ///< false: the viewer's own text colour
    RtfColour colour;          ///< text colour when hasColour
    bool hasHighlight = false; ///< false: no background
    RtfColour highlight;       ///< background when hasHighlight
};

struct RtfParagraph {
    RtfAlign align = RtfAlign::left;
    int leftIndent = 0;       ///< twips from the left edge (\li), up to rtfMaxIndent either way
    int firstIndent = 0;      ///< twips of the first line from leftIndent (\fi); < 0 hangs
    std::vector<RtfRun> runs; ///< empty for an empty line
    int table = -1;           ///< >= 0: RtfDocument::tables[table] stands here instead
};

struct RtfCell {
    std::vector<RtfParagraph> paragraphs; ///< at least one
    int rightEdge = 0; ///< twips from the row's left edge (\cellx); 0 when not given
    RtfVerticalAlign verticalAlign = RtfVerticalAlign::top;
    /// The lower part of a cell merged with the one above it (\clvmrg): the cell above
    /// reaches down over it.
    bool mergedUp = false;
};

/// A row of a table. Each row has its own cell edges: a cell merged across (one cell
/// where the row below has two) simply has a farther right edge.
struct RtfRow {
    std::vector<RtfCell> cells; ///< at least one
    bool borders = false;       ///< the row's definition draws cell borders
};

struct RtfTable {
    std::vector<RtfRow> rows; ///< at least one
};

enum class RtfPictureKind { png, jpeg };

/// A picture of the document: the bytes of a PNG or JPEG file and the size asked for.
struct RtfPicture {
    RtfPictureKind kind = RtfPictureKind::png;
    std::string bytes;                 ///< the picture file; empty once the viewer left it out
    int goalWidth = 0, goalHeight = 0; ///< twips (\picwgoal, \pichgoal); 0 when not given
    int scaleX = 100, scaleY = 100;    ///< percent (\picscalex, \picscaley)
    /// Pixels the viewer shows it at, set by the viewer once the picture is ready under
    /// its name; 0 until then, and a picture without them is not shown.
    int shownWidth = 0, shownHeight = 0;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    /// The footnotes' paragraphs, note after note, each starting with its number when
    /// the file numbers them; a reader finds them after the story. Never a table.
    std::vector<RtfParagraph> notes;
    std::vector<RtfTable> tables;
    std::vector<RtfPicture> pictures;
    bool truncated = false; ///< input, text, cells or pictures were cut at a limit
    bool damaged = false;   ///< unbalanced groups, a cut-off escape or bad picture data were met
    /// All the text, paragraphs joined by "\n", a table's cells by tabs and its rows by
    /// "\n", the notes after the story (tests, searching).
    std::string plaintext() const;
};

/// The size in pixels (96 to the inch) a picture asks for, given its own size in
/// pixels: the goal size when given, else its own, times its scale; at least 1 x 1.
std::pair<int, int> rtfPictureSize(const RtfPicture& picture, int ownWidth, int ownHeight);

/// The name under which the viewer finds picture number index of a document.
std::string rtfPictureName(std::size_t index);

/// Reads rich text (or plain text, when it does not start with "{\rtf").
RtfDocument parseRtf(std::string_view bytes);

} // namespace quorvel

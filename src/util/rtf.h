#pragma once
// A reader for the rich text of theme stories (story.rtf), in plain C++.
//
// It keeps what a story needs: paragraphs and their alignment, bold, italic,
// underline, strike-through, font sizes, text and highlight colours from the colour
// table, special characters (dashes, quotes, bullets, non-breaking spaces), and the
// escapes \'hh (Windows-1252) and \uN (with \ucN fallback skipping). Font tables,
// style sheets, document information, pictures, objects, fields' instructions and
// every \* destination are skipped.
//
// A theme's story may be damaged or hostile: the reader never recurses, reads at
// most rtfMaxInput bytes, keeps at most rtfMaxDepth group levels of formatting,
// saturates numbers, caps the text it produces, and shows whatever it could read.
// A file that does not start with "{\rtf" is shown as plain text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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

enum class RtfAlign { left, centre, right, justify };

/// An RGB colour of the document's colour table.
struct RtfColour {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const RtfColour&) const = default;
};

/// A stretch of text with one set of character formatting.
struct RtfRun {
    std::string text; ///< UTF-8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 24;       ///< font size in half points (\fs), 24 = 12 points
    bool hasColour = false;    ///< false: the viewer's own text colour
    RtfColour colour;          ///< text colour when hasColour
    bool hasHighlight = false; ///< false: no background
    RtfColour highlight;       ///< background when hasHighlight
};

struct RtfParagraph {
    RtfAlign align = RtfAlign::left;
    std::vector<RtfRun> runs; ///< empty for an empty line
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    bool truncated = false; ///< input or text was cut at a limit
    bool damaged = false;   ///< unbalanced groups or a cut-off escape were met
    /// All the text, paragraphs joined by "\n" (tests, searching).
    std::string plaintext() const;
};

/// Reads rich text (or plain text, when it does not start with "{\rtf").
RtfDocument parseRtf(std::string_view bytes);

/// The document as HTML for a rich-text viewer: one <p> per paragraph, spans for
/// formatting, text escaped, blanks and tabs kept.
std::string rtfToHtml(const RtfDocument& document);

/// The first rtfMaxInput bytes of a file; false when it cannot be opened or is no
/// regular file.
bool readRtfFile(const std::string& path, std::string& bytes);

} // namespace quorvel

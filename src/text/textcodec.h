#pragma once
// Text as the game meets it in files made on other systems, and the one decoder every
// reader of such text goes through. Everything inside the game is UTF-8.
//
// A file that starts with a byte-order mark is UTF-8 or UTF-16 (little or big end
// first), as that mark says; Notepad saves "Unicode" text so. Otherwise each line is
// decided on its own: a line
// that is valid UTF-8 is UTF-8, any other line is Windows-1252, the code page of
// settings files and themes made on Windows. One stray byte from an older copy or a
// hand edit so garbles at most its own line.
//
// A line ends with CRLF (Windows), LF (Linux) or a lone CR (classic Mac text); every
// reader of text cuts lines with findLineBreak or splitLines, so all three read alike.
//
// Plain C++ without Qt, so the game's rules (the best-times names) use it too.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

/// Well-formed UTF-8: shortest forms, no surrogates, at most U+10FFFF.
bool validUtf8(std::string_view s);
/// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t cp);
/// The character of a Windows-1252 byte; its five unassigned bytes map to the control
/// characters of the same number, as Windows does.
char32_t cp1252Char(unsigned char byte);
/// Windows-1252 text as UTF-8.
std::string fromCp1252(std::string_view s);
/// The Windows-1252 bytes of UTF-8 text, one a character; nothing when the text is not
/// valid UTF-8 or holds a character Windows-1252 has no byte for.
std::optional<std::string> toCp1252(std::string_view utf8);
/// UTF-16 text after its byte-order mark; a broken surrogate becomes U+FFFD.
std::string fromUtf16(std::string_view bytes, bool bigEndian);

/// One piece of text on its own (a line, a name, a folder name): as it is when it is
/// valid UTF-8, otherwise read as Windows-1252.
std::string decodePiece(std::string_view bytes);
/// Text from a file: by its byte-order mark (dropped), else line by line as
/// decodePiece decides. Line ends are kept as they are.
std::string decodeText(std::string_view bytes);
/// decodeText for a file the game only reads (a theme's texts), which may also be
/// UTF-16 without a byte-order mark (iconv's UTF-16LE and UTF-16BE): known by its NUL
/// bytes, which no other text holds, in the byte order whose high bytes hold more of
/// them (one character in eight at least, so a stray NUL never makes a file UTF-16),
/// when the whole file reads in it as text (no NUL, no control character but tab, CR
/// and LF, no surrogate without its partner). Never for a file the game writes back:
/// a line with a NUL it read could be taken for UTF-16 when read again.
std::string decodeReadOnlyText(std::string_view bytes);

/// A line break in text: where it starts and its length (2 for CRLF, 1 for LF or a
/// lone CR); {text's size, 0} when no break follows.
struct LineBreak {
    std::size_t at = 0;
    std::size_t size = 0;
};
/// The first line break at or after from.
LineBreak findLineBreak(std::string_view text, std::size_t from = 0);
/// The lines of text without their breaks; no line after a final break, none in empty
/// text.
std::vector<std::string_view> splitLines(std::string_view text);

/// The number of bytes the first `chars` characters of UTF-8 text take (all of the
/// text when it is shorter).
std::size_t charBytes(std::string_view utf8, std::size_t chars);
/// UTF-8 text cut to at most `chars` characters, never inside one.
std::string_view cutChars(std::string_view utf8, std::size_t chars);
/// UTF-8 text cut to at most `bytes` bytes, never inside a character.
std::string_view cutBytes(std::string_view utf8, std::size_t bytes);

} // namespace quorvel

#pragma once
// Text as the game meets it in files made on other systems: UTF-8 when the bytes are
// valid UTF-8, otherwise Windows-1252, the code page of settings files and themes
// made on Windows. Everything inside the game is UTF-8.

#include <string>
#include <string_view>

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
/// UTF-8 text as it is, anything else read as Windows-1252.
std::string decodeText(std::string_view bytes);

} // namespace quorvel

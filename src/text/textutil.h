#pragma once
// Small text helpers shared by the windows, and the program's version text.
// Texts are UTF-8; widths and lengths count characters, not bytes.

#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel {

/// The title of message boxes and of the opening screen.
inline constexpr std::string_view applicationTitle = "Quorvel 3-D.";

/// a + " " + b when both are non-empty, else a + b.
std::string joinWords(std::string_view a, std::string_view b);
/// The first character in upper case (ASCII), the rest unchanged; at most 255
/// characters follow the first.
std::string capitalise(std::string_view s);
/// s padded on the left with ch up to width characters; s itself when already as long.
std::string padLeft(std::string_view s, char ch, int width);
/// padLeft(s, '0', width).
std::string zeroPad(std::string_view s, int width);
/// single when count is 1, else plural: "day" and "days" of the clock.
std::string pluralWord(std::string_view single, std::string_view plural, long long count);

/// s with the letters A to Z in lower case; other bytes unchanged (the rules compare
/// the game's own words this way).
std::string asciiLower(std::string_view s);
/// s with the letters a to z in upper case; other bytes unchanged.
std::string asciiUpper(std::string_view s);
/// Equal without regard to ASCII case.
bool sameText(std::string_view a, std::string_view b);

/// The number of characters (code points) of UTF-8 text.
std::size_t charcount(std::string_view s);
/// Text without blanks and control characters at either end.
std::string trimText(std::string_view s);

/// Pieces of text as sentences to be spoken: each trimmed and ended with a full stop
/// unless it ends with ".", "!", "?" or ":", joined by blanks; empty pieces are left out.
std::string joinSentences(std::initializer_list<std::string_view> pieces);
/// Adds a piece to spoken sentences as joinSentences does.
void addSentence(std::string& sentences, std::string_view piece);

/// A version as the game shows it: the major version, a point, and the minor version in
/// two digits with a trailing "0" dropped (1 and 5 give "1.05", 1 and 30 give "1.3").
std::string versionText(int major, int minor);
/// The game's own version so written (text/version.h).
std::string versionText();

} // namespace quorvel

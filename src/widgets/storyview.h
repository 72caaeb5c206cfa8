#pragma once
// Rich text in a viewer: a theme's story read by the RTF reader (rtf.h), its tables
// as tables and its pictures decoded into the viewer's own document, where the
// document finds them by name.

#include <string_view>

class QTextDocument;

namespace quorvel {

/// A picture with more pixels than this is left out.
inline constexpr long long rtfMaxPicturePixels = 16LL * 1024 * 1024;
/// Pictures are decoded until their pixels reach this many in all; later ones are left out.
inline constexpr long long rtfMaxStoryPixels = 48LL * 1024 * 1024;
/// A picture is shown no taller than this many pixels.
inline constexpr int rtfMaxShownHeight = 4096;

/// Replaces the document's content with the rich (or plain) text in bytes. Each
/// picture that decodes within the limits becomes an image of the document, shown at
/// the size the text asks for but no wider than width pixels; the others are left out
/// without a word.
void showRtf(QTextDocument* document, std::string_view bytes, int width);

} // namespace quorvel

#pragma once
// A theme's story or a help page, read by the rich-text reader (text/rtf.h), as the
// HTML a rich-text viewer shows. Plain C++, so the fuzz target builds it without Qt.

#include <string>

#include "text/rtf.h"

namespace quorvel {

/// The document as HTML for a rich-text viewer: one <p> per paragraph, spans for
/// formatting, text escaped, blanks and tabs kept, tables as tables, and each picture
/// the viewer has made ready (its shown size set) as an image named rtfPictureName.
std::string rtfToHtml(const RtfDocument& document);

} // namespace quorvel

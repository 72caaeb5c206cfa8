#pragma once
// A theme's story or a help page, read by the rich-text reader (text/rtf.h), as the
// HTML a rich-text viewer shows. Plain C++, so the fuzz target builds it without Qt.

#include <string>

#include "text/rtf.h"

namespace quorvel {

/// The document as HTML for a rich-text viewer: one <p> per paragraph with its indents,
/// spans for formatting, text escaped, blanks and tabs kept, tables as tables, and each
/// picture the viewer has made ready (its shown size set) as an image named
/// rtfPictureName. A list item (a hanging first line with its marker before a tab) is a
/// table of one row: the marker at the first-line indent, the text at the left indent.
std::string rtfToHtml(const RtfDocument& document);

} // namespace quorvel

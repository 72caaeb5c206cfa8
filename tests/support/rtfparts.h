#pragma once
// Parts of a read story that tests look at.

#include <string>

#include "text/rtf.h"

namespace quorvel::test {

/// Run r of paragraph p.
inline const RtfRun& runOf(const RtfDocument& d, std::size_t p, std::size_t r) {
    return d.paragraphs.at(p).runs.at(r);
}

/// The text of a table cell, its paragraphs run together.
inline std::string cellText(const RtfCell& cell) {
    std::string out;
    for (const RtfParagraph& p : cell.paragraphs)
        for (const RtfRun& r : p.runs)
            out += r.text;
    return out;
}

} // namespace quorvel::test

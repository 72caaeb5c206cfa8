#include "widgets/storyhtml.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvel {

namespace {

void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "<br/>"; break;
        default: out += c;
        }
    }
}

std::string hexColour(const RtfColour& c) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string s = "#";
    for (const std::uint8_t v : {c.red, c.green, c.blue}) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

std::string pointSize(int halfPoints) {
    // Shown between 4 and 72 points, however large or small the file asks for.
    const int h = std::clamp(halfPoints, 8, 144);
    return std::to_string(h / 2) + (h % 2 ? ".5pt" : "pt");
}

void appendPicture(std::string& out, const RtfDocument& document, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= document.pictures.size()) return;
    const RtfPicture& picture = document.pictures[index];
    // Only a picture the viewer has made ready (and keeps under its name) is shown.
    if (picture.bytes.empty() || picture.shownWidth <= 0 || picture.shownHeight <= 0) return;
    out += "<img src=\"" + rtfPictureName(static_cast<std::size_t>(index)) + "\" width=\"" +
           std::to_string(picture.shownWidth) + "\" height=\"" +
           std::to_string(picture.shownHeight) + "\" />";
}

void appendRuns(std::string& out, const RtfDocument& document, const std::vector<RtfRun>& runs) {
    if (runs.empty()) out += "&nbsp;";
    for (const RtfRun& r : runs) {
        if (r.picture >= 0) {
            appendPicture(out, document, r.picture);
            continue;
        }
        out += "<span style=\"font-size:" + pointSize(r.halfPoints) + ";";
        if (r.bold) out += " font-weight:700;";
        if (r.italic) out += " font-style:italic;";
        if (r.underline || r.strike) {
            out += " text-decoration:";
            if (r.underline) out += " underline";
            if (r.strike) out += " line-through";
            out += ";";
        }
        if (r.hasColour) out += " color:" + hexColour(r.colour) + ";";
        if (r.hasHighlight) out += " background-color:" + hexColour(r.highlight) + ";";
        out += "\">";
        appendEscaped(out, r.text);
        out += "</span>";
    }
}

// Opens a paragraph: no space above or below, blanks and tabs kept, its alignment and
// its indents in pixels; lines wrap unless told.
void openParagraph(std::string& out, RtfAlign align, int left = 0, int first = 0,
                   bool wrap = true) {
    out += "<p style=\"margin-top:0; margin-bottom:0; white-space:";
    out += wrap ? "pre-wrap;" : "pre;";
    switch (align) {
    case RtfAlign::left: break;
    case RtfAlign::centre: out += " text-align:center;"; break;
    case RtfAlign::right: out += " text-align:right;"; break;
    case RtfAlign::justify: out += " text-align:justify;"; break;
    }
    if (left > 0) out += " margin-left:" + std::to_string(left) + "px;";
    if (first != 0) out += " text-indent:" + std::to_string(first) + "px;";
    out += "\">";
}

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0)); // 1440 to the inch, 96 pixels
}

// A list item as word processors write it hangs its marker (a bullet, a number) at the
// first-line indent and moves the text to the left indent with a tab. The viewer's tab
// stops do not know the indent, so the marker and the text get a cell each: the marker
// is what stands before the first tab that follows some text in the first line
// (blanks and tabs before it left out), the text all after that tab. Nothing when the
// paragraph has no such tab.
bool splitAtMarker(const std::vector<RtfRun>& runs, std::vector<RtfRun>& marker,
                   std::vector<RtfRun>& text) {
    bool seen = false;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        if (runs[r].picture >= 0) {
            seen = true;
            continue;
        }
        const std::string& t = runs[r].text;
        for (std::size_t c = 0; c < t.size(); ++c) {
            if (t[c] == '\n') return false; // a new line before any tab: no marker
            if (t[c] != '\t') {
                seen = seen || t[c] != ' ';
                continue;
            }
            if (!seen) continue;
            marker.assign(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(r) + 1);
            marker.back().text.resize(c);
            text.assign(runs.begin() + static_cast<std::ptrdiff_t>(r), runs.end());
            text.front().text.erase(0, c + 1);
            if (text.front().text.empty()) text.erase(text.begin());
            // Blanks and tabs before the marker (a tab to its own stop) are left out.
            while (!marker.empty() && marker.front().picture < 0) {
                std::string& lead = marker.front().text;
                lead.erase(0, std::min(lead.find_first_not_of(" \t"), lead.size()));
                if (!lead.empty()) break;
                marker.erase(marker.begin());
            }
            return true;
        }
    }
    return false;
}

void appendParagraph(std::string& out, const RtfDocument& document, const RtfParagraph& p) {
    // Indents in pixels; neither the paragraph nor its first line starts left of the page.
    const int left = std::max(0, twipsToPixels(p.leftIndent));
    const int first = std::max(-left, twipsToPixels(p.firstIndent));
    std::vector<RtfRun> marker, text;
    if (first < 0 && splitAtMarker(p.runs, marker, text)) {
        out +=
            "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\""; // as wide as a paragraph
        if (left + first > 0)
            out += " style=\"margin-left:" + std::to_string(left + first) + "px;\"";
        // No padding, also where a style sheet gives cells some (the help pages').
        const std::string cell = " valign=\"top\" style=\"padding:0;\">";
        out += "><tr><td width=\"" + std::to_string(-first) + "\"" + cell;
        // A marker wider than the hang ("10.") is never broken: its cell grows, and a
        // space keeps it off the text.
        openParagraph(out, RtfAlign::left, 0, 0, /*wrap=*/false);
        appendRuns(out, document, marker);
        out += "&nbsp;</p></td><td" + cell;
        openParagraph(out, p.align);
        appendRuns(out, document, text);
        out += "</p></td></tr></table>";
        return;
    }
    openParagraph(out, p.align, left, first);
    appendRuns(out, document, p.runs);
    out += "</p>";
}

// Each cell's share of the row in percent, from the right edges of the row's
// definition; nothing when they are missing or out of order.
std::vector<int> cellWidths(const RtfRow& row) {
    int left = 0;
    for (const RtfCell& cell : row.cells) {
        if (cell.rightEdge <= left) return {};
        left = cell.rightEdge;
    }
    const long long right = left; // the last edge, above 0
    std::vector<int> widths;
    left = 0;
    for (const RtfCell& cell : row.cells) {
        widths.push_back(std::max(1, static_cast<int>((cell.rightEdge - left) * 100LL / right)));
        left = cell.rightEdge;
    }
    return widths;
}

void appendTable(std::string& out, const RtfDocument& document, const RtfTable& table) {
    const bool borders = std::any_of(table.rows.begin(), table.rows.end(),
                                     [](const RtfRow& r) { return r.borders; });
    out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\"";
    if (borders) out += " border=\"1\" style=\"border-collapse:collapse; border-color:#808080;\"";
    out += ">";
    for (const RtfRow& row : table.rows) {
        out += "<tr>";
        const std::vector<int> widths = cellWidths(row);
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            const RtfCell& cell = row.cells[c];
            out += "<td";
            if (!widths.empty()) out += " width=\"" + std::to_string(widths[c]) + "%\"";
            switch (cell.verticalAlign) {
            case RtfVerticalAlign::top: out += " valign=\"top\""; break;
            case RtfVerticalAlign::centre: out += " valign=\"middle\""; break;
            case RtfVerticalAlign::bottom: out += " valign=\"bottom\""; break;
            }
            out += ">";
            for (const RtfParagraph& p : cell.paragraphs)
                appendParagraph(out, document, p);
            out += "</td>";
        }
        out += "</tr>";
    }
    out += "</table>";
}

} // namespace

std::string rtfToHtml(const RtfDocument& document) {
    std::string out = "<html><body>";
    for (const RtfParagraph& p : document.paragraphs) {
        if (p.table >= 0 && static_cast<std::size_t>(p.table) < document.tables.size())
            appendTable(out, document, document.tables[p.table]);
        else
            appendParagraph(out, document, p);
    }
    out += "</body></html>";
    return out;
}

} // namespace quorvel

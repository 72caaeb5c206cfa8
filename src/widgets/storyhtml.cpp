#include "widgets/storyhtml.h"

#include <algorithm>
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

void appendParagraph(std::string& out, const RtfDocument& document, const RtfParagraph& p) {
    out += "<p style=\"margin-top:0; margin-bottom:0; white-space:pre-wrap;";
    switch (p.align) {
    case RtfAlign::left: break;
    case RtfAlign::centre: out += " text-align:center;"; break;
    case RtfAlign::right: out += " text-align:right;"; break;
    case RtfAlign::justify: out += " text-align:justify;"; break;
    }
    out += "\">";
    if (p.runs.empty()) out += "&nbsp;";
    for (const RtfRun& r : p.runs) {
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

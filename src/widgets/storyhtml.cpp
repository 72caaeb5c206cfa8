#include "widgets/storyhtml.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
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
        if (r.baseline == RtfBaseline::raised) out += " vertical-align:super;";
        if (r.baseline == RtfBaseline::lowered) out += " vertical-align:sub;";
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

// Cell edges closer than this (in twips, two pixels) are one edge of the table's grid:
// writers round the same edge differently from row to row.
constexpr int edgeTolerance = 30;

// The right edges of a row's cells; nothing when they are missing or out of order.
std::vector<int> rowEdges(const RtfRow& row) {
    std::vector<int> edges;
    for (const RtfCell& cell : row.cells) {
        if (cell.rightEdge <= (edges.empty() ? 0 : edges.back())) return {};
        edges.push_back(cell.rightEdge);
    }
    return edges;
}

// Where a cell stands in the table's grid: its first column and how many it spans, and
// how many rows it reaches down (0 for the lower part of a merged cell, shown by the
// cell above).
struct Placement {
    std::size_t column = 0, columns = 1, rows = 1;
    std::vector<const RtfCell*> covered; ///< the lower parts it reaches over
};

// A table laid out on one grid whose columns are the edges of all its rows, each row by
// its own edges: a cell spans the columns between its left and right edge, so a wide
// cell of one row stands over the narrow ones of another. Columns are in percent of the
// widest row.
struct TableGrid {
    std::vector<int> widths;                   ///< each column's percent; none: no usable edges
    std::vector<std::vector<Placement>> cells; ///< [row][cell]
};

// The grid's column edges: every row's edges, those within edgeTolerance of the one
// before taken as it; nothing when a row has no usable edges or there are more columns
// than a row may have cells.
std::vector<int> gridEdges(const RtfTable& table) {
    std::vector<int> all;
    for (const RtfRow& row : table.rows) {
        const std::vector<int> edges = rowEdges(row);
        if (edges.empty()) return {};
        all.insert(all.end(), edges.begin(), edges.end());
    }
    std::sort(all.begin(), all.end());
    std::vector<int> grid;
    for (const int edge : all)
        if (grid.empty() || edge - grid.back() > edgeTolerance) grid.push_back(edge);
    if (grid.size() > rtfMaxRowCells) return {};
    return grid;
}

// The grid column an edge falls on: the nearest of the grid's edges.
std::size_t columnOf(const std::vector<int>& grid, int edge) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < grid.size(); ++i)
        if (std::abs(grid[i] - edge) < std::abs(grid[best] - edge)) best = i;
    return best;
}

// Each cell below a cell merged down is covered by it: the cell above reaches one more
// row down for every such cell under it in the same columns.
void mergeDown(const RtfTable& table, TableGrid& grid) {
    for (std::size_t r = 1; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].cells.size(); ++c) {
            Placement& lower = grid.cells[r][c];
            if (!table.rows[r].cells[c].mergedUp) continue;
            // The cell above in the same columns, reaching down to the row above this one.
            for (std::size_t up = r; up-- > 0;) {
                auto above = std::find_if(
                    grid.cells[up].begin(), grid.cells[up].end(), [&](const Placement& p) {
                        return p.rows > 0 && p.column == lower.column && p.columns == lower.columns;
                    });
                if (above == grid.cells[up].end()) continue;
                if (up + above->rows == r) {
                    ++above->rows;
                    above->covered.push_back(&table.rows[r].cells[c]);
                    lower.rows = 0;
                }
                break;
            }
        }
}

// The cells of each row side by side, from the grid's first column: by their edges
// when the grid has them, else one column each. Nothing when a row needs more columns
// than the grid has (edges that fall together).
std::optional<std::vector<std::vector<Placement>>> placeCells(const RtfTable& table,
                                                              const std::vector<int>& edges) {
    std::vector<std::vector<Placement>> rows;
    for (const RtfRow& row : table.rows) {
        std::vector<Placement> placed;
        std::size_t next = 0; // the first column not yet taken
        for (const RtfCell& cell : row.cells) {
            Placement p;
            p.column = next;
            if (!edges.empty())
                p.columns = std::max(columnOf(edges, cell.rightEdge), next) + 1 - next;
            next += p.columns;
            if (!edges.empty() && next > edges.size()) return std::nullopt;
            placed.push_back(std::move(p));
        }
        rows.push_back(std::move(placed));
    }
    return rows;
}

TableGrid layOut(const RtfTable& table) {
    TableGrid grid;
    const std::vector<int> edges = gridEdges(table);
    auto placed = placeCells(table, edges);
    if (!placed || edges.empty()) {
        grid.cells = *placeCells(table, {});
        return grid;
    }
    grid.cells = std::move(*placed);
    mergeDown(table, grid);
    int left = 0;
    for (const int edge : edges) {
        grid.widths.push_back(std::max(1, static_cast<int>((edge - left) * 100LL / edges.back())));
        left = edge;
    }
    return grid;
}

void appendTable(std::string& out, const RtfDocument& document, const RtfTable& table) {
    const bool borders = std::any_of(table.rows.begin(), table.rows.end(),
                                     [](const RtfRow& r) { return r.borders; });
    out += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\"";
    if (borders) out += " border=\"1\" style=\"border-collapse:collapse; border-color:#808080;\"";
    out += ">";
    const TableGrid grid = layOut(table);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        out += "<tr>";
        for (std::size_t c = 0; c < table.rows[r].cells.size(); ++c) {
            const RtfCell& cell = table.rows[r].cells[c];
            const Placement& p = grid.cells[r][c];
            if (p.rows == 0) continue; // the cell above stands here
            out += "<td";
            if (!grid.widths.empty()) {
                int width = 0;
                for (std::size_t i = p.column; i < p.column + p.columns; ++i)
                    width += grid.widths[i];
                out += " width=\"" + std::to_string(width) + "%\"";
            }
            if (p.columns > 1) out += " colspan=\"" + std::to_string(p.columns) + "\"";
            if (p.rows > 1) out += " rowspan=\"" + std::to_string(p.rows) + "\"";
            switch (cell.verticalAlign) {
            case RtfVerticalAlign::top: out += " valign=\"top\""; break;
            case RtfVerticalAlign::centre: out += " valign=\"middle\""; break;
            case RtfVerticalAlign::bottom: out += " valign=\"bottom\""; break;
            }
            out += ">";
            for (const RtfParagraph& para : cell.paragraphs)
                appendParagraph(out, document, para);
            for (const RtfCell* lower : p.covered) // text a merged cell's lower part holds
                for (const RtfParagraph& para : lower->paragraphs)
                    if (!para.runs.empty()) appendParagraph(out, document, para);
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
    // The footnotes after the story, under a rule, as a printed page has them.
    if (!document.notes.empty()) out += "<hr/>";
    for (const RtfParagraph& note : document.notes)
        appendParagraph(out, document, note);
    out += "</body></html>";
    return out;
}

} // namespace quorvel

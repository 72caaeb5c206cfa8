// Stories in the viewer: rich text as HTML, with its tables and pictures.

#include <array>
#include <string>

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include "support/picturefiles.h"
#include "support/rtfparts.h"
#include "support/testapp.h"
#include "text/rtf.h"
#include "widgets/storyhtml.h"
#include "widgets/storyview.h"

using namespace quorvel;
using test::hexLines;
using test::pictureFile;

namespace {

// A table of two rows as Word writes it: every cell paragraph opened with \pard and
// \intbl inside groups of revision marks, and the row's definition repeated in a
// group just before its \row.
const char* const wordTable =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff31507\\deff0"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2 Times New Roman;}}"
    "{\\*\\rsidtbl \\rsid2716301}{\\*\\generator Microsoft Word 16.0;}\r\n"
    "\\pard\\plain \\ltrpar\\qc \\li0\\ri0\\sa160\\widctlpar{\\b Hall of Heroes}\\par\r\n"
    "\\trowd \\irow0\\irowband0\\ltrrow\\ts11\\trgaph108\\trleft-108\\trbrdrt\\brdrs"
    "\\brdrw10 \\trbrdrl\\brdrs\\brdrw10 \\trftsWidth1\\tblind0\\tblindtype3 "
    "\\clvertalt\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 \\cltxlrtb"
    "\\clftsWidth3\\clwWidth3192\\clshdrawnil \\cellx3084\\clvertalc\\clbrdrt\\brdrs"
    "\\brdrw10 \\cltxlrtb\\clftsWidth3\\clwWidth3192 \\cellx6276\\clvertalb\\clbrdrt"
    "\\brdrs\\brdrw10 \\cellx9468\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\widctlpar"
    "\\intbl\\wrapdefault\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\yts11 "
    "\\rtlch\\fcs1 \\af0\\afs24\\alang1025 \\ltrch\\fcs0 \\fs24\\lang1033\\langfe1033"
    "\\cgrid {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\b\\insrsid2716301 Name}{\\rtlch"
    "\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid2716301 \\cell }\\pard \\ltrpar\\qc "
    "\\li0\\ri0\\widctlpar\\intbl\\wrapdefault {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 "
    "\\b\\insrsid2716301 Level}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid2716301 "
    "\\cell }\\pard \\ltrpar\\qr \\li0\\ri0\\widctlpar\\intbl\\wrapdefault {\\rtlch"
    "\\fcs1 \\af0 \\ltrch\\fcs0 \\b\\insrsid2716301 Time}{\\rtlch\\fcs1 \\af0 \\ltrch"
    "\\fcs0 \\insrsid2716301 \\cell }\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa160"
    "\\sl259\\slmult1\\widctlpar\\intbl\\wrapdefault\\aspalpha\\aspnum\\faauto"
    "\\adjustright\\rin0\\lin0 {\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid2716301 "
    "\\trowd \\irow0\\irowband0\\ltrrow\\ts11\\trgaph108\\trleft-108\\clvertalt"
    "\\clbrdrt\\brdrs\\brdrw10 \\cellx3084\\clvertalc\\clbrdrt\\brdrs\\brdrw10 "
    "\\cellx6276\\clvertalb\\clbrdrt\\brdrs\\brdrw10 \\cellx9468\\row }\r\n"
    "\\trowd \\irow1\\irowband1\\lastrow \\ltrrow\\ts11\\trgaph108\\trleft-108"
    "\\clvertalt\\clbrdrt\\brdrs\\brdrw10 \\cellx3084\\clvertalc\\clbrdrt\\brdrs"
    "\\brdrw10 \\cellx6276\\clvertalb\\clbrdrt\\brdrs\\brdrw10 \\cellx9468\\pard\\plain "
    "\\ltrpar\\ql \\intbl {\\insrsid2716301 Ann\\line Lee\\cell }\\pard \\ltrpar\\qc "
    "\\intbl {\\insrsid2716301 3\\cell }\\pard \\ltrpar\\qr \\intbl {\\insrsid2716301 "
    "0:12:05\\cell }\\pard\\plain \\ltrpar\\ql \\intbl {\\insrsid2716301 \\trowd "
    "\\irow1\\irowband1\\lastrow \\ltrrow\\ts11\\trgaph108\\trleft-108\\clvertalt"
    "\\clbrdrt\\brdrs\\brdrw10 \\cellx3084\\clvertalc\\clbrdrt\\brdrs\\brdrw10 "
    "\\cellx6276\\clvertalb\\clbrdrt\\brdrs\\brdrw10 \\cellx9468\\row }\r\n"
    "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa160\\widctlpar {\\insrsid2716301 "
    "The end.}\\par }";

} // namespace

TEST(Rtf, HtmlKeepsFormattingAndEscapesText) {
    const std::string html = rtfToHtml(
        parseRtf("{\\rtf1{\\colortbl;\\red0\\green128\\blue255;}\\qr\\b\\i\\ul\\cf1\\fs20 "
                 "<a & b>\\par\\par\\plain H{\\sub 2}O{\\super\\chftn}{\\*\\footnote\\chftn "
                 "Water.}\\par The end.\\par}"));
    // The formatting, the text escaped, the empty second paragraph, the raised and lowered.
    for (const char* part : {"text-align:right", "font-weight:700", "font-style:italic",
                             "underline", "color:#0080ff", "font-size:10pt", "&lt;a &amp; b&gt;",
                             "&nbsp;", "vertical-align:sub;\">2<", "vertical-align:super;\">1<"})
        EXPECT_NE(html.find(part), std::string::npos) << part;
    EXPECT_EQ(html.find("<a "), std::string::npos);
    // The note after the whole story, under a rule.
    EXPECT_LT(html.find("The end."), html.find("<hr/>"));
    EXPECT_LT(html.find("<hr/>"), html.find("1 Water."));
}

TEST(Rtf, HugeNumbersSaturate) {
    const RtfDocument d = parseRtf(
        "{\\rtf1\\fs99999999999999999999999 big\\fs-5 small\\cf4294967297 c\\uc99999999999 "
        "\\u99999999999999 x\\bin99999999999999999}");
    EXPECT_EQ(test::runOf(d, 0, 0).halfPoints, 3276);
    EXPECT_EQ(test::runOf(d, 0, 1).halfPoints, 1);
    for (const RtfRun& r : d.paragraphs[0].runs)
        EXPECT_FALSE(r.hasColour);
    EXPECT_NE(d.plaintext().find("big"), std::string::npos);
    // The huge \bin jumps to the end of the input; nothing after it is shown.
    EXPECT_EQ(d.plaintext().find("bin"), std::string::npos);
    const std::string html = rtfToHtml(d);
    EXPECT_NE(html.find("font-size:72pt"), std::string::npos); // shown no larger than 72
    EXPECT_NE(html.find("font-size:4pt"), std::string::npos);
}

TEST(Rtf, HostileInputStaysWithinBounds) {
    // Millions of paragraph marks and formatting changes: the output is capped.
    std::string marks = "{\\rtf1 ";
    while (marks.size() < 8u * 1024 * 1024)
        marks += "\\par x\\b y\\b0 ";
    RtfDocument d = parseRtf(marks);
    EXPECT_TRUE(d.truncated);
    std::size_t runs = 0;
    for (const RtfParagraph& p : d.paragraphs)
        runs += p.runs.size();
    EXPECT_LT(runs * 128 + d.paragraphs.size() * 32, rtfMaxText + 1024);
    // More than the input limit: only the first part is read.
    std::string big(rtfMaxInput + 100, 'a');
    big.replace(0, 7, "{\\rtf1 ");
    d = parseRtf(big);
    EXPECT_TRUE(d.truncated);
    EXPECT_LE(d.plaintext().size(), rtfMaxText);
    // Binary noise of every byte value.
    std::string noise;
    for (int i = 0; i < 1 << 20; ++i)
        noise += static_cast<char>((i * 7919) & 0xFF);
    (void)parseRtf("{\\rtf1 " + noise);
    (void)rtfToHtml(parseRtf("{\\rtf1 " + noise));
}

TEST(RtfTables, AWordTableKeepsItsRowsCellsAlignmentAndWidths) {
    const RtfDocument d = parseRtf(wordTable);
    ASSERT_EQ(d.paragraphs.size(), 3u);
    EXPECT_EQ(d.paragraphs[0].align, RtfAlign::centre);
    EXPECT_EQ(test::runOf(d, 0, 0).text, "Hall of Heroes");
    EXPECT_EQ(test::runOf(d, 2, 0).text, "The end.");
    ASSERT_EQ(d.paragraphs[1].table, 0);
    ASSERT_EQ(d.tables.size(), 1u);
    const RtfTable& t = d.tables[0];
    ASSERT_EQ(t.rows.size(), 2u);
    const char* texts[2][3] = {{"Name", "Level", "Time"}, {"Ann\nLee", "3", "0:12:05"}};
    const RtfAlign aligns[3] = {RtfAlign::left, RtfAlign::centre, RtfAlign::right};
    const RtfVerticalAlign verticals[3] = {RtfVerticalAlign::top, RtfVerticalAlign::centre,
                                           RtfVerticalAlign::bottom};
    const int edges[3] = {3084, 6276, 9468};
    for (int r = 0; r < 2; ++r) {
        ASSERT_EQ(t.rows[r].cells.size(), 3u) << r;
        EXPECT_TRUE(t.rows[r].borders);
        for (int c = 0; c < 3; ++c) {
            const RtfCell& cell = t.rows[r].cells[c];
            EXPECT_EQ(test::cellText(cell), texts[r][c]) << r << c;
            ASSERT_EQ(cell.paragraphs.size(), 1u) << r << c;
            EXPECT_EQ(cell.paragraphs[0].align, aligns[c]) << r << c;
            EXPECT_EQ(cell.rightEdge, edges[c]);
            EXPECT_EQ(cell.verticalAlign, verticals[c]);
        }
    }
    EXPECT_TRUE(t.rows[0].cells[0].paragraphs[0].runs[0].bold);
    EXPECT_FALSE(t.rows[1].cells[0].paragraphs[0].runs[0].bold);
    EXPECT_EQ(d.plaintext(), "Hall of Heroes\nName\tLevel\tTime\nAnn\nLee\t3\t0:12:05\nThe end.");
    EXPECT_FALSE(d.damaged);

    const std::string html = rtfToHtml(d);
    const auto at = [&html](const char* s) { return html.find(s); };
    ASSERT_NE(at("<table"), std::string::npos);
    EXPECT_LT(at("Hall of Heroes"), at("<table"));
    EXPECT_LT(at("</table>"), at("The end."));
    // Borders, and the widths (3084 of 9468 is 32 %) and vertical places of the cells.
    for (const char* part : {"border=\"1\"", "<td width=\"32%\" valign=\"top\">",
                             "<td width=\"33%\" valign=\"middle\">", "valign=\"bottom\""})
        EXPECT_NE(at(part), std::string::npos) << part;
    EXPECT_LT(at("text-align:center"), at("Level"));
    EXPECT_LT(at("text-align:right"), at("0:12:05"));
    EXPECT_EQ(std::count(html.begin(), html.end(), '<') - std::count(html.begin(), html.end(), '>'),
              0);
}

TEST(RtfTables, TablesAsOtherWritersWriteThem) {
    // LibreOffice: cells one after the other, no groups, a border colour.
    RtfDocument d = parseRtf(
        "{\\rtf1\\ansi\\trowd\\trql\\trleft-55\\ltrrow\\trpaddft3\\trpaddt55\\clbrdrl\\brdrs"
        "\\brdrw10\\brdrcf1\\cellx4819\\clbrdrl\\brdrs\\brdrw10\\brdrcf1\\cellx9638\\pgndec\\pard"
        "\\plain \\s20\\intbl\\qc{\\rtlch \\ltrch\\loch A1}\\cell\\pard\\plain \\s20\\intbl\\ql"
        "{\\rtlch \\ltrch\\loch B1}\\cell\\row\\pard\\plain \\s0\\ql after\\par}");
    ASSERT_EQ(d.tables.size(), 1u);
    ASSERT_EQ(d.tables[0].rows.size(), 1u);
    EXPECT_EQ(test::cellText(d.tables[0].rows[0].cells[0]), "A1");
    EXPECT_EQ(d.tables[0].rows[0].cells[0].paragraphs[0].align, RtfAlign::centre);
    EXPECT_EQ(test::cellText(d.tables[0].rows[0].cells[1]), "B1");
    EXPECT_EQ(d.plaintext(), "A1\tB1\nafter");

    // A converter: paragraphs ended inside the cells, no borders but a rule under the
    // heading, \intbl in the cells' groups.
    d = parseRtf("{\\rtf1\\ansi\n{\n\\trowd \\trgaph120\n\\clbrdrb\\brdrnone\\cellx4320"
                 "\\cellx8640\n\\trkeep\\intbl\n{\n{\\intbl {\\ql \\b Name\\par}\n\\cell}\n"
                 "{\\intbl {\\qr \\b Score\\par}\n\\cell}\n}\n\\intbl\\row}\n{\n\\trowd "
                 "\\trgaph120\n\\cellx4320\\cellx8640\n\\trkeep\\intbl\n{\n{\\intbl {\\ql Ann"
                 "\\par}\n\\cell}\n{\\intbl {\\qr 17\\par two\\par}\n\\cell}\n}\n\\intbl\\row}\n"
                 "{\\pard \\ql done\\par}\n}");
    ASSERT_EQ(d.tables.size(), 1u);
    const RtfTable& t = d.tables[0];
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_FALSE(t.rows[0].borders);
    EXPECT_EQ(test::cellText(t.rows[0].cells[1]), "Score");
    EXPECT_EQ(t.rows[0].cells[1].paragraphs.size(), 1u); // no empty paragraph after the mark
    EXPECT_EQ(t.rows[0].cells[1].paragraphs[0].align, RtfAlign::right);
    EXPECT_EQ(t.rows[1].cells[1].paragraphs.size(), 2u);
    EXPECT_EQ(d.plaintext(), "Name\tScore\nAnn\t17 two\ndone");
    EXPECT_EQ(rtfToHtml(d).find("border="), std::string::npos);

    // Hand-written: no \intbl at all, and the file ends inside the table.
    d = parseRtf("{\\rtf1 \\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row c\\cell d");
    ASSERT_EQ(d.tables.size(), 1u);
    EXPECT_EQ(d.tables[0].rows.size(), 2u);
    EXPECT_EQ(d.plaintext(), "a\tb\nc\td");
}

TEST(RtfTables, EachRowIsLaidOutByItsOwnEdges) {
    test::ensureApp();
    // An HTML table with a header cell two columns wide and a cell two rows tall, as
    // LibreOffice writes it: the header row has edges of its own, the tall cell is
    // merged down (\\clvmgf, \\clvmrg).
    const RtfDocument d = parseRtf(
        "{\\rtf1\\ansi\\trowd\\trql\\clvertalc\\cellx1425\\clvertalc\\cellx1816\\pard\\plain"
        "\\intbl\\qc{\\loch Wide header}\\cell\\pard\\plain\\intbl\\qc{\\loch C}\\cell\\row\\pard"
        "\\trowd\\trql\\cellx768\\cellx1425\\cellx1816\\pard\\plain\\intbl{\\loch a}\\cell\\pard"
        "\\plain\\intbl{\\loch b}\\cell\\pard\\plain\\intbl{\\loch c}\\cell\\row\\pard\\trowd\\trql"
        "\\clvmgf\\cellx768\\cellx1425\\cellx1810\\pard\\plain\\intbl{\\loch tall}\\cell\\pard"
        "\\plain\\intbl{\\loch x}\\cell\\pard\\plain\\intbl{\\loch y}\\cell\\row\\pard\\trowd\\trql"
        "\\clvmrg\\cellx768\\cellx1425\\cellx1816\\pard\\plain\\intbl\\fs4\\loch\n\\cell\\pard"
        "\\plain\\intbl{\\loch x2}\\cell\\pard\\plain\\intbl{\\loch y2}\\cell\\row\\pard\\par }");
    ASSERT_EQ(d.tables.size(), 1u);
    EXPECT_TRUE(d.tables[0].rows[3].cells[0].mergedUp);
    QTextDocument shown;
    shown.setHtml(QString::fromStdString(rtfToHtml(d)));
    QTextTable* table = nullptr;
    for (QTextFrame* frame : shown.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable*>(frame);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns(), 3);
    // Where each cell stands: its row and column, and how far it reaches.
    const auto cell = [&](const QString& text) {
        for (int r = 0; r < table->rows(); ++r)
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell found = table->cellAt(r, c);
                if (found.row() == r && found.column() == c &&
                    found.firstCursorPosition().block().text() == text)
                    return std::array{r, c, found.rowSpan(), found.columnSpan()};
            }
        return std::array{-1, -1, 0, 0};
    };
    EXPECT_EQ(cell("Wide header"), (std::array{0, 0, 1, 2}));
    EXPECT_EQ(cell("C"), (std::array{0, 2, 1, 1})); // over "c", not over "b"
    EXPECT_EQ(cell("c"), (std::array{1, 2, 1, 1}));
    EXPECT_EQ(cell("tall"), (std::array{2, 0, 2, 1}));
    EXPECT_EQ(cell("x2"), (std::array{3, 1, 1, 1}));
    EXPECT_EQ(cell("y2"), (std::array{3, 2, 1, 1}));
}

TEST(RtfTables, RowsWithoutUsableEdgesHaveNoWidths) {
    // Edges missing, out of order, or a last edge of 0 (found by the fuzz target).
    for (const char* rtf :
         {"{\\rtf1\\trowd\\cellx100\\cellx0 a\\cell b\\cell\\row}",
          "{\\rtf1\\trowd\\cellx200\\cellx100 a\\cell b\\cell\\row}",
          "{\\rtf1\\trowd\\cellx100 a\\cell b\\cell\\row}", "{\\rtf1 a\\cell b\\cell\\row}"}) {
        const RtfDocument d = parseRtf(rtf);
        ASSERT_EQ(d.tables.size(), 1u) << rtf;
        EXPECT_EQ(d.plaintext(), "a\tb") << rtf;
        const std::string html = rtfToHtml(d);
        EXPECT_NE(html.find("<td valign=\"top\">"), std::string::npos) << rtf;
        EXPECT_EQ(html.find("<td width"), std::string::npos) << rtf;
    }
}

TEST(RtfTables, ThousandsOfCellsStayBounded) {
    // One row of a hundred thousand cells: the row keeps rtfMaxRowCells, the rest join
    // its last cell, and no more than rtfMaxCells are made in all.
    std::string wide = "{\\rtf1\\trowd";
    for (int i = 0; i < 100000; ++i)
        wide += "\\cellx" + std::to_string(10 * i + 10);
    for (int i = 0; i < 100000; ++i)
        wide += "c\\cell ";
    wide += "\\row after\\par}";
    RtfDocument d = parseRtf(wide);
    ASSERT_FALSE(d.tables.empty());
    EXPECT_EQ(d.tables[0].rows[0].cells.size(), rtfMaxRowCells);
    EXPECT_TRUE(d.truncated);
    EXPECT_NE(d.plaintext().find("after"), std::string::npos);

    // Many rows of many cells: tables stop at rtfMaxCells and the rest is plain text.
    std::string tall = "{\\rtf1";
    for (int r = 0; r < 5000; ++r) {
        tall += "\\trowd\\cellx100\\cellx200\\cellx300\\intbl ";
        tall += "r" + std::to_string(r) + "\\cell x\\cell y\\cell\\row";
    }
    tall += "\\pard end\\par}";
    d = parseRtf(tall);
    std::size_t cells = 0;
    for (const RtfTable& t : d.tables)
        for (const RtfRow& r : t.rows)
            cells += r.cells.size();
    EXPECT_LE(cells, rtfMaxCells);
    EXPECT_GE(cells, rtfMaxCells - 3);
    EXPECT_TRUE(d.truncated);
    const std::string text = d.plaintext();
    EXPECT_NE(text.find("r4999\tx\ty\t"), std::string::npos); // still shown, as text
    EXPECT_NE(text.find("end"), std::string::npos);
    const std::string html = rtfToHtml(d);
    EXPECT_LT(html.size(), 4u * rtfMaxText);
}

TEST(RtfIndents, NestedListsHangTheirMarkersAndKeepTheirNesting) {
    test::ensureApp();
    // A nested list as pandoc writes it, then Word's first-line indent and a plain paragraph.
    const RtfDocument d =
        parseRtf("{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Helvetica;}\\f0\n"
                 "{\\pard \\ql \\f0 \\sa0 \\li360 \\fi-360 \\bullet \\tx360\\tab Bring a lamp "
                 "and enough batteries for the whole of the long way down\\par}\n"
                 "{\\pard \\ql \\f0 \\sa0 \\li720 \\fi-360 \\endash \\tx360\\tab Spare ones\\par}\n"
                 "{\\pard \\ql \\f0 \\sa0 \\li360 \\fi-360 2.\\tx360\\tab Food\\par}\n"
                 "\\pard\\fi720\\lin0 Once upon a time\\par\\pard Flush\\par}");
    ASSERT_EQ(d.paragraphs.size(), 5u);
    EXPECT_EQ(d.paragraphs[1].leftIndent, 720);
    EXPECT_EQ(d.paragraphs[1].firstIndent, -360);
    EXPECT_EQ(d.paragraphs[3].firstIndent, 720);
    EXPECT_EQ(d.paragraphs[4].leftIndent, 0); // \pard starts afresh
    EXPECT_EQ(d.paragraphs[4].firstIndent, 0);

    QTextDocument shown;
    shown.setTextWidth(296);
    shown.setHtml(QString::fromStdString(rtfToHtml(d)));
    (void)shown.size(); // laid out
    const QString bullet(QChar(0x2022)), dash(QChar(0x2013));
    const auto left = [&](const QString& start, int line = 0) { // where a block's line starts
        for (QTextBlock b = shown.begin(); b.isValid(); b = b.next())
            if (b.text().startsWith(start) && b.layout()->lineCount() > line)
                return shown.documentLayout()->blockBoundingRect(b).x() +
                       b.layout()->lineAt(line).x();
        return -1.0;
    };
    EXPECT_LT(left(bullet), left(dash));
    EXPECT_EQ(left(dash), left("Bring"));       // a level deeper, the marker under the text
    EXPECT_EQ(left("Bring", 1), left("Bring")); // wrapped lines keep the text's indent
    EXPECT_EQ(left("Spare") - left("Bring"), 24.0);
    EXPECT_EQ(left("2."), left(bullet));
    EXPECT_EQ(left("Food"), left("Bring"));
    EXPECT_EQ(left("Once") - left("Flush"), 48.0);
}

TEST(RtfPictures, PngAndJpegPicturesStandInTheirPlace) {
    test::ensureApp();
    const std::string png = pictureFile("PNG", Qt::red);
    const std::string jpeg = pictureFile("JPEG", Qt::blue, {16, 8});
    ASSERT_FALSE(png.empty());
    ASSERT_FALSE(jpeg.empty());
    // As Word writes a picture: the PNG for readers that know it, a metafile for the
    // others; then a JPEG as raw bytes.
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard Before {\\*\\shppict{\\pict{\\*\\picprop"
        "\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}}\\picscalex50\\picscaley200\\piccropl0"
        "\\picw159\\pich106\\picwgoal900\\pichgoal600\\pngblip\\bliptag-1{\\*\\blipuid "
        "deadbeefdeadbeefdeadbeefdeadbeef}" +
        hexLines(png) +
        "}}{\\nonshppict{\\pict\\picscalex50\\wmetafile8\\picw159\\pich106 0100090000}} after"
        "\\par {\\pict\\jpegblip\\bin" +
        std::to_string(jpeg.size()) + " " + jpeg + "}\\par}";
    const RtfDocument d = parseRtf(rtf);
    ASSERT_EQ(d.pictures.size(), 2u);
    EXPECT_EQ(d.pictures[0].kind, RtfPictureKind::png);
    EXPECT_EQ(d.pictures[0].bytes, png);
    EXPECT_EQ(d.pictures[0].goalWidth, 900);
    EXPECT_EQ(d.pictures[0].goalHeight, 600);
    EXPECT_EQ(rtfPictureSize(d.pictures[0], 6, 4), std::make_pair(30, 80)); // 60 x 40 scaled
    EXPECT_EQ(d.pictures[1].kind, RtfPictureKind::jpeg);
    EXPECT_EQ(d.pictures[1].bytes, jpeg);
    EXPECT_EQ(rtfPictureSize(d.pictures[1], 16, 8), std::make_pair(16, 8)); // its own size
    // In place: text, picture, text; then a paragraph that is the JPEG alone.
    ASSERT_EQ(d.paragraphs.size(), 2u);
    ASSERT_EQ(d.paragraphs[0].runs.size(), 3u);
    EXPECT_EQ(test::runOf(d, 0, 0).text, "Before ");
    EXPECT_EQ(test::runOf(d, 0, 1).picture, 0);
    EXPECT_EQ(test::runOf(d, 0, 2).text, " after");
    EXPECT_EQ(test::runOf(d, 1, 0).picture, 1);
    EXPECT_EQ(d.plaintext(), "Before  after\n");
    EXPECT_FALSE(d.damaged);

    // Pictures the viewer has not made ready are not written at all.
    EXPECT_EQ(rtfToHtml(d).find("<img"), std::string::npos);
    RtfDocument shown = d;
    shown.pictures[0].shownWidth = 30;
    shown.pictures[0].shownHeight = 80;
    shown.pictures[1].shownWidth = shown.pictures[1].shownHeight = 8;
    shown.pictures[1].bytes.clear(); // as the viewer leaves out a picture it cannot show
    const std::string html = rtfToHtml(shown);
    EXPECT_NE(html.find("Before </span><img src=\"" + rtfPictureName(0) +
                        "\" width=\"30\" height=\"80\" /><span"),
              std::string::npos);
    EXPECT_EQ(html.find(rtfPictureName(1)), std::string::npos);
}

TEST(RtfPictures, PicturesThatCannotBeShownAreLeftOutQuietly) {
    test::ensureApp();
    const std::string png = pictureFile("PNG", Qt::green);
    const auto pictures = [](const std::string& rtf) { return parseRtf(rtf).pictures.size(); };
    // Kinds the viewer cannot show, data that is no PNG, a picture inside a skipped
    // destination, and a picture cut off by the end of the file.
    EXPECT_EQ(pictures("{\\rtf1{\\pict\\emfblip " + hexLines(png) + "}}"), 0u);
    EXPECT_EQ(pictures("{\\rtf1{\\pict " + hexLines(png) + "}}"), 0u);
    EXPECT_EQ(pictures("{\\rtf1{\\pict\\pngblip 0123456789abcdef0123}}"), 0u);
    EXPECT_EQ(pictures("{\\rtf1{\\pict\\jpegblip " + hexLines(png) + "}}"), 0u);
    EXPECT_EQ(pictures("{\\rtf1{\\*\\unknown{\\pict\\pngblip " + hexLines(png) + "}}}"), 0u);
    EXPECT_EQ(pictures("{\\rtf1{\\header{\\pict\\pngblip " + hexLines(png) + "}}}"), 0u);
    RtfDocument d = parseRtf("{\\rtf1 a{\\pict\\pngblip " + hexLines(png));
    EXPECT_TRUE(d.pictures.empty());
    EXPECT_TRUE(d.damaged);
    EXPECT_EQ(d.plaintext(), "a");
    // A letter that is no hex digit spoils the picture, not the text around it.
    d = parseRtf("{\\rtf1 a{\\pict\\pngblip " + hexLines(png) + "zz}b}");
    EXPECT_TRUE(d.pictures.empty());
    EXPECT_TRUE(d.damaged);
    EXPECT_EQ(d.plaintext(), "ab");
    // An odd number of hex digits: the last one is ignored.
    d = parseRtf("{\\rtf1 a{\\pict\\pngblip " + hexLines(png) + "7}b}");
    ASSERT_EQ(d.pictures.size(), 1u);
    EXPECT_EQ(d.pictures[0].bytes, png);
    EXPECT_TRUE(d.damaged);
}

TEST(RtfPictures, HugeAndCountlessPicturesStayBounded) {
    test::ensureApp();
    // A hex run twice as long as a picture may be: left out, the text after it kept.
    std::string huge = "{\\rtf1 a{\\pict\\pngblip 89504e470d0a1a0a";
    huge.append(2 * rtfMaxPictureBytes + 64, 'f');
    huge += "}b}";
    RtfDocument d = parseRtf(huge);
    EXPECT_TRUE(d.pictures.empty());
    EXPECT_TRUE(d.truncated);
    EXPECT_EQ(d.plaintext(), "ab");
    // The same as raw bytes.
    std::string raw = "{\\rtf1 a{\\pict\\pngblip\\bin" + std::to_string(rtfMaxPictureBytes + 1) +
                      " \x89PNG\r\n\x1A\n";
    raw.append(rtfMaxPictureBytes, 'x');
    raw += "}b}";
    d = parseRtf(raw);
    EXPECT_TRUE(d.pictures.empty());
    EXPECT_EQ(d.plaintext(), "ab");
    // Thousands of small pictures: the first 64 are kept.
    const std::string png = pictureFile("PNG", Qt::yellow, {1, 1});
    std::string many = "{\\rtf1 ";
    for (int i = 0; i < 2000; ++i)
        many += "{\\pict\\pngblip " + hexLines(png) + "}";
    many += "end}";
    d = parseRtf(many);
    EXPECT_EQ(d.pictures.size(), 64u);
    EXPECT_TRUE(d.truncated);
    EXPECT_EQ(d.plaintext(), "end");
}

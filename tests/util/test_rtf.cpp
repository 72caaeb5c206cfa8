#include <string>

#include <gtest/gtest.h>

#include "rtf.h"

using namespace quorvel;

namespace {

std::string text(std::string_view rtf) {
    return parseRtf(rtf).plaintext();
}

const RtfRun& run(const RtfDocument& d, std::size_t p, std::size_t r) {
    return d.paragraphs.at(p).runs.at(r);
}

} // namespace

TEST(Rtf, ParagraphsAndCharacterFormatting) {
    const RtfDocument d =
        parseRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
                 "\\pard\\qc\\b\\fs32 The Vault\\b0\\par\n"
                 "\\pard Plain {\\i slanted} \\ul under\\ulnone  and {\\strike gone}.\\par}");
    ASSERT_EQ(d.paragraphs.size(), 2u);
    EXPECT_EQ(d.plaintext(), "The Vault\nPlain slanted under and gone.");
    EXPECT_EQ(d.paragraphs[0].align, RtfAlign::centre);
    EXPECT_TRUE(run(d, 0, 0).bold);
    EXPECT_EQ(run(d, 0, 0).halfPoints, 32);
    EXPECT_EQ(d.paragraphs[1].align, RtfAlign::left);
    EXPECT_EQ(run(d, 1, 0).text, "Plain ");
    EXPECT_FALSE(run(d, 1, 0).bold);
    EXPECT_TRUE(run(d, 1, 1).italic);
    EXPECT_TRUE(run(d, 1, 3).underline);
    EXPECT_TRUE(run(d, 1, 5).strike);
    EXPECT_FALSE(d.damaged);
    EXPECT_FALSE(d.truncated);
}

TEST(Rtf, ColourTableGivesTextAndHighlightColours) {
    const RtfDocument d = parseRtf("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0"
                                   "\\blue128;}\\cf1 red \\cf2\\highlight1 navy \\cf0\\highlight0 "
                                   "auto \\cf9 none}");
    ASSERT_EQ(d.paragraphs.size(), 1u);
    EXPECT_TRUE(run(d, 0, 0).hasColour);
    EXPECT_EQ(run(d, 0, 0).colour, (RtfColour{255, 0, 0}));
    EXPECT_EQ(run(d, 0, 1).colour, (RtfColour{0, 0, 128}));
    EXPECT_TRUE(run(d, 0, 1).hasHighlight);
    EXPECT_EQ(run(d, 0, 1).highlight, (RtfColour{255, 0, 0}));
    EXPECT_FALSE(run(d, 0, 2).hasColour); // \cf0 and an index past the table are automatic
    EXPECT_EQ(run(d, 0, 2).text, "auto none");
}

TEST(Rtf, EscapesAndSpecialCharacters) {
    EXPECT_EQ(text("{\\rtf1 caf\\'e9 \\'80 \\emdash\\endash\\bullet\\lquote x\\rquote "
                   "\\ldblquote y\\rdblquote}"),
              "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98x"
              "\xE2\x80\x99\xE2\x80\x9Cy\xE2\x80\x9D"); // a blank after a word ends it
    EXPECT_EQ(text("{\\rtf1 a\\~b\\{c\\}d\\\\e\\-f\\_g}"), "a\xC2\xA0"
                                                           "b{c}d\\ef-g");
    // \uN takes \ucN fallback characters; a \'hh counts as one of them.
    EXPECT_EQ(text("{\\rtf1 \\u8364?euro \\uc2\\u8364\\'80\\'80 two \\uc0\\u233 none}"),
              "\xE2\x82\xAC"
              "euro \xE2\x82\xAC two \xC3\xA9none");
    EXPECT_EQ(text("{\\rtf1 \\u-3913?}"), "\xEF\x82\xB7");               // negative: 65536 - 3913
    EXPECT_EQ(text("{\\rtf1 \\u-10179?\\u-8704?}"), "\xF0\x9F\x98\x80"); // a surrogate pair
    EXPECT_EQ(text("{\\rtf1 line\\line two\\tab x}"), "line\ntwo\tx");
}

TEST(Rtf, SkipsTablesPicturesAndIgnorableDestinations) {
    const std::string d =
        text("{\\rtf1{\\fonttbl{\\f0 Times;}}{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}}"
             "{\\*\\generator Writer;}{\\pict\\pngblip 89504e47}{\\*\\unknown secret}"
             "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}} "
             "{\\pict\\bin4 }{}}}after}");
    EXPECT_EQ(d, "shown after");
}

TEST(Rtf, PlainTextFilesShowAsText) {
    const RtfDocument d = parseRtf("Once upon a time\r\nin a maze\n\nthe end");
    EXPECT_EQ(d.plaintext(), "Once upon a time\nin a maze\n\nthe end");
    EXPECT_EQ(parseRtf("caf\xE9").plaintext(), "caf\xC3\xA9"); // not UTF-8: Windows-1252
}

TEST(Rtf, HtmlKeepsFormattingAndEscapesText) {
    const std::string html = rtfToHtml(parseRtf("{\\rtf1{\\colortbl;\\red0\\green128\\blue255;}"
                                                "\\qr\\b\\i\\ul\\cf1\\fs20 <a & b>\\par\\par}"));
    EXPECT_NE(html.find("text-align:right"), std::string::npos);
    EXPECT_NE(html.find("font-weight:700"), std::string::npos);
    EXPECT_NE(html.find("font-style:italic"), std::string::npos);
    EXPECT_NE(html.find("underline"), std::string::npos);
    EXPECT_NE(html.find("color:#0080ff"), std::string::npos);
    EXPECT_NE(html.find("font-size:10pt"), std::string::npos);
    EXPECT_NE(html.find("&lt;a &amp; b&gt;"), std::string::npos);
    EXPECT_EQ(html.find("<a "), std::string::npos);
    EXPECT_NE(html.find("&nbsp;"), std::string::npos); // the empty second paragraph
}

TEST(Rtf, UnbalancedGroupsShowWhatCouldBeRead) {
    RtfDocument d = parseRtf("{\\rtf1 {\\b open {\\i deeper");
    EXPECT_EQ(d.plaintext(), "open deeper");
    EXPECT_TRUE(d.damaged);
    d = parseRtf("{\\rtf1 one}} two}}}");
    EXPECT_EQ(d.plaintext(), "one two");
    EXPECT_TRUE(d.damaged);
    // A font table that never closes swallows the rest, but nothing breaks.
    EXPECT_EQ(text("{\\rtf1 before {\\fonttbl{\\f0 Arial;} after"), "before ");
}

TEST(Rtf, DeepNestingIsBoundedAndKeepsText) {
    std::string deep = "{\\rtf1 ";
    for (int i = 0; i < 200000; ++i)
        deep += "{\\b ";
    deep += "core";
    for (int i = 0; i < 200000; ++i)
        deep += "}";
    deep += " tail}";
    const RtfDocument d = parseRtf(deep);
    EXPECT_EQ(d.plaintext(), "core tail");
    EXPECT_TRUE(run(d, 0, 0).bold);
    EXPECT_FALSE(run(d, 0, 1).bold); // formatting comes back once the groups close
    EXPECT_FALSE(d.damaged);
}

TEST(Rtf, HugeNumbersSaturate) {
    const RtfDocument d = parseRtf(
        "{\\rtf1\\fs99999999999999999999999 big\\fs-5 small\\cf4294967297 c\\uc99999999999 "
        "\\u99999999999999 x\\bin99999999999999999}");
    EXPECT_EQ(run(d, 0, 0).halfPoints, 3276);
    EXPECT_EQ(run(d, 0, 1).halfPoints, 1);
    for (const RtfRun& r : d.paragraphs[0].runs)
        EXPECT_FALSE(r.hasColour);
    EXPECT_NE(d.plaintext().find("big"), std::string::npos);
    // The huge \bin jumps to the end of the input; nothing after it is shown.
    EXPECT_EQ(d.plaintext().find("bin"), std::string::npos);
    const std::string html = rtfToHtml(d);
    EXPECT_NE(html.find("font-size:72pt"), std::string::npos); // shown no larger than 72
    EXPECT_NE(html.find("font-size:4pt"), std::string::npos);
}

TEST(Rtf, TruncatedEscapesAreDropped) {
    for (const char* cut :
         {"{\\rtf1 ab\\", "{\\rtf1 ab\\'", "{\\rtf1 ab\\'4", "{\\rtf1 ab\\'zz", "{\\rtf1 ab\\u",
          "{\\rtf1 ab\\u-", "{\\rtf1 ab\\fs", "{\\rtf1 ab\\u55357"}) {
        const RtfDocument d = parseRtf(cut);
        EXPECT_EQ(d.plaintext().substr(0, 2), "ab") << cut;
        EXPECT_LE(d.plaintext().size(), 5u) << cut;
    }
    EXPECT_TRUE(parseRtf("{\\rtf1 ab\\'4").damaged);
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

TEST(Rtf, ReadsFilesUpToTheLimit) {
    std::string bytes;
    EXPECT_FALSE(readRtfFile("/nonexistent/story.rtf", bytes));
    EXPECT_FALSE(readRtfFile("/tmp", bytes)); // a folder is no story
}

#include <string>

#include <gtest/gtest.h>

#include "support/rtfparts.h"
#include "text/rtf.h"

using namespace quorvel;

namespace {

std::string text(std::string_view rtf) {
    return parseRtf(rtf).plaintext();
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
    EXPECT_TRUE(test::runOf(d, 0, 0).bold);
    EXPECT_EQ(test::runOf(d, 0, 0).halfPoints, 32);
    EXPECT_EQ(d.paragraphs[1].align, RtfAlign::left);
    EXPECT_EQ(test::runOf(d, 1, 0).text, "Plain ");
    EXPECT_FALSE(test::runOf(d, 1, 0).bold);
    EXPECT_TRUE(test::runOf(d, 1, 1).italic);
    EXPECT_TRUE(test::runOf(d, 1, 3).underline);
    EXPECT_TRUE(test::runOf(d, 1, 5).strike);
    EXPECT_FALSE(d.damaged);
    EXPECT_FALSE(d.truncated);
}

TEST(Rtf, ColourTableGivesTextAndHighlightColours) {
    const RtfDocument d = parseRtf("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0"
                                   "\\blue128;}\\cf1 red \\cf2\\highlight1 navy \\cf0\\highlight0 "
                                   "auto \\cf9 none}");
    ASSERT_EQ(d.paragraphs.size(), 1u);
    EXPECT_TRUE(test::runOf(d, 0, 0).hasColour);
    EXPECT_EQ(test::runOf(d, 0, 0).colour, (RtfColour{255, 0, 0}));
    EXPECT_EQ(test::runOf(d, 0, 1).colour, (RtfColour{0, 0, 128}));
    EXPECT_TRUE(test::runOf(d, 0, 1).hasHighlight);
    EXPECT_EQ(test::runOf(d, 0, 1).highlight, (RtfColour{255, 0, 0}));
    EXPECT_FALSE(test::runOf(d, 0, 2).hasColour); // \cf0 and an index past the table are automatic
    EXPECT_EQ(test::runOf(d, 0, 2).text, "auto none");
}

TEST(Rtf, EscapesAndSpecialCharacters) {
    EXPECT_EQ(text("{\\rtf1 caf\\'e9 \\'80 \\emdash\\endash\\bullet\\lquote x\\rquote "
                   "\\ldblquote y\\rdblquote}"),
              "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98x"
              "\xE2\x80\x99\xE2\x80\x9Cy\xE2\x80\x9D"); // a blank after a word ends it
    EXPECT_EQ(text("{\\rtf1 \\'c9\\'C9a}"), "\xC3\x89\xC3\x89"
                                            "a"); // two hex digits, in either case
    EXPECT_EQ(text("{\\rtf1 a\\~b\\{c\\}d\\\\e\\-f\\_g}"), "a\xC2\xA0"
                                                           "b{c}d\\ef-g");
    // \uN takes \ucN fallback characters; a \'hh counts as one of them.
    EXPECT_EQ(text("{\\rtf1 \\u8364?euro \\uc2\\u8364\\'80\\'80 two \\uc0\\u233 none}"),
              "\xE2\x82\xAC"
              "euro \xE2\x82\xAC two \xC3\xA9none");
    EXPECT_EQ(text("{\\rtf1 \\u-3913?}"), "\xEF\x82\xB7");               // negative: 65536 - 3913
    EXPECT_EQ(text("{\\rtf1 a\\u0?b}"), "ab");                           // a NUL shows nothing
    EXPECT_EQ(text("{\\rtf1 \\u-10179?\\u-8704?}"), "\xF0\x9F\x98\x80"); // a surrogate pair
    // Half a pair before a whole one, before a letter, at the end: unknown characters.
    EXPECT_EQ(text("{\\rtf1 \\u-10179?\\u-10179?\\u-8704?\\u-10179?a\\u-10179?}"),
              "\xEF\xBF\xBD\xF0\x9F\x98\x80\xEF\xBF\xBD"
              "a\xEF\xBF\xBD");
    EXPECT_EQ(text("{\\rtf1 line\\line two\\tab x}"), "line\ntwo\tx");
}

TEST(Rtf, SkipsUnreadablePicturesAndIgnorableDestinations) {
    const std::string d =
        text("{\\rtf1{\\fonttbl{\\f0 Times;}}{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}}"
             "{\\*\\generator Writer;}{\\pict\\pngblip 89504e47}{\\*\\unknown secret}"
             "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}} "
             "{\\pict\\bin4 }{}}}after}");
    EXPECT_EQ(d, "shown after");
}

TEST(Rtf, PlainTextFilesShowAsText) {
    const RtfDocument d = parseRtf("Once upon a time\r\nin a maze\n\rthe end\rat last");
    EXPECT_EQ(d.plaintext(), "Once upon a time\nin a maze\n\nthe end\nat last");
    EXPECT_EQ(parseRtf("caf\xE9").plaintext(), "caf\xC3\xA9"); // not UTF-8: Windows-1252
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
    EXPECT_TRUE(test::runOf(d, 0, 0).bold);
    EXPECT_FALSE(test::runOf(d, 0, 1).bold); // formatting comes back once the groups close
    EXPECT_FALSE(d.damaged);
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

TEST(RtfTables, ATableInACellIsReadAsTextOfThatCell) {
    const RtfDocument d =
        parseRtf("{\\rtf1\\trowd\\cellx3000\\cellx6000\\pard\\intbl outer\\u-10179?\\par"
                 "\\pard\\intbl\\itap2 \\u-8704?x\\nestcell y\\nestcell"
                 "{\\*\\nesttableprops\\trowd\\cellx100\\nestrow}{\\nonesttables\\par}"
                 "\\pard\\intbl\\itap1\\cell b\\u-10179?\\cell\\row}");
    ASSERT_EQ(d.tables.size(), 1u);
    ASSERT_EQ(d.tables[0].rows.size(), 1u);
    const RtfCell& first = d.tables[0].rows[0].cells.at(0);
    // Half a surrogate pair on each side of a paragraph mark: two unknown characters.
    EXPECT_EQ(test::cellText(first), "outer\xEF\xBF\xBD\xEF\xBF\xBD"
                                     "x\ty\t");
    EXPECT_EQ(test::cellText(d.tables[0].rows[0].cells.at(1)), "b\xEF\xBF\xBD");

    // \itap0, which writers put in ordinary paragraphs too, is no table.
    const RtfDocument plain =
        parseRtf("{\\rtf1\\pard\\itap0 plain\\par\\pard\\itap0\\ql more\\par}");
    EXPECT_TRUE(plain.tables.empty());
    EXPECT_EQ(plain.plaintext(), "plain\nmore");
}

TEST(Rtf, SuperscriptsAndSubscriptsAreRaisedAndLowered) {
    // pandoc's \super and \sub, LibreOffice's \up and \dn, each ended as its writer ends it.
    for (const char* rtf :
         {"{\\rtf1 H{\\sub 2}O mc{\\super 2} x\\sub y\\nosupersub z\\super 1\\super0 w}",
          "{\\rtf1 H{\\dn2 2}O mc{\\up8 2} x\\dn y\\dn0 z\\up 1\\up0 w}"}) {
        const RtfDocument d = parseRtf(rtf);
        const RtfBaseline expected[] = {
            RtfBaseline::normal, RtfBaseline::lowered, RtfBaseline::normal,
            RtfBaseline::raised, RtfBaseline::normal,  RtfBaseline::lowered,
            RtfBaseline::normal, RtfBaseline::raised,  RtfBaseline::normal};
        ASSERT_EQ(d.paragraphs.at(0).runs.size(), std::size(expected)) << rtf;
        for (std::size_t r = 0; r < std::size(expected); ++r)
            EXPECT_EQ(test::runOf(d, 0, r).baseline, expected[r]) << rtf << " run " << r;
        EXPECT_EQ(d.plaintext(), "H2O mc2 xyz1w") << rtf;
    }
    EXPECT_EQ(parseRtf("{\\rtf1 {\\super\\plain a}}").paragraphs[0].runs[0].baseline,
              RtfBaseline::normal);
}

TEST(Rtf, FootnotesKeepTheirMarkAndFollowTheStory) {
    struct Case {
        const char* writer;
        const char* rtf;
        const char* text;
    };
    const Case cases[] = {
        {"pandoc",
         "{\\rtf1\\ansi{\\pard \\ql A story{\\super\\chftn}{\\*\\footnote\\chftn\\~\\plain\\pard "
         "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 The note text.\\par}\n} with a note.\\par}\n"
         "{\\pard Then{\\super\\chftn}{\\*\\footnote\\chftn\\~{\\pard Two\\par}} more.\\par}}",
         "A story1 with a note.\nThen2 more.\n1\xC2\xA0The note text.\n2\xC2\xA0Two"},
        {"LibreOffice",
         "{\\rtf1\\ansi\\pard\\plain {\\loch A story}{{\\super \\loch \\chftn{\\*\\footnote "
         "\\chftn\\pard\\plain \\s49\\li283\\fi-283\\fs20{\\loch\n\\tab The note text.}\n}}\n}"
         "{\\loch\n with a note.}\n\\par }",
         "A story1 with a note.\n1\tThe note text."},
        {"Word, in a table cell, own mark",
         "{\\rtf1\\trowd\\cellx3000\\pard\\intbl A story{\\super *}{\\footnote\\pard\\plain "
         "{\\super *} The note\\par text.}\\cell\\row\\pard with a note.\\par}",
         "A story*\nwith a note.\n* The note\ntext."},
    };
    for (const Case& c : cases) {
        const RtfDocument d = parseRtf(c.rtf);
        EXPECT_EQ(d.plaintext(), c.text) << c.writer;
        EXPECT_FALSE(d.damaged) << c.writer;
    }
    // The mark in the text is raised, and so is the number of a note.
    const RtfDocument pandoc = parseRtf(cases[0].rtf);
    EXPECT_EQ(test::runOf(pandoc, 0, 1).text, "1");
    EXPECT_EQ(test::runOf(pandoc, 0, 1).baseline, RtfBaseline::raised);
    EXPECT_EQ(pandoc.tables.size(), 0u);
    // A note cut off at the end of the file, a note inside a note, a table inside a note.
    EXPECT_EQ(text("{\\rtf1 a{\\footnote b{\\footnote c}\\trowd\\cellx9 d\\cell e\\row f"),
              "a\nbd\te\nf");
}

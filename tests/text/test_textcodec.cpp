// The one text decoder: files made by other tools and other systems read as their
// authors wrote them, and text cut to a length never loses half a character.

#include <gtest/gtest.h>

#include "support/iconv.h"
#include "text/textcodec.h"

using namespace quorvel;

namespace {

const std::string aRing = "\xC3\x85";        // Å
const std::string euro = "\xE2\x82\xAC";     // €
const std::string grin = "\xF0\x9F\x98\x80"; // an emoji, four bytes
const std::string omega = "\xCE\xA9";        // Ω, not in Windows-1252

} // namespace

TEST(TextCodec, EachLineIsUtf8WhenValidElseWindows1252) {
    // One stray Windows-1252 byte garbles only its own line, never the UTF-8 ones.
    const std::string file = "[" + aRing + "sa.Settings]\r\nName=J\xFCrgen \x80\r\nSkill=3\n" +
                             "Last=" + grin + "\n\xE9t\xE9";
    EXPECT_EQ(decodeText(file), "[" + aRing + "sa.Settings]\r\nName=J\xC3\xBCrgen " + euro +
                                    "\r\nSkill=3\nLast=" + grin + "\n\xC3\xA9t\xC3\xA9");
    // A line that only looks like UTF-8 in parts is Windows-1252 as a whole.
    EXPECT_EQ(decodeText("Caf\xC3\xA9 \xE9\n"), "Caf\xC3\x83\xC2\xA9 \xC3\xA9\n");
    EXPECT_EQ(decodeText("[S]\nk=\xC0\xAF\n"), "[S]\nk=\xC3\x80\xC2\xAF\n"); // overlong: not UTF-8
    // Four bytes hold the planes above the first, never less (overlong) nor past U+10FFFF.
    EXPECT_TRUE(validUtf8("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"));
    EXPECT_FALSE(validUtf8("\xF0\x8F\xBF\xBF"));
    EXPECT_FALSE(validUtf8("\xF4\x90\x80\x80"));
    // Surrogates are no characters of their own: U+D800 to U+DFFF, both ends, are refused.
    EXPECT_TRUE(validUtf8("\xED\x9F\xBF\xEE\x80\x80")); // U+D7FF and U+E000
    EXPECT_FALSE(validUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(validUtf8("\xED\xBF\xBF"));
    EXPECT_EQ(decodeText(""), "");
    // Classic Mac text: a lone CR ends a line as well.
    EXPECT_EQ(decodeText("Name=J\xFCrgen\rLast=" + grin + "\r"),
              "Name=J\xC3\xBCrgen\rLast=" + grin + "\r");
    EXPECT_EQ(decodePiece("Th\xE8me"), "Th\xC3\xA8me");
    EXPECT_EQ(decodePiece("Th\xC3\xA8me"), "Th\xC3\xA8me");
}

TEST(TextCodec, LinesEndWithCrlfLfOrALoneCr) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitLines("a\r\nb\nc\rd\r\r\ne\n\rf"),
              (Lines{"a", "b", "c", "d", "", "e", "", "f"}));
    EXPECT_EQ(splitLines("last\r"), Lines{"last"});
    EXPECT_EQ(splitLines("\n"), Lines{""});
    EXPECT_TRUE(splitLines("").empty());
    const LineBreak crlf = findLineBreak("ab\r\ncd", 1);
    EXPECT_EQ(crlf.at, 2u);
    EXPECT_EQ(crlf.size, 2u);
    EXPECT_EQ(findLineBreak("ab\r\ncd", 4).at, 6u); // none: the end, of no length
    EXPECT_EQ(findLineBreak("ab\r\ncd", 4).size, 0u);
}

TEST(TextCodec, AByteOrderMarkDecidesTheWholeFile) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBF" + aRing + "\n\xE9"), aRing + "\n\xC3\xA9");
    EXPECT_EQ(decodeText(std::string("\xFF\xFE"
                                     "A\0\xE9\0\r\0\n\0",
                                     10)),
              "A\xC3\xA9\r\n");
    EXPECT_EQ(decodeText(std::string("\xFE\xFF\xD8\x3D\xDE\x00\x00!", 8)), grin + "!");
    // A surrogate without its partner, and an odd byte at the end of a file cut short.
    EXPECT_EQ(decodeText(std::string("\xFF\xFE\x3D\xD8"
                                     "A\0x",
                                     7)),
              "\xEF\xBF\xBD"
              "A");
}

TEST(TextCodec, Utf16WithoutAByteOrderMarkIsKnownByItsNuls) {
    const std::string text =
        "[Items]\r\nfood=" + aRing + "pple " + omega + grin + "\r\n\t\u4e00x\n";
    for (const char* encoding : {"UTF-16LE", "UTF-16BE"})
        EXPECT_EQ(decodeReadOnlyText(test::iconvFromUtf8(text, encoding)), text) << encoding;
    // NULs that no byte order reads as text stay as they are, for the reader to refuse:
    // a control character, a surrogate on its own, an odd length, NULs in both halves,
    // a stray NUL in a longer file.
    for (const std::string& odd :
         {std::string("a\0\1\0", 4), std::string("a\0b\0\0\xDC", 6), std::string("a\0b", 3),
          std::string("\0a\0\0b\0", 6), std::string("[Anna.Settings]\r\nTheme=Ice\0s\r\n", 30)})
        EXPECT_NE(decodeReadOnlyText(odd).find('\0'), std::string::npos);
    // A file the game writes back (settings) is never taken for UTF-16: the NUL of a
    // line it read and wrote out again must read as it was.
    EXPECT_EQ(decodeText(std::string("\0\n", 2)), std::string("\0\n", 2));
}

TEST(TextCodec, Windows1252BytesOnlyForTextItCanHold) {
    EXPECT_EQ(toCp1252(aRing + "sa " + euro), "\xC5sa \x80");
    EXPECT_EQ(toCp1252("\xC5\xB8\xC2\x81"), "\x9F\x81"); // Ÿ, and an unassigned byte's own code
    EXPECT_EQ(toCp1252("plain"), "plain");
    EXPECT_FALSE(toCp1252(omega));
    EXPECT_FALSE(toCp1252(grin));
    EXPECT_FALSE(toCp1252("\xC2\x80"));  // U+0080 has no byte of its own
    EXPECT_FALSE(toCp1252("J\xFCrgen")); // not UTF-8 to begin with
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(toCp1252(fromCp1252(one)), one) << byte;
    }
}

TEST(TextCodec, CuttingKeepsWholeCharacters) {
    const std::string name = aRing + "sa" + euro + grin + omega; // 6 characters, 14 bytes
    EXPECT_EQ(charBytes(name, 3), 4u);
    EXPECT_EQ(charBytes(name, 5), 11u);
    EXPECT_EQ(charBytes(name, 60), name.size());
    EXPECT_EQ(cutChars(name, 4), aRing + "sa" + euro);
    EXPECT_EQ(cutChars(name, 0), "");
    EXPECT_EQ(cutChars(name, 6), name);
    for (std::size_t limit = 0; limit <= name.size(); ++limit) {
        const std::string_view cut = cutBytes(name, limit);
        EXPECT_LE(cut.size(), limit);
        EXPECT_TRUE(validUtf8(cut)) << limit;
        EXPECT_GT(cut.size() + 4, limit) << limit; // at most one character is dropped
    }
}

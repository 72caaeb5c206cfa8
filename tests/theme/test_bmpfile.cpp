// BMP pictures as image editors write them, and every way a copied theme can spoil
// one: read whole, or refused with the reason a theme author can act on.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "theme/bmpfile.h"

namespace quorvel {
namespace {

using Rgb = std::array<std::uint8_t, 3>;

void put16(std::string& s, std::size_t at, std::uint32_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}
void put32(std::string& s, std::size_t at, std::uint32_t v) {
    put16(s, at, v & 0xFFFF);
    put16(s, at + 2, v >> 16);
}

// A BMP file put together field by field, as the different editors write them.
struct BmpSpec {
    std::uint32_t headerSize = 40;
    std::int32_t width = 2, height = 2;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::vector<Rgb> palette{};
    std::uint32_t colours = 0;        ///< the header's count of palette colours
    std::vector<std::uint32_t> masks{}; ///< written after a 40-byte header, or inside a longer one
    std::string pixels{};
    std::int64_t offset = -1; ///< the header's pixel offset; -1: right after the palette
};

std::string make(const BmpSpec& b) {
    const bool core = b.headerSize == 12;
    std::string s = "BM" + std::string(12 + b.headerSize, '\0');
    put32(s, 14, b.headerSize);
    if (core) {
        put16(s, 18, static_cast<std::uint32_t>(b.width));
        put16(s, 20, static_cast<std::uint32_t>(b.height));
        put16(s, 22, 1);
        put16(s, 24, b.bits);
    } else {
        put32(s, 18, static_cast<std::uint32_t>(b.width));
        put32(s, 22, static_cast<std::uint32_t>(b.height));
        put16(s, 26, 1);
        put16(s, 28, b.bits);
        put32(s, 30, b.compression);
        put32(s, 46, b.colours);
        for (std::size_t i = 0; i < b.masks.size() && b.headerSize >= 52; ++i)
            put32(s, 54 + 4 * i, b.masks[i]);
    }
    if (b.headerSize == 40)
        for (std::uint32_t m : b.masks) {
            s += std::string(4, '\0');
            put32(s, s.size() - 4, m);
        }
    for (const Rgb& c : b.palette) {
        s += static_cast<char>(c[2]);
        s += static_cast<char>(c[1]);
        s += static_cast<char>(c[0]);
        if (!core) s += '\0';
    }
    put32(s, 10, static_cast<std::uint32_t>(b.offset >= 0 ? b.offset : std::int64_t(s.size())));
    s += b.pixels;
    put32(s, 2, static_cast<std::uint32_t>(s.size()));
    return s;
}

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

Rgb at(const BmpPicture& p, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * p.width + x) * 3;
    return {p.rgb[i], p.rgb[i + 1], p.rgb[i + 2]};
}

// The picture of a file, or a failed expectation naming its problem.
BmpPicture read(const std::string& file) {
    BmpPicture p;
    const BmpProblem problem = decodeBmp(file, p);
    EXPECT_EQ(bmpProblemText(problem), "");
    return p;
}

const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255}, black{0, 0, 0};

TEST(BmpFile, ReadsThePlainKindsEditorsWrite) {
    // 24 bits, rows from the bottom, each row padded to four bytes.
    BmpSpec b;
    b.pixels = bytes({0, 0, 255, 0, 255, 0, 0, 0, /*top:*/ 255, 0, 0, 255, 255, 255, 0, 0});
    BmpPicture p = read(make(b));
    ASSERT_EQ(p.width, 2);
    ASSERT_EQ(p.height, 2);
    EXPECT_EQ(at(p, 0, 1), red);
    EXPECT_EQ(at(p, 1, 1), green);
    EXPECT_EQ(at(p, 0, 0), blue);
    EXPECT_EQ(at(p, 1, 0), white);

    // The same picture written top down.
    b.height = -2;
    b.pixels = bytes({255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0});
    EXPECT_EQ(read(make(b)).rgb, p.rgb);

    // 32 bits without masks: blue, green, red, unused.
    b = {.bits = 32, .pixels = bytes({0, 0, 255, 9, 0, 255, 0, 9, 255, 0, 0, 9, 255, 255, 255, 9})};
    EXPECT_EQ(read(make(b)).rgb, p.rgb);

    // 16 bits, 5 of each colour; then 5-6-5 masks inside a V3 header and a V5 header.
    b = {.bits = 16, .pixels = bytes({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0xFF, 0x7F})};
    EXPECT_EQ(read(make(b)).rgb, p.rgb);
    for (std::uint32_t header : {40u, 56u, 124u}) {
        b.headerSize = header;
        b.compression = 3;
        b.masks = {0xF800, 0x07E0, 0x001F};
        b.pixels = bytes({0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xFF, 0xFF});
        EXPECT_EQ(read(make(b)).rgb, p.rgb) << header;
    }
}

TEST(BmpFile, ReadsPalettePicturesOfEveryDepth) {
    const std::vector<Rgb> colours = {black, red, green, blue};
    BmpSpec b{.width = 3, .height = 1, .palette = colours, .colours = 4};
    for (const auto& [bits, row] :
         std::vector<std::pair<int, std::string>>{{8, bytes({1, 2, 3, 0})},
                                                  {4, bytes({0x12, 0x30, 0, 0})},
                                                  {1, bytes({0x40, 0, 0, 0})}}) {
        b.bits = static_cast<std::uint16_t>(bits);
        b.palette = bits == 1 ? std::vector<Rgb>{black, red} : colours;
        b.colours = bits == 1 ? 2 : 4;
        b.pixels = row;
        const BmpPicture p = read(make(b));
        EXPECT_EQ(at(p, 0, 0), bits == 1 ? black : red) << bits;
        EXPECT_EQ(at(p, 1, 0), bits == 1 ? red : green) << bits;
        EXPECT_EQ(at(p, 2, 0), bits == 1 ? black : blue) << bits;
    }
    // The OS/2 header: 16-bit sizes and three-byte palette entries.
    b = {.headerSize = 12, .width = 2, .height = 1, .bits = 8, .pixels = bytes({7, 0, 0, 0})};
    b.palette = std::vector<Rgb>(256, white);
    b.palette[7] = green;
    const BmpPicture p = read(make(b));
    EXPECT_EQ(at(p, 0, 0), green);
    EXPECT_EQ(at(p, 1, 0), white);
    // An index beyond the palette is black, never a stray colour.
    b = {.width = 1, .height = 1, .bits = 8, .palette = {red}, .colours = 1};
    b.pixels = bytes({1, 200, 200, 0}); // what would be the second colour: the pixels
    EXPECT_EQ(at(read(make(b)), 0, 0), black);
}

TEST(BmpFile, RunLengthPicturesFillSkippedPixelsWithTheFirstColour) {
    BmpSpec b{.width = 4, .height = 3, .bits = 8, .compression = 1, .colours = 4};
    b.palette = {white, red, green, blue};
    // Bottom row: one red, then a literal run of red, green, blue (padded to an even
    // length); end of row. Middle row: jump right 1 and up 1 to the top row, one green
    // there; end of picture.
    b.pixels = bytes({1, 1, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 1, 1, 2, 0, 1});
    BmpPicture p = read(make(b));
    EXPECT_EQ(at(p, 0, 2), red);
    EXPECT_EQ(at(p, 1, 2), red);
    EXPECT_EQ(at(p, 2, 2), green);
    EXPECT_EQ(at(p, 3, 2), blue);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(at(p, x, 1), white) << x; // jumped over
    EXPECT_EQ(at(p, 0, 0), white);
    EXPECT_EQ(at(p, 1, 0), green);
    const std::vector<std::uint8_t> first = p.rgb;
    EXPECT_EQ(read(make(b)).rgb, first); // the same every time

    // 4 bits: a run alternates its two indices; a literal run of three pads to even.
    b.bits = 4;
    b.compression = 2;
    b.height = 1;
    b.pixels = bytes({1, 0x20, 0, 3, 0x31, 0x20, 0, 1});
    p = read(make(b));
    EXPECT_EQ(at(p, 0, 0), green);
    EXPECT_EQ(at(p, 1, 0), blue);
    EXPECT_EQ(at(p, 2, 0), red);
    EXPECT_EQ(at(p, 3, 0), green);
}

TEST(BmpFile, AFileCutShortAnywhereIsRefusedAsTruncated) {
    // Rows of 9 bytes and 3 bytes of padding; run lengths; masks.
    BmpSpec plain{.width = 3, .height = 4, .pixels = std::string(48, '\x40')};
    BmpSpec runs{.bits = 8, .compression = 1, .palette = {red, green}, .colours = 2};
    runs.pixels = bytes({2, 1, 0, 0, 1, 0, 0, 1});
    BmpSpec masked{.bits = 32, .compression = 3, .masks = {0xFF0000, 0xFF00, 0xFF}};
    masked.pixels = std::string(16, '\x10');
    for (const BmpSpec& spec : {plain, runs, masked}) {
        const std::string file = make(spec);
        BmpPicture p;
        ASSERT_EQ(decodeBmp(file, p), BmpProblem::none);
        const std::size_t lenient = spec.compression == 0 ? 3 : 0; // the last row's padding
        for (std::size_t size = 2; size + lenient < file.size(); ++size) {
            EXPECT_EQ(decodeBmp(std::string_view(file).substr(0, size), p), BmpProblem::truncated)
                << "cut to " << size << " of " << file.size();
            EXPECT_TRUE(p.rgb.empty());
        }
    }
    BmpPicture p;
    EXPECT_EQ(decodeBmp("", p), BmpProblem::empty);
    EXPECT_EQ(bmpProblemText(BmpProblem::empty), "empty file");
    EXPECT_EQ(bmpProblemText(BmpProblem::truncated), "truncated");
    // A run-length picture without its end mark is whole only when its rows are.
    runs.pixels = bytes({2, 1, 0, 0, 2, 0});
    EXPECT_EQ(decodeBmp(make(runs), p), BmpProblem::none);
    runs.pixels = bytes({2, 1, 0, 0, 1, 0});
    EXPECT_EQ(decodeBmp(make(runs), p), BmpProblem::truncated);
    // A pixel offset past the end of the file.
    plain.offset = 5000;
    EXPECT_EQ(decodeBmp(make(plain), p), BmpProblem::truncated);
}

TEST(BmpFile, FilesThatAreNoPictureItReadsSayWhy) {
    BmpPicture p;
    EXPECT_EQ(decodeBmp("\x89PNG\r\n\x1a\n", p), BmpProblem::notBmp);
    EXPECT_EQ(decodeBmp("hello world, not a picture at all", p), BmpProblem::notBmp);
    EXPECT_EQ(bmpProblemText(BmpProblem::notBmp), "not a BMP picture");
    // A plain 2 x 2 picture with one field changed.
    const auto problem = [](const std::function<void(BmpSpec&)>& change) {
        BmpSpec odd;
        odd.pixels = std::string(16, '\0');
        change(odd);
        BmpPicture q;
        return decodeBmp(make(odd), q);
    };
    EXPECT_EQ(problem([](BmpSpec& s) { s.width = 0; }), BmpProblem::notBmp);
    EXPECT_EQ(problem([](BmpSpec& s) { s.height = 0; }), BmpProblem::notBmp);
    EXPECT_EQ(problem([](BmpSpec& s) { s.bits = 7; }), BmpProblem::notBmp);
    EXPECT_EQ(problem([](BmpSpec& s) { s.headerSize = 41; }), BmpProblem::notBmp);
    EXPECT_EQ(problem([](BmpSpec& s) { s.bits = 8, s.colours = 300; }), BmpProblem::notBmp);
    // Run-length pictures are never top down.
    EXPECT_EQ(problem([](BmpSpec& s) { s.compression = 1, s.bits = 8, s.height = -2; }),
              BmpProblem::notBmp);
    EXPECT_EQ(problem([](BmpSpec& s) { s.compression = 2, s.bits = 4, s.height = -2; }),
              BmpProblem::notBmp);
    // A JPEG inside a BMP; the header of OS/2 2.x.
    EXPECT_EQ(problem([](BmpSpec& s) { s.compression = 4; }), BmpProblem::unsupported);
    EXPECT_EQ(problem([](BmpSpec& s) { s.headerSize = 64; }), BmpProblem::unsupported);
    EXPECT_EQ(bmpProblemText(BmpProblem::unsupported), "a kind of BMP it cannot read");
    // Up to 2048 pixels on a side, as the README promises; a pixel more either way is
    // too large, however few bytes the picture takes.
    for (const auto& [width, height] :
         {std::pair{2048, 2048}, {2049, 1}, {1, 2049}, {2049, 2048}, {1 << 20, 1}}) {
        BmpSpec odd;
        odd.width = width;
        odd.height = height;
        odd.bits = 1;
        odd.palette = {Rgb{0, 0, 0}, Rgb{255, 255, 255}};
        const auto rowBytes = static_cast<std::size_t>((width + 31) / 32 * 4);
        odd.pixels = std::string(width <= 4096 ? rowBytes * height : 16, '\0');
        EXPECT_EQ(problem([&odd](BmpSpec& s) { s = odd; }),
                  width <= 2048 && height <= 2048 ? BmpProblem::none : BmpProblem::tooLarge)
            << width << " x " << height;
    }
    // A few bytes of run lengths asking for 8000 x 8000 pixels.
    EXPECT_EQ(problem([](BmpSpec& s) { s.compression = 1, s.bits = 8, s.width = s.height = 8000; }),
              BmpProblem::tooLarge);
    EXPECT_EQ(problem([](BmpSpec& s) { s.height = -2147483647 - 1; }), BmpProblem::tooLarge);
}

} // namespace
} // namespace quorvel

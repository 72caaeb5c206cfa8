#pragma once
// Windows BMP pictures as image editors write them, read strictly: a picture is read
// whole or not at all. A file cut short (a half-copied theme) is refused rather than
// drawn with whatever memory held, so the same file always gives the same result.
//
// Read: the Windows 3 header and its later forms (V2 to V5), the OS/2 1.x header;
// 1, 4, 8, 16, 24 and 32 bits a pixel; uncompressed, run-length (8 and 4 bits) and
// bit-field pictures; rows bottom-up or top-down. Pixels a run-length picture skips
// take its first palette colour. Alpha is not kept: the game's pictures are opaque.
//
// Plain C++ over bytes, so every damaged file can be tried without a disk.

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvel {

/// Why a BMP picture cannot be read.
enum class BmpProblem {
    none,
    empty,       ///< the file holds no bytes
    truncated,   ///< the headers, palette or pixels end before the picture does
    notBmp,      ///< no BMP signature, or headers that describe no picture
    unsupported, ///< a BMP of a kind it does not read (embedded JPEG or PNG, OS/2 2.x)
    tooLarge,    ///< wider or higher than any picture the game draws could be
};

/// A picture as 8-bit red, green, blue triples, rows from the top.
struct BmpPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; ///< width * height * 3 bytes
};

/// The widest and highest picture read: the game draws a theme's pictures at their
/// own size and its largest is the 240 x 240 view, so this leaves room for any picture
/// made for it and keeps each in 12 MB, however few bytes its file takes.
constexpr int maxBmpSide = 2048;

/// Reads a whole BMP file; on any problem, picture is empty and problem says why.
BmpProblem decodeBmp(std::string_view bytes, BmpPicture& picture);

/// The reason as a theme author reads it: "empty file", "truncated", "not a BMP
/// picture", "a kind of BMP it cannot read", "too large"; empty for none.
std::string_view bmpProblemText(BmpProblem problem);

} // namespace quorvel

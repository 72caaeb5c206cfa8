#include "theme/bmpfile.h"

#include <array>
#include <bit>

namespace quorvel {

namespace {

constexpr std::uint64_t fileHeaderSize = 14;
constexpr std::uint32_t coreHeaderSize = 12; ///< OS/2 1.x: 16-bit sizes, 3-byte palette

enum Compression : std::uint32_t {
    plain = 0,
    runs8 = 1,
    runs4 = 2,
    bitFields = 3,
    jpeg = 4,
    png = 5,
    alphaBitFields = 6,
};

using Colour = std::array<std::uint8_t, 3>; ///< red, green, blue

// Little-endian fields of the file; every read is checked with has() first.
class Bytes {
  public:
    explicit Bytes(std::string_view b) : m_b(b) {}
    std::uint64_t size() const { return m_b.size(); }
    bool has(std::uint64_t at, std::uint64_t n) const {
        return at <= m_b.size() && n <= m_b.size() - at;
    }
    std::uint32_t u8(std::uint64_t at) const { return static_cast<unsigned char>(m_b[at]); }
    std::uint32_t u16(std::uint64_t at) const { return u8(at) | u8(at + 1) << 8; }
    std::uint32_t u32(std::uint64_t at) const { return u16(at) | u16(at + 2) << 16; }

  private:
    std::string_view m_b;
};

// One colour of a bit-field pixel, scaled to 0..255.
class Channel {
  public:
    explicit Channel(std::uint32_t mask)
        : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0), m_max(mask >> m_shift) {}
    std::uint8_t operator()(std::uint32_t pixel) const {
        if (m_max == 0) return 0;
        const std::uint64_t v = (pixel & m_mask) >> m_shift;
        return static_cast<std::uint8_t>(v * 255 / m_max);
    }

  private:
    std::uint32_t m_mask;
    int m_shift;
    std::uint32_t m_max;
};

// What the headers say, checked.
struct Layout {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    std::uint32_t bits = 0;
    std::uint32_t compression = plain;
    std::array<std::uint32_t, 3> masks{}; ///< red, green, blue
    std::vector<Colour> palette;
    std::uint64_t dataStart = 0;
};

bool validBits(const Layout& l) {
    switch (l.compression) {
    case plain:
        return l.bits == 1 || l.bits == 4 || l.bits == 8 || l.bits == 16 || l.bits == 24 ||
               l.bits == 32;
    case runs8: return l.bits == 8 && !l.topDown;
    case runs4: return l.bits == 4 && !l.topDown;
    case bitFields:
    case alphaBitFields: return l.bits == 16 || l.bits == 32;
    default: return false;
    }
}

BmpProblem readHeaders(const Bytes& in, Layout& l) {
    if (!in.has(0, fileHeaderSize + 4)) return BmpProblem::truncated;
    const std::uint32_t headerSize = in.u32(fileHeaderSize);
    const bool core = headerSize == coreHeaderSize;
    if (headerSize == 16 || headerSize == 64) return BmpProblem::unsupported; // OS/2 2.x
    if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        return BmpProblem::notBmp;
    if (!in.has(fileHeaderSize, headerSize)) return BmpProblem::truncated;

    const std::uint64_t h = fileHeaderSize; // the picture header starts here
    std::uint32_t colours = 0;
    if (core) {
        l.width = in.u16(h + 4);
        l.height = in.u16(h + 6);
        l.bits = in.u16(h + 10);
    } else {
        l.width = static_cast<std::int32_t>(in.u32(h + 4));
        l.height = static_cast<std::int32_t>(in.u32(h + 8));
        l.bits = in.u16(h + 14);
        l.compression = in.u32(h + 16);
        colours = in.u32(h + 32);
    }
    l.topDown = l.height < 0;
    if (l.topDown) l.height = -l.height;
    if (l.compression == jpeg || l.compression == png) return BmpProblem::unsupported;
    if (l.width <= 0 || l.height <= 0 || !validBits(l)) return BmpProblem::notBmp;
    if (l.width > maxBmpSide || l.height > maxBmpSide) return BmpProblem::tooLarge;

    std::uint64_t at = h + headerSize;
    if (l.compression == bitFields || l.compression == alphaBitFields) {
        std::uint64_t masksAt = h + 40; // inside the later headers, else after the header
        if (headerSize == 40) {
            const std::uint64_t n = l.compression == alphaBitFields ? 16 : 12;
            if (!in.has(at, n)) return BmpProblem::truncated;
            masksAt = at;
            at += n;
        }
        l.masks = {in.u32(masksAt), in.u32(masksAt + 4), in.u32(masksAt + 8)};
    } else if (l.bits == 16) {
        l.masks = {0x7C00, 0x03E0, 0x001F};
    } else {
        l.masks = {0xFF0000, 0xFF00, 0xFF};
    }

    if (l.bits <= 8) {
        const std::uint32_t most = 1u << l.bits;
        const std::uint32_t entries = colours ? colours : most;
        if (entries > 256) return BmpProblem::notBmp;
        const std::uint64_t entrySize = core ? 3 : 4;
        if (!in.has(at, entries * entrySize)) return BmpProblem::truncated;
        for (std::uint32_t i = 0; i < entries && i < most; ++i) {
            const std::uint64_t e = at + i * entrySize;
            l.palette.push_back({static_cast<std::uint8_t>(in.u8(e + 2)),
                                 static_cast<std::uint8_t>(in.u8(e + 1)),
                                 static_cast<std::uint8_t>(in.u8(e))});
        }
        at += entries * entrySize;
    }

    // The pixels start where the file header says; a start inside the headers is a
    // writer's mistake, and the pixels then follow the palette.
    const std::uint64_t offset = in.u32(10);
    if (offset > in.size()) return BmpProblem::truncated;
    l.dataStart = offset >= at ? offset : at;
    return BmpProblem::none;
}

Colour paletteColour(const Layout& l, std::uint32_t index) {
    return index < l.palette.size() ? l.palette[index] : Colour{0, 0, 0};
}

void setPixel(BmpPicture& p, std::int64_t x, std::int64_t y, Colour c) {
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) +
                            static_cast<std::size_t>(x)) *
                           3;
    p.rgb[at] = c[0];
    p.rgb[at + 1] = c[1];
    p.rgb[at + 2] = c[2];
}

BmpProblem readPlain(const Bytes& in, const Layout& l, BmpPicture& p) {
    const std::uint64_t rowBits = static_cast<std::uint64_t>(l.width) * l.bits;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row may lack its padding; every pixel must be there.
    const std::uint64_t need =
        stride * static_cast<std::uint64_t>(l.height - 1) + (rowBits + 7) / 8;
    if (!in.has(l.dataStart, need)) return BmpProblem::truncated;
    const Channel red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]);
    for (std::int64_t row = 0; row < l.height; ++row) {
        const std::int64_t y = l.topDown ? row : l.height - 1 - row;
        const std::uint64_t start = l.dataStart + static_cast<std::uint64_t>(row) * stride;
        for (std::int64_t x = 0; x < l.width; ++x) {
            const auto ux = static_cast<std::uint64_t>(x);
            Colour c{};
            switch (l.bits) {
            case 1: c = paletteColour(l, (in.u8(start + ux / 8) >> (7 - ux % 8)) & 1); break;
            case 4: c = paletteColour(l, (in.u8(start + ux / 2) >> (ux % 2 ? 0 : 4)) & 0xF); break;
            case 8: c = paletteColour(l, in.u8(start + ux)); break;
            case 24:
                c = {static_cast<std::uint8_t>(in.u8(start + ux * 3 + 2)),
                     static_cast<std::uint8_t>(in.u8(start + ux * 3 + 1)),
                     static_cast<std::uint8_t>(in.u8(start + ux * 3))};
                break;
            default: { // 16 and 32 bits: the masks say where each colour lies
                const std::uint32_t v =
                    l.bits == 16 ? in.u16(start + ux * 2) : in.u32(start + ux * 4);
                c = {red(v), green(v), blue(v)};
            }
            }
            setPixel(p, x, y, c);
        }
    }
    return BmpProblem::none;
}

// Run-length pictures: pairs of a count and a palette index (8 bits) or two indices
// (4 bits), and escapes for the end of a row, the end of the picture, a jump, and a
// run of literal indices. Rows run from the bottom. Pixels never reached keep index 0.
BmpProblem readRuns(const Bytes& in, const Layout& l, BmpPicture& p) {
    const bool eight = l.compression == runs8;
    std::vector<std::uint8_t> index(static_cast<std::size_t>(l.width * l.height), 0);
    std::int64_t x = 0, y = 0; // y counts rows from the bottom
    const auto put = [&](std::uint32_t i) {
        if (x < l.width && y < l.height)
            index[static_cast<std::size_t>((l.height - 1 - y) * l.width + x)] =
                static_cast<std::uint8_t>(i);
        ++x;
    };
    std::uint64_t at = l.dataStart;
    bool complete = false;
    while (!complete) {
        if (y >= l.height) break;
        if (!in.has(at, 2)) {
            // Without its end mark the stream is whole only when every row was filled.
            if (y == l.height - 1 && x >= l.width) break;
            return BmpProblem::truncated;
        }
        const std::uint32_t count = in.u8(at), value = in.u8(at + 1);
        at += 2;
        if (count > 0) {
            for (std::uint32_t i = 0; i < count; ++i)
                put(eight ? value : (i % 2 ? value & 0xF : value >> 4));
            continue;
        }
        switch (value) {
        case 0: // end of row
            x = 0;
            ++y;
            break;
        case 1: complete = true; break; // end of picture
        case 2:                         // jump right and up
            if (!in.has(at, 2)) return BmpProblem::truncated;
            x += in.u8(at);
            y += in.u8(at + 1);
            at += 2;
            break;
        default: { // literal indices, padded to an even number of bytes
            const std::uint64_t bytes = eight ? value : (value + 1) / 2;
            if (!in.has(at, bytes)) return BmpProblem::truncated;
            for (std::uint32_t i = 0; i < value; ++i)
                put(eight ? in.u8(at + i)
                          : (i % 2 ? in.u8(at + i / 2) & 0xF : in.u8(at + i / 2) >> 4));
            at += bytes + bytes % 2;
        }
        }
    }
    for (std::int64_t row = 0; row < l.height; ++row)
        for (std::int64_t col = 0; col < l.width; ++col)
            setPixel(p, col, row,
                     paletteColour(l, index[static_cast<std::size_t>(row * l.width + col)]));
    return BmpProblem::none;
}

} // namespace

BmpProblem decodeBmp(std::string_view bytes, BmpPicture& picture) {
    picture = BmpPicture();
    if (bytes.empty()) return BmpProblem::empty;
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') return BmpProblem::notBmp;
    const Bytes in(bytes);
    Layout layout;
    if (const BmpProblem problem = readHeaders(in, layout); problem != BmpProblem::none)
        return problem;
    BmpPicture read;
    read.width = static_cast<int>(layout.width);
    read.height = static_cast<int>(layout.height);
    read.rgb.assign(static_cast<std::size_t>(layout.width * layout.height) * 3, 0);
    const bool runs = layout.compression == runs8 || layout.compression == runs4;
    const BmpProblem problem = runs ? readRuns(in, layout, read) : readPlain(in, layout, read);
    if (problem == BmpProblem::none) picture = std::move(read);
    return problem;
}

std::string_view bmpProblemText(BmpProblem problem) {
    switch (problem) {
    case BmpProblem::none: return {};
    case BmpProblem::empty: return "empty file";
    case BmpProblem::truncated: return "truncated";
    case BmpProblem::notBmp: return "not a BMP picture";
    case BmpProblem::unsupported: return "a kind of BMP it cannot read";
    case BmpProblem::tooLarge: return "too large";
    }
    return {};
}

} // namespace quorvel

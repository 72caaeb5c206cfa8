#include "overheadmap.h"

#include <cmath>

namespace quorvel {

MapColour MapPicture::pixel(int x, int y) const {
    if (!inside(x, y)) return mapcolour::black;
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

void MapPicture::setpixel(int x, int y, MapColour c) {
    if (!inside(x, y)) return;
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    rgb[i] = c.r;
    rgb[i + 1] = c.g;
    rgb[i + 2] = c.b;
}

int OverheadMap::pictureside(int size) {
    switch (size) {
    case 40:
    case 60:
    case 80:
    case 100:
    case 120: return size + 5;
    default: return 25;
    }
}

void OverheadMap::count(Tally& tally) const {
    tally.fill(0);
    if (!m_maze) return;
    for (int r = 0; r <= m_mapsize; ++r)
        for (int c = 0; c <= m_mapsize; ++c)
            ++tally[m_maze->at(r, c)];
}

void OverheadMap::setupmap(const Maze* maze, const std::string& player, int rotation, int size) {
    m_maze = maze;
    const int side = pictureside(size);
    m_picture.width = side;
    m_picture.height = side;
    m_picture.rgb.assign(static_cast<std::size_t>(side) * side * 3, 0);
    m_mapsize = size;
    m_maprotation = rotation;
    m_lastrow = m_lastcol = -1;
    count(m_placed);
    m_player = player.empty() ? "Friend" : player;
}

void OverheadMap::restore(int size, int rotation, int lastrow, int lastcol) {
    m_mapsize = size;
    m_maprotation = rotation;
    m_lastrow = lastrow;
    m_lastcol = lastcol;
}

int OverheadMap::mapx(int a, int b) const {
    const int m = m_mapsize + 4;
    switch (m_maprotation) {
    case 1: return m - b;
    case 2: return m - a;
    case 3: return b;
    default: return a;
    }
}

int OverheadMap::mapy(int a, int b) const {
    const int m = m_mapsize + 4;
    switch (m_maprotation) {
    case 1: return a;
    case 2: return m - b;
    case 3: return m - a;
    default: return b;
    }
}

void OverheadMap::plotcell(int a, int b, MapColour colour) {
    m_picture.setpixel(mapx(a, b), mapy(a, b), colour);
}

void OverheadMap::updatemaptools(bool inview, bool detector, bool beacon) {
    if (!m_maze || m_mapsize < 0) return;
    // What each cell code becomes: the last rule that applies wins; no rule, no paint.
    std::array<std::optional<MapColour>, 256> paint{};
    for (int code = 0; code < 256; ++code) {
        std::optional<MapColour>& c = paint[code];
        if (inview) {
            if (code == cellwallmap)
                c = mapcolour::silver;
            else if (iswall(code))
                c = mapcolour::gray;
        } else if (iswall(code) && code != cellwallmap) {
            c = mapcolour::black;
        }
        if (detector) {
            if (code == cellbatteryleft)
                c = mapcolour::red;
            else if (isclosedbox(code))
                c = mapcolour::fuchsia;
        }
        if (beacon && code == cellexit) c = mapcolour::lime;
    }
    // The turn is linear in row and column, so a cell's pixel is a base plus steps.
    const int n = m_mapsize;
    const int x0 = mapx(2, 2), y0 = mapy(2, 2);
    const int xr = mapx(3, 2) - x0, yr = mapy(3, 2) - y0;
    const int xc = mapx(2, 3) - x0, yc = mapy(2, 3) - y0;
    const bool fits =
        m_picture.inside(x0, y0) && m_picture.inside(x0 + n * (xr + xc), y0 + n * (yr + yc)) &&
        m_picture.inside(x0 + n * xr, y0 + n * yr) && m_picture.inside(x0 + n * xc, y0 + n * yc);
    for (int r = 0; r <= n; ++r) {
        for (int c = 0; c <= n; ++c) {
            const std::optional<MapColour>& colour = paint[m_maze->at(r, c)];
            if (!colour) continue;
            if (!fits) {
                plotcell(r + 2, c + 2, *colour);
                continue;
            }
            const std::size_t i =
                (static_cast<std::size_t>(y0 + r * yr + c * yc) * m_picture.width + x0 + r * xr +
                 c * xc) *
                3;
            m_picture.rgb[i] = colour->r;
            m_picture.rgb[i + 1] = colour->g;
            m_picture.rgb[i + 2] = colour->b;
        }
    }
}

void OverheadMap::updatemapposition(int row, int col, bool gps, bool tracker) {
    m_flashing = false;
    if (!m_maze || row < 0 || col < 0) return;
    if (m_lastrow >= 0 && m_lastcol >= 0) {
        const CellCode code = m_maze->at(m_lastrow, m_lastcol);
        MapColour colour = tracker ? mapcolour::aqua : mapcolour::black;
        if (code == cellbatteryleft)
            colour = mapcolour::red;
        else if (isclosedbox(code))
            colour = mapcolour::fuchsia;
        plotcell(m_lastrow + 2, m_lastcol + 2, colour);
    }
    m_lastrow = row;
    m_lastcol = col;
    if (gps) {
        plotcell(row + 2, col + 2, mapcolour::yellow);
        m_labelx = "X: " + std::to_string(mapx(row, col));
        m_labely = "Y: " + std::to_string(mapy(row, col));
        m_labels = true;
        m_flashing = true;
    } else {
        m_labels = false;
    }
}

void OverheadMap::zFlashTimer() {
    if (m_lastrow >= 0 && m_lastcol >= 0)
        plotcell(m_lastrow + 2, m_lastcol + 2, m_toggle ? mapcolour::yellow : mapcolour::navy);
    m_toggle = !m_toggle;
}

void OverheadMap::countremaining() {
    count(m_remaining);
}

std::int32_t OverheadMap::placedcount(int code) const {
    return code >= 0 && code <= 255 ? m_placed[code] : -1;
}

std::int32_t OverheadMap::remainingcount(int code) const {
    return code >= 0 && code <= 255 ? m_remaining[code] : -1;
}

std::string OverheadMap::hovertext(double x, double y, double width, double height,
                                   const std::string& boxphrase,
                                   const std::string& batteryword) const {
    if (!(width > 0) || !(height > 0)) return {};
    // The picture's own size, which is N + 5 for every map the game paints.
    const int px = static_cast<int>(std::trunc(x / width * m_picture.width));
    const int py = static_cast<int>(std::trunc(y / height * m_picture.height));
    if (!m_picture.inside(px, py)) return {};
    const MapColour c = m_picture.pixel(px, py);
    using namespace mapcolour;
    if (c == silver) return "A wall (map)";
    if (c == gray) return "A wall";
    if (c == fuchsia) return boxphrase;
    if (c == red) return boxphrase + " (" + batteryword + ")";
    if (c == aqua) return "Your path";
    if (c == lime) return "The exit";
    if (c == yellow || c == navy) return "Your location";
    return {};
}

// ---- bitmap files ------------------------------------------------------------------

namespace {

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    put16(out, at, v & 0xFFFF);
    put16(out, at + 2, v >> 16);
}
std::uint32_t get16(const std::vector<std::uint8_t>& in, std::size_t at) {
    return in[at] | (in[at + 1] << 8);
}
std::uint32_t get32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return get16(in, at) | (get16(in, at + 2) << 16);
}

constexpr std::size_t fileheader = 14;
constexpr std::size_t infoheader = 40;
constexpr int largestside = 4096; ///< far beyond any map; keeps a hostile file small

std::size_t rowbytes(int width) {
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

} // namespace

std::vector<std::uint8_t> encodebmp(const MapPicture& picture) {
    const std::size_t stride = rowbytes(picture.width);
    const std::size_t datasize = stride * picture.height;
    std::vector<std::uint8_t> out(fileheader + infoheader + datasize, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(out.size()));
    put32(out, 10, fileheader + infoheader);
    put32(out, 14, infoheader);
    put32(out, 18, static_cast<std::uint32_t>(picture.width));
    put32(out, 22, static_cast<std::uint32_t>(picture.height));
    put16(out, 26, 1);  // planes
    put16(out, 28, 24); // bits a pixel
    put32(out, 34, static_cast<std::uint32_t>(datasize));
    put32(out, 38, 2835); // 72 dots an inch
    put32(out, 42, 2835);
    for (int y = 0; y < picture.height; ++y) {
        std::size_t at = fileheader + infoheader + stride * (picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const MapColour c = picture.pixel(x, y);
            out[at++] = c.b;
            out[at++] = c.g;
            out[at++] = c.r;
        }
    }
    return out;
}

std::optional<MapPicture> decodebmp(const std::vector<std::uint8_t>& in) {
    if (in.size() < fileheader + infoheader || in[0] != 'B' || in[1] != 'M') return std::nullopt;
    const std::uint32_t offset = get32(in, 10);
    const std::uint32_t headersize = get32(in, 14);
    const auto width = static_cast<std::int32_t>(get32(in, 18));
    const auto rawheight = static_cast<std::int32_t>(get32(in, 22));
    if (headersize < infoheader || get16(in, 26) != 1 || get16(in, 28) != 24 || get32(in, 30) != 0)
        return std::nullopt;
    const bool topdown = rawheight < 0;
    const std::int64_t height = topdown ? -static_cast<std::int64_t>(rawheight) : rawheight;
    if (width < 1 || height < 1 || width > largestside || height > largestside) return std::nullopt;
    const std::size_t stride = rowbytes(width);
    if (offset < fileheader + headersize || offset > in.size() ||
        in.size() - offset < stride * static_cast<std::size_t>(height))
        return std::nullopt;
    MapPicture picture;
    picture.width = width;
    picture.height = static_cast<int>(height);
    picture.rgb.assign(static_cast<std::size_t>(width) * picture.height * 3, 0);
    for (int y = 0; y < picture.height; ++y) {
        const int row = topdown ? y : picture.height - 1 - y;
        std::size_t at = offset + stride * row;
        for (int x = 0; x < width; ++x, at += 3)
            picture.setpixel(x, y, {in[at + 2], in[at + 1], in[at]});
    }
    return picture;
}

} // namespace quorvel

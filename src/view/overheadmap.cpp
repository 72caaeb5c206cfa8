#include "view/overheadmap.h"

#include <algorithm>
#include <cmath>

#include "text/gametext.h"

namespace quorvel {

MapColour MapPicture::pixel(int x, int y) const {
    if (!inside(x, y)) return mapColour::black;
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

void MapPicture::setPixel(int x, int y, MapColour c) {
    if (!inside(x, y)) return;
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    rgb[i] = c.r;
    rgb[i + 1] = c.g;
    rgb[i + 2] = c.b;
}

int MapPicture::cellPixels(int deviceWidth, int deviceHeight) const {
    if (width < 1 || height < 1) return 1;
    return std::max(1, std::min(deviceWidth / width, deviceHeight / height));
}

int OverheadMap::pictureSide(int size) {
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
    for (int r = 0; r <= m_mapSize; ++r)
        for (int c = 0; c <= m_mapSize; ++c)
            ++tally[m_maze->at(r, c)];
}

void OverheadMap::setupMap(const Maze* maze, const std::string& player, int rotation, int size) {
    m_maze = maze;
    const int side = pictureSide(size);
    m_picture.width = side;
    m_picture.height = side;
    m_picture.rgb.assign(static_cast<std::size_t>(side) * side * 3, 0);
    m_mapSize = size;
    m_mapRotation = rotation;
    m_lastRow = m_lastCol = -1;
    count(m_placed);
    m_player = player.empty() ? "Friend" : player;
}

void OverheadMap::restore(int size, int rotation, int lastRow, int lastCol) {
    m_mapSize = size;
    m_mapRotation = rotation;
    // A saved game may hold any numbers here; one that is no cell of the maze is no
    // last position, so nothing is repainted there (nor computed from it).
    const bool inMaze = lastRow >= 0 && lastRow <= size && lastCol >= 0 && lastCol <= size;
    m_lastRow = inMaze ? lastRow : -1;
    m_lastCol = inMaze ? lastCol : -1;
}

int OverheadMap::mapX(int a, int b) const {
    const int m = m_mapSize + 4;
    switch (m_mapRotation) {
    case 1: return m - b;
    case 2: return m - a;
    case 3: return b;
    default: return a;
    }
}

int OverheadMap::mapY(int a, int b) const {
    const int m = m_mapSize + 4;
    switch (m_mapRotation) {
    case 1: return a;
    case 2: return m - b;
    case 3: return m - a;
    default: return b;
    }
}

void OverheadMap::plotCell(int a, int b, MapColour colour) {
    m_picture.setPixel(mapX(a, b), mapY(a, b), colour);
}

void OverheadMap::updateMapTools(bool inView, bool detector, bool beacon) {
    if (!m_maze || m_mapSize < 0) return;
    // What each cell code becomes: the last rule that applies wins; no rule, no paint.
    std::array<std::optional<MapColour>, 256> paint{};
    for (int code = 0; code < 256; ++code) {
        std::optional<MapColour>& c = paint[code];
        if (inView) {
            if (code == cellWallMap)
                c = mapColour::silver;
            else if (isWall(code))
                c = mapColour::gray;
        } else if (isWall(code) && code != cellWallMap) {
            c = mapColour::black;
        }
        if (detector) {
            if (code == cellBatteryLeft)
                c = mapColour::red;
            else if (isClosedBox(code))
                c = mapColour::fuchsia;
        }
        if (beacon && code == cellExit) c = mapColour::lime;
    }
    // The turn is linear in row and column, so a cell's pixel is a base plus steps.
    const int n = m_mapSize;
    const int x0 = mapX(2, 2), y0 = mapY(2, 2);
    const int xr = mapX(3, 2) - x0, yr = mapY(3, 2) - y0;
    const int xc = mapX(2, 3) - x0, yc = mapY(2, 3) - y0;
    const bool fits =
        m_picture.inside(x0, y0) && m_picture.inside(x0 + n * (xr + xc), y0 + n * (yr + yc)) &&
        m_picture.inside(x0 + n * xr, y0 + n * yr) && m_picture.inside(x0 + n * xc, y0 + n * yc);
    for (int r = 0; r <= n; ++r) {
        for (int c = 0; c <= n; ++c) {
            const std::optional<MapColour>& colour = paint[m_maze->at(r, c)];
            if (!colour) continue;
            if (!fits) {
                plotCell(r + 2, c + 2, *colour);
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

void OverheadMap::updateMapPosition(int row, int col, bool gps, bool tracker) {
    m_flashing = false;
    if (!m_maze || row < 0 || col < 0 || row >= gridSize || col >= gridSize) return;
    if (m_lastRow >= 0 && m_lastCol >= 0) {
        const CellCode code = m_maze->at(m_lastRow, m_lastCol);
        MapColour colour = tracker ? mapColour::aqua : mapColour::black;
        if (code == cellBatteryLeft)
            colour = mapColour::red;
        else if (isClosedBox(code))
            colour = mapColour::fuchsia;
        plotCell(m_lastRow + 2, m_lastCol + 2, colour);
    }
    m_lastRow = row;
    m_lastCol = col;
    if (gps) {
        plotCell(row + 2, col + 2, mapColour::yellow);
        m_labelX = "X: " + std::to_string(mapX(row, col));
        m_labelY = "Y: " + std::to_string(mapY(row, col));
        m_labels = true;
        m_flashing = true;
    } else {
        m_labels = false;
    }
}

void OverheadMap::blink() {
    if (m_lastRow >= 0 && m_lastCol >= 0)
        plotCell(m_lastRow + 2, m_lastCol + 2, m_toggle ? mapColour::yellow : mapColour::navy);
    m_toggle = !m_toggle;
}

void OverheadMap::countRemaining() {
    count(m_remaining);
}

std::int32_t OverheadMap::placedCount(int code) const {
    return code >= 0 && code <= 255 ? m_placed[code] : -1;
}

std::int32_t OverheadMap::remainingCount(int code) const {
    return code >= 0 && code <= 255 ? m_remaining[code] : -1;
}

std::string OverheadMap::hoverText(double x, double y, double width, double height,
                                   const std::string& boxPhrase,
                                   const std::string& batteryWord) const {
    if (!(width > 0) || !(height > 0)) return {};
    // The picture's own size, which is N + 5 for every map the game paints but may be
    // anything a map file held. A point off the picture (or no number at all) names
    // nothing; it is tested before it becomes a pixel index, which it may not fit.
    const double px = std::trunc(x / width * m_picture.width);
    const double py = std::trunc(y / height * m_picture.height);
    if (!(px >= 0 && px < m_picture.width && py >= 0 && py < m_picture.height)) return {};
    const MapColour c = m_picture.pixel(static_cast<int>(px), static_cast<int>(py));
    using namespace mapColour;
    if (c == silver) return gameText("quorvel::MapWindow", "A wall (map)");
    if (c == gray) return gameText("quorvel::MapWindow", "A wall");
    if (c == fuchsia) return boxPhrase;
    if (c == red) return fillIn(gameText("quorvel::MapWindow", "%1 (%2)"), {boxPhrase, batteryWord});
    if (c == aqua) return gameText("quorvel::MapWindow", "Your path");
    if (c == lime) return gameText("quorvel::MapWindow", "The exit");
    if (c == yellow || c == navy) return gameText("quorvel::MapWindow", "Your location");
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

constexpr std::size_t fileHeader = 14;
constexpr std::size_t infoHeader = 40;
constexpr int largestSide = 4096; ///< far beyond any map; keeps a hostile file small

std::size_t rowBytes(int width) {
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const MapPicture& picture) {
    const std::size_t stride = rowBytes(picture.width);
    const std::size_t datasize = stride * picture.height;
    std::vector<std::uint8_t> out(fileHeader + infoHeader + datasize, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(out.size()));
    put32(out, 10, fileHeader + infoHeader);
    put32(out, 14, infoHeader);
    put32(out, 18, static_cast<std::uint32_t>(picture.width));
    put32(out, 22, static_cast<std::uint32_t>(picture.height));
    put16(out, 26, 1);  // planes
    put16(out, 28, 24); // bits a pixel
    put32(out, 34, static_cast<std::uint32_t>(datasize));
    put32(out, 38, 2835); // 72 dots an inch
    put32(out, 42, 2835);
    for (int y = 0; y < picture.height; ++y) {
        std::size_t at = fileHeader + infoHeader + stride * (picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const MapColour c = picture.pixel(x, y);
            out[at++] = c.b;
            out[at++] = c.g;
            out[at++] = c.r;
        }
    }
    return out;
}

std::optional<MapPicture> decodeBmp(const std::vector<std::uint8_t>& in) {
    if (in.size() < fileHeader + infoHeader || in[0] != 'B' || in[1] != 'M') return std::nullopt;
    const std::uint32_t offset = get32(in, 10);
    const std::uint32_t headerSize = get32(in, 14);
    const auto width = static_cast<std::int32_t>(get32(in, 18));
    const auto rawHeight = static_cast<std::int32_t>(get32(in, 22));
    if (headerSize < infoHeader || get16(in, 26) != 1 || get16(in, 28) != 24 || get32(in, 30) != 0)
        return std::nullopt;
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
    if (width < 1 || height < 1 || width > largestSide || height > largestSide) return std::nullopt;
    const std::size_t stride = rowBytes(width);
    if (offset < fileHeader + headerSize || offset > in.size() ||
        in.size() - offset < stride * static_cast<std::size_t>(height))
        return std::nullopt;
    MapPicture picture;
    picture.width = width;
    picture.height = static_cast<int>(height);
    picture.rgb.assign(static_cast<std::size_t>(width) * picture.height * 3, 0);
    for (int y = 0; y < picture.height; ++y) {
        const int row = topDown ? y : picture.height - 1 - y;
        std::size_t at = offset + stride * row;
        for (int x = 0; x < width; ++x, at += 3)
            picture.setPixel(x, y, {in[at + 2], in[at + 1], in[at]});
    }
    return picture;
}

} // namespace quorvel

#pragma once
// The overhead map: a picture of one pixel per maze cell with a two-pixel black
// border, turned so that compass north is up, that starts black and is filled in
// only by what the player's tools reveal. Also the two per-code tallies of what the
// maze held when it was set up and when it was won.
//
// No widget code here: the map window shows the picture, runs the blink timer while
// flashing() says so, and shows the coordinate labels while labelsVisible() says so.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/maze.h"

namespace quorvel {

/// A colour of the map picture.
struct MapColour {
    std::uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const MapColour&) const = default;
};

namespace mapColour {
constexpr MapColour black{0, 0, 0};
constexpr MapColour gray{128, 128, 128};   ///< a wall
constexpr MapColour silver{192, 192, 192}; ///< the wall carrying the map picture
constexpr MapColour fuchsia{255, 0, 255};  ///< a closed box
constexpr MapColour red{255, 0, 0};        ///< a battery waiting in its box
constexpr MapColour lime{0, 255, 0};       ///< the exit
constexpr MapColour aqua{0, 255, 255};     ///< the player's trail
constexpr MapColour yellow{255, 255, 0};   ///< the player's place
constexpr MapColour navy{0, 0, 128};       ///< the player's place, other blink phase
} // namespace mapColour

/// A 24-bit picture, rows top to bottom, three bytes (red, green, blue) a pixel.
struct MapPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    MapColour pixel(int x, int y) const;
    /// Writes outside the picture are dropped.
    void setPixel(int x, int y, MapColour c);
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    /// The side of the square of whole device pixels each cell takes when the picture is
    /// shown in an area of deviceWidth x deviceHeight device pixels: as large as fits in
    /// both directions, at least 1. Every cell gets exactly this many, so the grid stays
    /// even at any zoom and screen density; what is left over stays black.
    int cellPixels(int deviceWidth, int deviceHeight) const;
};

using Tally = std::array<std::int32_t, 256>;

class OverheadMap {
  public:
    /// Prepares the map for a maze: a black picture of N + 5 pixels a side, no last
    /// position, the placed tally counted. The maze must outlive the map's use of it.
    void setupMap(const Maze* maze, const std::string& player, int rotation, int size);
    /// Repaints what the wall map (while in view), the detector and the beacon reveal.
    void updateMapTools(bool inView, bool detector, bool beacon);
    /// Moves the player's mark: repaints the last cell, then marks (row, col) with the
    /// G.P.S.; a cell outside the grid is ignored.
    void updateMapPosition(int row, int col, bool gps, bool tracker);
    /// One blink of the G.P.S. mark (every 250 milliseconds while flashing).
    void blink();
    /// Counts, per cell code, what the maze holds now.
    void countRemaining();

    /// The counter of a cell code; -1 when the code is not 0..255.
    std::int32_t placedCount(int code) const;
    std::int32_t remainingCount(int code) const;
    const Tally& placedTally() const { return m_placed; }
    const Tally& remainingTally() const { return m_remaining; }
    void setPlacedTally(const Tally& tally) { m_placed = tally; }

    /// The turn of the coordinates: grid point (a, b) to picture x and y.
    int mapX(int a, int b) const;
    int mapY(int a, int b) const;
    /// Paints the picture pixel of grid point (a, b).
    void plotCell(int a, int b, MapColour colour);

    /// What the mouse rests on at (x, y) of a view of the picture that is width x height
    /// pixels: "A wall", "Your path", the box phrase... or empty. boxPhrase is the box's
    /// name with its article and a capital; batteryWord the battery's singular word.
    std::string hoverText(double x, double y, double width, double height,
                          const std::string& boxPhrase, const std::string& batteryWord) const;

    const MapPicture& picture() const { return m_picture; }
    /// Replaces the picture (from a map file); any size is taken as it is.
    void setPicture(MapPicture picture) { m_picture = std::move(picture); }

    int mapsize() const { return m_mapSize; }
    int mapRotation() const { return m_mapRotation; }
    int lastRow() const { return m_lastRow; }
    int lastCol() const { return m_lastCol; }
    /// A saved game puts back its size, rotation and last position; a last position
    /// outside the maze (0..size) is taken as none (-1, -1).
    void restore(int size, int rotation, int lastRow, int lastCol);
    const std::string& mapPlayer() const { return m_player; }

    bool flashing() const { return m_flashing; }
    bool labelsVisible() const { return m_labels; }
    const std::string& labelX() const { return m_labelX; }
    const std::string& labelY() const { return m_labelY; }

    /// The picture's side for a maze size: N + 5 for the six sizes, else 25.
    static int pictureSide(int size);

  private:
    const Maze* m_maze = nullptr;
    int m_mapSize = -1;
    int m_mapRotation = -1;
    int m_lastRow = -1;
    int m_lastCol = -1;
    std::string m_player;
    Tally m_placed{};
    Tally m_remaining{};
    MapPicture m_picture;
    bool m_toggle = false; ///< blink phase; kept from game to game
    bool m_flashing = false;
    bool m_labels = false;
    std::string m_labelX = "X: 999";
    std::string m_labelY = "Y: 999";

    void count(Tally& tally) const;
};

/// The map picture as a Windows bitmap file: 24 bits a pixel, rows bottom-up, each
/// padded to four bytes, after the 14-byte file header and the 40-byte info header.
std::vector<std::uint8_t> encodeBmp(const MapPicture& picture);
/// Reads an uncompressed 24-bit bitmap file; nothing when the bytes are not one.
std::optional<MapPicture> decodeBmp(const std::vector<std::uint8_t>& bytes);

} // namespace quorvel

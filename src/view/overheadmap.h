#pragma once
// The overhead map: a picture of one pixel per maze cell with a two-pixel black
// border, turned so that compass north is up, that starts black and is filled in
// only by what the player's tools reveal. Also the two per-code tallies of what the
// maze held when it was set up and when it was won.
//
// No widget code here: the map window shows the picture, runs the blink timer while
// flashing() says so, and shows the coordinate labels while labelsvisible() says so.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "maze.h"

namespace quorvel {

/// A colour of the map picture.
struct MapColour {
    std::uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const MapColour&) const = default;
};

namespace mapcolour {
constexpr MapColour black{0, 0, 0};
constexpr MapColour gray{128, 128, 128};   ///< a wall
constexpr MapColour silver{192, 192, 192}; ///< the wall carrying the map picture
constexpr MapColour fuchsia{255, 0, 255};  ///< a closed box
constexpr MapColour red{255, 0, 0};        ///< a battery waiting in its box
constexpr MapColour lime{0, 255, 0};       ///< the exit
constexpr MapColour aqua{0, 255, 255};     ///< the player's trail
constexpr MapColour yellow{255, 255, 0};   ///< the player's place
constexpr MapColour navy{0, 0, 128};       ///< the player's place, other blink phase
} // namespace mapcolour

/// A 24-bit picture, rows top to bottom, three bytes (red, green, blue) a pixel.
struct MapPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    MapColour pixel(int x, int y) const;
    /// Writes outside the picture are dropped.
    void setpixel(int x, int y, MapColour c);
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

using Tally = std::array<std::int32_t, 256>;

class OverheadMap {
  public:
    /// Prepares the map for a maze: a black picture of N + 5 pixels a side, no last
    /// position, the placed tally counted. The maze must outlive the map's use of it.
    void setupmap(const Maze* maze, const std::string& player, int rotation, int size);
    /// Repaints what the wall map (while in view), the detector and the beacon reveal.
    void updatemaptools(bool inview, bool detector, bool beacon);
    /// Moves the player's mark: repaints the last cell, then marks (row, col) with the G.P.S.
    void updatemapposition(int row, int col, bool gps, bool tracker);
    /// One blink of the G.P.S. mark (every 250 milliseconds while flashing).
    void zFlashTimer();
    /// Counts, per cell code, what the maze holds now.
    void countremaining();

    /// The counter of a cell code; -1 when the code is not 0..255.
    std::int32_t placedcount(int code) const;
    std::int32_t remainingcount(int code) const;
    const Tally& placedtally() const { return m_placed; }
    const Tally& remainingtally() const { return m_remaining; }
    void setplacedtally(const Tally& tally) { m_placed = tally; }

    /// The turn of the coordinates: grid point (a, b) to picture x and y.
    int mapx(int a, int b) const;
    int mapy(int a, int b) const;
    /// Paints the picture pixel of grid point (a, b).
    void plotcell(int a, int b, MapColour colour);

    /// What the mouse rests on at (x, y) of a view of the picture that is width x height
    /// pixels: "A wall", "Your path", the box phrase... or empty. boxphrase is the box's
    /// name with its article and a capital; batteryword the battery's singular word.
    std::string hovertext(double x, double y, double width, double height,
                          const std::string& boxphrase, const std::string& batteryword) const;

    const MapPicture& picture() const { return m_picture; }
    /// Replaces the picture (from a map file); any size is taken as it is.
    void setpicture(MapPicture picture) { m_picture = std::move(picture); }

    int mapsize() const { return m_mapsize; }
    int maprotation() const { return m_maprotation; }
    int lastrow() const { return m_lastrow; }
    int lastcol() const { return m_lastcol; }
    /// A saved game puts back its size, rotation and last position.
    void restore(int size, int rotation, int lastrow, int lastcol);
    const std::string& mapplayer() const { return m_player; }

    bool flashing() const { return m_flashing; }
    bool labelsvisible() const { return m_labels; }
    const std::string& labelx() const { return m_labelx; }
    const std::string& labely() const { return m_labely; }

    /// The picture's side for a maze size: N + 5 for the six sizes, else 25.
    static int pictureside(int size);

  private:
    const Maze* m_maze = nullptr;
    int m_mapsize = -1;
    int m_maprotation = -1;
    int m_lastrow = -1;
    int m_lastcol = -1;
    std::string m_player;
    Tally m_placed{};
    Tally m_remaining{};
    MapPicture m_picture;
    bool m_toggle = false; ///< blink phase; kept from game to game
    bool m_flashing = false;
    bool m_labels = false;
    std::string m_labelx = "X: 999";
    std::string m_labely = "Y: 999";

    void count(Tally& tally) const;
};

/// The map picture as a Windows bitmap file: 24 bits a pixel, rows bottom-up, each
/// padded to four bytes, after the 14-byte file header and the 40-byte info header.
std::vector<std::uint8_t> encodebmp(const MapPicture& picture);
/// Reads an uncompressed 24-bit bitmap file; nothing when the bytes are not one.
std::optional<MapPicture> decodebmp(const std::vector<std::uint8_t>& bytes);

} // namespace quorvel

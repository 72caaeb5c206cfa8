#pragma once
// The colours the overhead map is shown in. The map picture always holds the standard
// colours: the map file keeps them and the hover texts read them. A player who cannot
// tell them apart may have the map shown in colours that stay apart for eyes blind to
// red, green or blue; they are swapped in only as the picture is painted on the screen.

#include <array>

#include "view/overheadmap.h"

namespace quorvel {

/// How the map is shown: in its own colours, or in the colour-blind-safe ones.
enum class MapPalette {
    standard,
    colourBlindSafe,
};

namespace safeMapColour {
constexpr MapColour black{0, 0, 0};         ///< nothing known stays black
constexpr MapColour gray{102, 102, 102};    ///< a wall
constexpr MapColour silver{220, 220, 220};  ///< the wall carrying the map picture
constexpr MapColour fuchsia{170, 120, 170}; ///< a closed box: a muted purple
constexpr MapColour red{230, 120, 0};       ///< a battery waiting in its box: orange
constexpr MapColour lime{16, 160, 120};     ///< the exit: bluish green
constexpr MapColour aqua{70, 200, 250};     ///< the player's trail: sky blue
constexpr MapColour yellow{240, 225, 70};   ///< the player's place
constexpr MapColour navy{0, 80, 200};       ///< the player's place, other blink phase
} // namespace safeMapColour

/// One thing the map shows, in the picture's colour and in the safe colour. The
/// player's place has two entries, one for each blink phase, under one name.
struct MapMeaning {
    const char* name;
    MapColour standard;
    MapColour safe;
};

/// Everything the map can show, black (nothing known) included.
extern const std::array<MapMeaning, 9> mapMeanings;

/// The colour a pixel of the map picture is shown in. A colour that means nothing on
/// the map (a map file may hold any) is shown as it is in either palette.
MapColour shownColour(MapColour picture, MapPalette palette);

} // namespace quorvel

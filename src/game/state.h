#pragma once
// The state of the game in progress: one value, owned by the game, that a saved game
// stores and restores whole.

#include <cstdint>

namespace quorvel {

struct GameState {
    std::int32_t foodlevel = 100;    ///< food left; the game is lost at 0 or below
    std::int32_t gemscore = 0;       ///< points from gems
    std::int32_t stepcount = 0;      ///< successful steps
    std::int32_t batterylevel = 100; ///< flashlight charge, percent
    std::int32_t batterysteps = 0;   ///< steps counted towards the next 1 % of drain
    std::int32_t batteryrate = 2;    ///< steps per 1 % of drain
    bool hascompass = false;
    bool hasgps = false;
    bool hastracker = false;
    bool hasbeacon = false;
    bool hasdetector = false;
    bool mapinview = false;        ///< the wall map is straight ahead
    double starttime = 0;          ///< days since 1899-12-30; the clock counts from here
    double elapsed = 0;            ///< playing time in days
    bool gameover = false;         ///< lost or won; the quit question is then skipped
    bool newgame = true;           ///< a freshly generated maze, not a loaded one
    std::int32_t indicatorage = 0; ///< completed steps since the message indicator lit
};

} // namespace quorvel

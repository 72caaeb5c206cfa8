#pragma once
// The state of the game in progress: one value, owned by the game, that a saved game
// stores and restores whole.

#include <cstdint>

namespace quorvel {

struct GameState {
    std::int32_t foodLevel = 100;    ///< food left; the game is lost at 0 or below
    std::int32_t gemScore = 0;       ///< points from gems
    std::int32_t stepCount = 0;      ///< successful steps
    std::int32_t batteryLevel = 100; ///< flashlight charge, percent
    std::int32_t batterySteps = 0;   ///< steps counted towards the next 1 % of drain
    std::int32_t batteryRate = 2;    ///< steps per 1 % of drain
    bool hasCompass = false;
    bool hasGps = false;
    bool hasTracker = false;
    bool hasBeacon = false;
    bool hasDetector = false;
    bool mapInView = false;        ///< the wall map is straight ahead
    double startTime = 0;          ///< days since 1899-12-30; the clock counts from here
    double elapsed = 0;            ///< playing time in days
    bool gameOver = false;         ///< lost or won; the quit question is then skipped
    bool newGame = true;           ///< a freshly generated maze, not a loaded one
    std::int32_t indicatorAge = 0; ///< completed steps since the message indicator lit
};

} // namespace quorvel

#pragma once
// What the windows share for the whole run: the one random stream, the clock, the
// message catalogue, the player's name and theme, and the sound. One game at a time.

#include <memory>
#include <string>

#include "besttimesfile.h"
#include "clock.h"
#include "messages.h"
#include "random.h"
#include "settingsfile.h"
#include "soundservice.h"

namespace quorvel {

struct Session {
    Random rng;
    SystemClock systemClock;
    const Clock* clock = &systemClock; ///< tests put a manual clock here
    MessageCatalogue catalogue{rng};
    std::string playerName;
    std::string themeName{defaultTheme};
    std::unique_ptr<SoundService> sound = std::make_unique<SilentSound>();
    BestTimesFile bestTimes; ///< the table read at each showing of the opening screen
};

} // namespace quorvel

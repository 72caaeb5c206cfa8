#pragma once
// What the windows share for the whole run: the one random stream, the clock, the
// message catalogue, the player's name and theme, and the sound. One game at a time.

#include <memory>
#include <string>

#include "files/besttimesfile.h"
#include "files/settingsfile.h"
#include "game/clock.h"
#include "game/random.h"
#include "screens/spokenplay.h"
#include "sound/soundservice.h"
#include "sound/speaker.h"
#include "theme/messages.h"
#include "widgets/dialogs.h"

namespace quorvel {

/// A problem with one of the game's files, shown to the player as an error dialog.
inline void showFileError(const std::string& title, const std::string& text) {
    errorBox(title, text);
}

struct Session {
    Random rng;
    SystemClock systemClock;
    const Clock* clock = &systemClock; ///< tests put a manual clock here
    MessageCatalogue catalogue{rng};
    std::string playerName;
    /// The player named on the command line (switch U, decoded), which the opening
    /// screen takes on its first showing; empty when none was named.
    std::string namedPlayer;
    std::string themeName{defaultTheme};
    std::unique_ptr<SoundService> sound = std::make_unique<SilentSound>();
    /// The speech service of spoken play; silent until spoken play is first switched on
    /// and makes the program's (tests put a recording speaker here).
    std::unique_ptr<Speaker> speaker = std::make_unique<SilentSpeaker>();
    /// Spoken play: off until the player switches it on; speaks through speaker.
    SpokenPlay spoken{speaker};
    /// The table read at each showing of the opening screen; its problems show as dialogs.
    BestTimesFile bestTimes{showFileError};
};

} // namespace quorvel

#pragma once
// What the windows and the game's use cases share for the whole run: the one random
// stream, the clock, the message catalogue, the player's name and theme, the sound,
// spoken play and the best times. One game at a time.

#include <memory>
#include <string>

#include "files/besttimesfile.h"
#include "files/settingsfile.h"
#include "game/clock.h"
#include "game/random.h"
#include "play/questions.h"
#include "play/spokenplay.h"
#include "sound/soundservice.h"
#include "sound/speaker.h"
#include "theme/messages.h"

namespace quorvel {

struct Session {
    Session() = default;
    Session(const Session&) = delete; // its parts refer to each other
    Session& operator=(const Session&) = delete;

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
    /// How the player is told of a problem and asked questions; the windows set their
    /// dialogs here when they are made. Unset, problems go to standard error and every
    /// question is answered No.
    PlayerQuestions* questions = nullptr;
    /// Spoken play: off until the player switches it on; speaks through speaker.
    SpokenPlay spoken{speaker, [this](const std::string& text) {
                          tellPlayer(Notice::warning, "Warning", text);
                      }};
    /// The table read at each showing of the opening screen; its problems are told.
    BestTimesFile bestTimes{[this](const std::string& title, const std::string& text) {
        tellPlayer(Notice::error, title, text);
    }};

    /// The questions set by the windows, else those of a program without windows.
    PlayerQuestions& ask() const { return questions ? *questions : unaskedQuestions(); }
    void tellPlayer(Notice notice, const std::string& title, const std::string& text) const {
        ask().tell(notice, title, text);
    }
};

} // namespace quorvel

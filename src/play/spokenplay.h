#pragma once
// Spoken play: the game's words said aloud, so that it can be played by ear. Off unless
// the player switches it on (V on the opening and game screens); remembered per player.
// The words of one action of the player (a step: its messages, then what lies ahead) are
// gathered and said as one utterance when the action ends, so that they do not cut each
// other short; each utterance cuts short the one before, so speech never lags behind
// play. While spoken play is off nothing is said; the words of each action go to
// whenQuiet instead, when it is set, for a screen reader to read.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "sound/speaker.h"

class QObject;

namespace quorvel {

class SpokenPlay {
  public:
    /// Speaks through speaker, which the first switching on may replace (makeSpeaker);
    /// warns the player through warn when no speech service answers.
    SpokenPlay(std::unique_ptr<Speaker>& speaker, std::function<void(const std::string&)> warn);
    ~SpokenPlay();
    SpokenPlay(const SpokenPlay&) = delete;
    SpokenPlay& operator=(const SpokenPlay&) = delete;

    /// Makes the speech service the first time spoken play is switched on in a run, so
    /// that no service is touched for a player who never asks for speech; unset, the
    /// speaker given serves as it is.
    std::function<std::unique_ptr<Speaker>()> makeSpeaker;
    /// Takes the words of each action while spoken play is off (the game screen hands them
    /// to screen readers); a dialog's own words never come here, as a reader reads it.
    std::function<void(const std::string&)> whenQuiet;

    bool isOn() const { return m_on; }
    /// True while words are wanted: spoken play is on, or a screen reader takes them.
    bool gathers() const { return m_on || whenQuiet; }
    /// Switches spoken play for the player (stored when a player is named) and says
    /// "Spoken play on." followed by then, or "Spoken play off.".
    void switchTo(bool on, std::string_view player, std::string_view then = {});
    /// Spoken play on from the start of the run, before any player is named; a player's
    /// stored switch does not turn it off in this run. The speech service starts now.
    void startOn();
    /// The player's stored switch, taken without a word; a player the settings file says
    /// nothing of keeps the switch as it is, and has it stored.
    void applyPlayer(std::string_view player);

    /// Says text, or adds it to the words of the action under way.
    void say(std::string_view text);
    /// What lies ahead after the action under way, said after its other words; a later
    /// view of the same action replaces an earlier one.
    void sayView(std::string_view text);
    /// Says text at once, after what the action under way has gathered: a dialog that
    /// opens in the middle of an action and waits for the player.
    void sayNow(std::string_view text);

    /// While one lives, what is said gathers; when the last one ends it is said as one.
    class Action {
      public:
        explicit Action(SpokenPlay& spoken) : m_spoken(spoken) { ++m_spoken.m_depth; }
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

      private:
        SpokenPlay& m_spoken;
    };

  private:
    std::unique_ptr<Speaker>& m_speaker;
    std::function<void(const std::string&)> m_warn;
    bool m_on = false;
    bool m_made = false; ///< the speech service was asked for in this run
    bool m_told = false; ///< the player was told that the game cannot speak
    bool m_held = false; ///< on for the whole run (startOn)
    int m_depth = 0;
    std::string m_words;                ///< gathered in the action under way
    std::string m_view;                 ///< what lies ahead after it
    std::unique_ptr<QObject> m_context; ///< the notice's later try goes with spoken play

    void turnOn();
    void tellCannotSpeak();
    void flush(std::string_view last = {});
    void sayOrTell(const std::string& words);
};

} // namespace quorvel

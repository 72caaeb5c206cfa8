#pragma once
// What the windows ask of sound and music. Audio (audio.h) implements it over SDL2's
// audio device and FluidSynth; SilentSound plays nothing (no audio device, and tests).

#include <string>

#include "game/soundmode.h"
#include "game/sounds.h"

namespace quorvel {

/// What the sound cues tell after a step: the openings beside the player's new cell
/// (which the view does not show) and whether a closed box or the exit lies ahead as
/// far as the view shows.
struct StepCue {
    bool left = false;
    bool right = false;
    bool ahead = false;
    bool any() const { return left || right || ahead; }
};

class SoundService {
  public:
    virtual ~SoundService() = default;

    /// Plays a theme's sound by name, else its fallback, else the built-in one.
    virtual void playSound(const std::string& theme, const std::string& name,
                           const std::string& fallback, SoundMode mode) = 0;
    /// Plays one of the rules' sounds from its theme file, else its fallback (the
    /// fallback plain's would have, when a random remark stands in for plain).
    void playSound(const std::string& theme, Sound sound, Sound plain, SoundMode mode);
    /// The built-in intro, unless the intro is switched off.
    virtual void playIntro() = 0;
    virtual void stopSound() = 0;
    /// Starts the theme's music (or the program's) unless music is switched off.
    virtual void playMusic(const std::string& theme, const std::string& name) = 0;
    virtual void stopMusic() = 0;
    virtual void closeMusic() = 0;
    /// The built-in cues for a step, on a channel of their own beside the effects (a
    /// cue never cuts a sound effect, nor waits for one); nothing unless cues are on.
    virtual void playCue(const StepCue& cue) = 0;

    // The player's switches.
    bool noSound = false;
    bool noMusic = false;
    bool noIntro = false;
    bool cues = false; ///< the step cues, on their own switch: noSound leaves them be

    virtual void loadSoundSettings(const std::string& player) { (void)player; }
    virtual void saveSoundSettings(const std::string& player) { (void)player; }
};

/// Plays nothing; keeps the switches.
class SilentSound : public SoundService {
  public:
    void playSound(const std::string&, const std::string&, const std::string&, SoundMode) override {
    }
    void playIntro() override {}
    void stopSound() override {}
    void playMusic(const std::string&, const std::string&) override {}
    void stopMusic() override {}
    void closeMusic() override {}
    void playCue(const StepCue&) override {}
};

} // namespace quorvel

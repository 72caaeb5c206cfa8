#pragma once
// What the windows ask of sound and music. Audio (audio.h) implements it over SDL2's
// audio device and FluidSynth; SilentSound plays nothing (no audio device, and tests).

#include <string>

#include "game/soundmode.h"

namespace quorvel {

class SoundService {
  public:
    virtual ~SoundService() = default;

    /// Plays a theme's sound by name, else its fallback, else the built-in one.
    virtual void playSound(const std::string& theme, const std::string& name,
                           const std::string& fallback, SoundMode mode) = 0;
    /// The built-in intro, unless the intro is switched off.
    virtual void playIntro() = 0;
    virtual void stopSound() = 0;
    /// Starts the theme's music (or the program's) unless music is switched off.
    virtual void playMusic(const std::string& theme, const std::string& name) = 0;
    virtual void stopMusic() = 0;
    virtual void closeMusic() = 0;

    // The player's three switches.
    bool noSound = false;
    bool noMusic = false;
    bool noIntro = false;

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
};

} // namespace quorvel

#pragma once
// What the windows ask of sound and music. The sound layer over SDL2_mixer
// implements it; SilentSound plays nothing (no audio device, and tests).

#include <string>

namespace quorvel {

class SoundService {
public:
    virtual ~SoundService() = default;

    /// Plays a theme's sound by name, else its fallback, else the built-in one.
    /// Modes: 0 only when no sound plays, 1 cut in, 2 play to the end first.
    virtual void playsoundfx(const std::string& theme, const std::string& name,
                             const std::string& fallback, int mode) = 0;
    /// The built-in intro, unless the intro is switched off.
    virtual void playintro() = 0;
    virtual void stopsound() = 0;
    /// Starts the theme's music (or the program's) unless music is switched off.
    virtual void playmusic(const std::string& theme, const std::string& name) = 0;
    virtual void stopmusic() = 0;
    virtual void closemusic() = 0;

    // The player's three switches.
    bool nosound = false;
    bool nomusic = false;
    bool nointro = false;

    virtual void loadsoundsettings(const std::string& player) { (void)player; }
    virtual void savesoundsettings(const std::string& player) { (void)player; }
};

/// Plays nothing; keeps the switches.
class SilentSound : public SoundService {
public:
    void playsoundfx(const std::string&, const std::string&, const std::string&, int) override {}
    void playintro() override {}
    void stopsound() override {}
    void playmusic(const std::string&, const std::string&) override {}
    void stopmusic() override {}
    void closemusic() override {}
};

}  // namespace quorvel

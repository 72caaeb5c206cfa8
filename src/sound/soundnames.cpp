#include "sound/soundnames.h"

#include <array>

#include "sound/soundservice.h"

namespace quorvel {

namespace {

// In the order of Sound.
constexpr std::array<SoundNames, static_cast<std::size_t>(Sound::quit) + 1> names = {{
    {"", ""},
    {"start", ""},
    // A step's fallback is itself: a random remark standing in for a step falls back
    // to the plain step.
    {"walk", "walk"},
    {"stepback", "walk"},
    {"running", "walk"},
    {"turn", ""},
    {"random1", ""},
    {"random2", ""},
    {"random3", ""},
    {"hungry", "warning"},
    {"starving", "warning"},
    {"blocked", ""},
    {"run", ""},
    {"stop", "blocked"},
    {"map", ""},
    {"exit", ""},
    {"hint", ""},
    {"open", ""},
    {"empty", "box"},
    {"stone", "box"},
    {"gps", "box"},
    {"tracker", "box"},
    {"detector", "box"},
    {"beacon", "box"},
    {"gem1", "gem"},
    {"gem3", "gem"},
    {"gem5", "gem"},
    {"gemtrap", "trap"},
    {"foodtrap", "trap"},
    {"battery", "box"},
    {"compass", "box"},
    {"food", ""},
    {"usebatt", "use"},
    {"yell", ""},
    {"laugh", ""},
    {"cry", ""},
    {"jump", ""},
    {"dance", ""},
    {"win", ""},
    {"lose", ""},
    {"quit", ""},
}};

} // namespace

SoundNames soundNames(Sound sound) {
    const auto i = static_cast<std::size_t>(sound);
    return i < names.size() ? names[i] : names[0];
}

std::string soundFallback(Sound sound, Sound plain) {
    return soundNames(plain == Sound::none ? sound : plain).fallback;
}

void SoundService::playSound(const std::string& theme, Sound sound, Sound plain, SoundMode mode) {
    playSound(theme, soundNames(sound).name, soundFallback(sound, plain), mode);
}

} // namespace quorvel

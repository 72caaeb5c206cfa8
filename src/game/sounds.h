#pragma once
// The sounds the rules play, named by what happens. The sound layer knows the theme
// file each one plays and the file it falls back to (sound/soundnames.h).

#include <cstdint>

namespace quorvel {

enum class Sound : std::uint8_t {
    none, ///< no sound (an end screen without one)
    start,
    walk,
    stepback,
    running,
    turn,
    random1, ///< the three random remarks that now and then stand in for a step or turn
    random2,
    random3,
    hungry,
    starving,
    blocked,
    run,
    stop,
    map,
    exit,
    hint,
    open,
    empty,
    stone,
    gps,
    tracker,
    detector,
    beacon,
    gem1,
    gem3,
    gem5,
    gemtrap,
    foodtrap,
    battery,
    compass,
    food,
    usebatt,
    yell,
    laugh,
    cry,
    jump,
    dance,
    win,
    lose,
    quit,
};

} // namespace quorvel

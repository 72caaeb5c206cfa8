#include <algorithm>
#include <cmath>
#include <numbers>

#include "sounds.h"

namespace soundGen {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;

double sec(std::size_t i) {
    return static_cast<double>(i) / samplerate;
}

/// A footStep on stone: a soft heel thump, the grit of the sole, a light toe scuff.
Buffer footStep(std::uint32_t seed, double pitch, double weight) {
    Buffer b(static_cast<std::size_t>(samples(0.2)), 0.0);
    Noise noise(seed);
    LowPass grit1(1400 * pitch), grit2(1400 * pitch);
    BandPass scuff(2600 * pitch, 0.9);
    double phase = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = sec(i);
        const double f = 55 * pitch + 70 * pitch * std::exp(-t / 0.02);
        phase += twoPi * f / samplerate;
        const double thump = weight * std::sin(phase) * std::exp(-t / 0.028);
        const double n = noise.next();
        const double g = grit2(grit1(n)) * 2.2 * std::exp(-t / 0.02);
        const double ts = t - 0.055;
        const double s =
            ts > 0 ? scuff(n) * 0.35 * std::exp(-ts / 0.03) * std::min(1.0, ts / 0.01) : scuff(0.0);
        b[i] = thump + g + s;
    }
    return b;
}

Buffer walk() {
    Buffer b;
    mix(b, footStep(11, 1.0, 0.9), 0.0);
    finish(b, 0.22, -9.0, 0.002, 0.04);
    return b;
}

Buffer run() {
    Buffer b;
    mix(b, footStep(21, 1.05, 0.8), 0.0, 0.9);
    mix(b, footStep(22, 0.97, 0.8), 0.15, 1.0);
    mix(b, footStep(23, 1.08, 0.8), 0.29, 0.95);
    mix(b, footStep(24, 1.0, 0.8), 0.42, 0.85);
    // The rush of air as the player sets off.
    Buffer air(static_cast<std::size_t>(samples(0.62)), 0.0);
    Noise noise(25);
    LowPass soft1(700), soft2(2200);
    for (std::size_t i = 0; i < air.size(); ++i) {
        const double t = sec(i);
        const double n = noise.next();
        const double env = std::sin(std::numbers::pi * std::min(1.0, t / 0.62));
        air[i] = (soft2(n) - soft1(n)) * env * 0.35;
    }
    mix(b, air, 0.0);
    finish(b, 0.62, -7.0, 0.002, 0.06);
    return b;
}

Buffer blocked() {
    Buffer b(static_cast<std::size_t>(samples(0.36)), 0.0);
    Noise noise(31);
    LowPass body1(500), body2(500);
    double phase = 0, phase2 = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = sec(i);
        const double f = 48 + 55 * std::exp(-t / 0.03);
        phase += twoPi * f / samplerate;
        phase2 += twoPi * 2.3 * f / samplerate;
        const double thud =
            std::sin(phase) * std::exp(-t / 0.08) + 0.35 * std::sin(phase2) * std::exp(-t / 0.04);
        const double hit = body2(body1(noise.next())) * 3.0 * std::exp(-t / 0.025);
        b[i] = std::tanh(1.6 * (thud + hit)); // a little weight, rounded, never clipped
    }
    finish(b, 0.36, -7.0, 0.001, 0.06);
    return b;
}

/// A knock on hollow wood: two resonances of the box rung by a short burst.
Buffer knock(std::uint32_t seed, double pitch) {
    Buffer b(static_cast<std::size_t>(samples(0.16)), 0.0);
    Noise noise(seed);
    BandPass low(420 * pitch, 14), high(1150 * pitch, 16), click(3000, 1.5);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = sec(i);
        const double burst = noise.next() * std::exp(-t / 0.004);
        b[i] = std::tanh(9.0 * low(burst) + 5.0 * high(burst) + 0.6 * click(burst));
    }
    return b;
}

Buffer box() {
    Buffer b;
    mix(b, knock(41, 1.0), 0.0);
    // The lid's hinge: a short creak of tiny clicks that speed up.
    Buffer creak(static_cast<std::size_t>(samples(0.22)), 0.0);
    BandPass ring(1250, 10);
    double phase = 0;
    for (std::size_t i = 0; i < creak.size(); ++i) {
        const double t = sec(i);
        const double rate = 35 + 90 * t;
        const double before = phase;
        phase += rate / samplerate;
        const double pulse = std::floor(phase) != std::floor(before) ? 1.0 : 0.0;
        creak[i] = ring(pulse) * std::sin(std::numbers::pi * t / 0.22) * 6.0;
    }
    mix(b, creak, 0.05, 0.55);
    mix(b, knock(42, 1.12), 0.29, 0.55); // the lid falls open
    finish(b, 0.48, -4.0, 0.001, 0.05);
    return b;
}

/// A marimba-like note.
Buffer marimba(double freq, double seconds) {
    return strike(freq, seconds, {{1.0, 1.0, 0.16}, {3.93, 0.35, 0.03}, {9.2, 0.08, 0.01}});
}

Buffer food() {
    Buffer b;
    mix(b, marimba(783.99, 0.4), 0.0, 0.8);    // G5
    mix(b, marimba(1046.50, 0.45), 0.11, 1.0); // C6
    finish(b, 0.56, -5.0, 0.002, 0.08);
    return b;
}

/// A small bell with slightly inharmonic partials.
Buffer bell(double freq, double seconds, double length) {
    return strike(freq, seconds,
                  {{1.0, 1.0, length},
                   {2.0, 0.45, length * 0.6},
                   {2.76, 0.3, length * 0.4},
                   {5.40, 0.12, length * 0.2},
                   {1.003, 0.4, length}}); // a slow beat against the fundamental
}

Buffer gem() {
    Buffer b;
    const double notes[] = {1318.51, 1661.22, 1975.53, 2637.02, 3322.44}; // E6 G#6 B6 E7 G#7
    for (int i = 0; i < 5; ++i)
        mix(b, bell(notes[i], 0.8, 0.22), 0.045 * i, 0.9 - 0.08 * i);
    // A glitter of high noise that fades with the notes.
    Buffer glitter(static_cast<std::size_t>(samples(0.7)), 0.0);
    Noise noise(51);
    BandPass air(7000, 2.0);
    for (std::size_t i = 0; i < glitter.size(); ++i) {
        const double t = sec(i);
        const double twinkle = 0.5 + 0.5 * std::sin(twoPi * 23 * t);
        glitter[i] = air(noise.next()) * std::exp(-t / 0.18) * twinkle * 0.5;
    }
    mix(b, glitter, 0.0);
    finish(b, 0.95, -5.0, 0.002, 0.15);
    return b;
}

Buffer hint() {
    Buffer b;
    mix(b, bell(659.25, 1.3, 0.55), 0.0, 1.0);   // E5
    mix(b, bell(987.77, 1.1, 0.45), 0.19, 0.75); // B5
    finish(b, 1.3, -5.0, 0.002, 0.25);
    return b;
}

Buffer trap() {
    Buffer b;
    // The snap of a spring: a hard click and a bright metallic ring.
    Buffer snap(static_cast<std::size_t>(samples(0.12)), 0.0);
    Noise noise(61);
    BandPass crack(3500, 1.2);
    for (std::size_t i = 0; i < snap.size(); ++i) {
        const double t = sec(i);
        snap[i] = crack(noise.next()) * 2.5 * std::exp(-t / 0.006) +
                  0.45 * std::sin(twoPi * 1870 * t) * std::exp(-t / 0.035) +
                  0.25 * std::sin(twoPi * 2710 * t) * std::exp(-t / 0.02);
    }
    mix(b, snap, 0.0);
    // Then the sinking "womp" of something lost: a falling, darkening tone.
    Buffer womp(static_cast<std::size_t>(samples(0.5)), 0.0);
    LowPass dark(1200);
    double phase = 0;
    for (std::size_t i = 0; i < womp.size(); ++i) {
        const double t = sec(i);
        const double f = 330 * std::pow(0.33, t / 0.5);
        phase += twoPi * f / samplerate;
        double v = 0;
        for (int h = 1; h <= 8; ++h)
            v += std::sin(h * phase) / h;
        const double env = std::min(1.0, t / 0.02) * std::exp(-t / 0.25);
        womp[i] = dark(v) * env * 0.6;
    }
    mix(b, womp, 0.06);
    finish(b, 0.6, -4.0, 0.001, 0.1);
    return b;
}

Buffer use() {
    Buffer b(static_cast<std::size_t>(samples(0.42)), 0.0);
    double phase = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = sec(i);
        const double f = 330 * std::pow(3.0, std::min(1.0, t / 0.3));
        phase += twoPi * f / samplerate;
        const double hum = 1.0 + 0.25 * std::sin(twoPi * 14 * t);
        const double env = std::min(1.0, t / 0.012) * (t < 0.3 ? 1.0 : std::exp(-(t - 0.3) / 0.04));
        b[i] =
            (std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase)) * env * hum;
    }
    // The click of the battery seating.
    mix(b, knock(71, 2.2), 0.0, 0.25);
    finish(b, 0.42, -11.0, 0.002, 0.05);
    return b;
}

/// A soft square-ish beep: odd harmonics only, a few of them.
Buffer beep(double freq, double seconds) {
    Buffer b(static_cast<std::size_t>(samples(seconds)), 0.0);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = sec(i);
        const double env = std::min({1.0, t / 0.006, (seconds - t) / 0.02});
        b[i] = env * (std::sin(twoPi * freq * t) + 0.22 * std::sin(twoPi * 3 * freq * t) +
                      0.07 * std::sin(twoPi * 5 * freq * t));
    }
    return b;
}

Buffer warning() {
    Buffer b;
    mix(b, beep(880, 0.11), 0.0);
    mix(b, beep(740, 0.13), 0.18);
    finish(b, 0.34, -14.0, 0.002, 0.02);
    return b;
}

/// A warm pad note: three slightly detuned voices with soft harmonics.
Buffer pad(double freq, double seconds, double attack) {
    Buffer b(static_cast<std::size_t>(samples(seconds)), 0.0);
    const double detune[] = {0.997, 1.0, 1.0035};
    LowPass soft(1800);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = sec(i);
        double v = 0;
        for (double d : detune) {
            const double f = freq * d;
            v += std::sin(twoPi * f * t) + 0.3 * std::sin(twoPi * 2 * f * t) +
                 0.12 * std::sin(twoPi * 3 * f * t);
        }
        const double swell = std::min(1.0, t / attack);
        const double release = std::min(1.0, (seconds - t) / 1.2);
        b[i] = soft(v) * swell * swell * std::max(0.0, release);
    }
    return b;
}

Buffer intro() {
    const double length = 4.2;
    Buffer b;
    // A minor with an added ninth, swelling out of the dark.
    for (double f : {110.0, 220.0, 261.63, 329.63, 493.88})
        mix(b, pad(f, length, 1.1), 0.0, f < 200 ? 0.22 : 0.12);
    // A deep, soft boom under it.
    mix(b, strike(55.0, 2.0, {{1.0, 1.0, 0.6}, {2.0, 0.3, 0.3}}), 0.0, 0.5);
    // A bell line wandering above: E5 A5 G5 E5 B5.
    const struct {
        double at, freq, gain;
    } line[] = {{0.35, 659.25, 0.5},
                {0.95, 880.0, 0.55},
                {1.55, 783.99, 0.45},
                {2.1, 659.25, 0.45},
                {2.65, 987.77, 0.5}};
    for (const auto& n : line)
        mix(b, bell(n.freq, length - n.at, 0.5), n.at, n.gain);
    finish(b, length, -3.0, 0.01, 0.6);
    return b;
}

/// The side cue: a soft wooden tock with a breath of noise, short and broad enough to
/// be placed left or right by the ear, and unlike any footstep.
Buffer sideCue() {
    Buffer b;
    mix(b, strike(740, 0.07, {{1.0, 1.0, 0.016}, {2.42, 0.35, 0.008}, {5.1, 0.1, 0.004}}), 0.0);
    Buffer breath(static_cast<std::size_t>(samples(0.04)), 0.0);
    Noise noise(81);
    BandPass air(2400, 1.4);
    for (std::size_t i = 0; i < breath.size(); ++i)
        breath[i] = air(noise.next()) * 0.5 * std::exp(-sec(i) / 0.008);
    mix(b, breath, 0.0);
    finish(b, 0.07, -14.0, 0.002, 0.03);
    return b;
}

/// The cue for something ahead: two quick rising glass pips, bright where the side
/// cue is dull.
Buffer aheadCue() {
    Buffer b;
    const std::vector<Partial> glass = {{1.0, 1.0, 0.02}, {2.0, 0.2, 0.01}};
    mix(b, strike(1567.98, 0.04, glass), 0.0);    // G6
    mix(b, strike(2093.00, 0.045, glass), 0.038); // C7
    finish(b, 0.085, -16.0, 0.002, 0.02);
    return b;
}

} // namespace

std::vector<Sound> makeCues() {
    return {{"AHEAD", aheadCue()}, {"SIDE", sideCue()}};
}

std::vector<Sound> makeSounds() {
    return {{"BLOCKED", blocked()}, {"BOX", box()},     {"FOOD", food()},      {"GEM", gem()},
            {"HINT", hint()},       {"INTRO", intro()}, {"RUN", run()},        {"TRAP", trap()},
            {"USE", use()},         {"WALK", walk()},   {"WARNING", warning()}};
}

} // namespace soundGen

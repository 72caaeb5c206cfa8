#pragma once
// The small synthesiser behind the built-in sounds: mono buffers of doubles at one
// sample rate, a few oscillators, filters and envelopes, and the finishing pass that
// makes every sound start and end in silence at a chosen peak level.

#include <cstdint>
#include <string>
#include <vector>

namespace soundGen {

inline constexpr int samplerate = 22050;

using Buffer = std::vector<double>;

/// A deterministic noise source (its own linear congruential stream).
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : m_seed(seed) {}
    /// Uniform in [-1, 1).
    double next();

  private:
    std::uint32_t m_seed;
};

/// Samples in `seconds` of sound.
int samples(double seconds);

/// A one-pole low-pass filter; cutoff in hertz.
class LowPass {
  public:
    explicit LowPass(double cutoff);
    double operator()(double x);

  private:
    double m_a;
    double m_y = 0;
};

/// A band-pass biquad (constant peak gain); centre in hertz, q the sharpness.
class BandPass {
  public:
    BandPass(double centre, double q);
    double operator()(double x);

  private:
    double m_b0, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

/// Adds src into dst starting at `at` seconds, scaled by gain; dst grows as needed.
void mix(Buffer& dst, const Buffer& src, double at, double gain = 1.0);

/// A struck tone of sine partials: frequencies are ratio * freq, each decaying with
/// its own time constant (seconds); a 2 ms attack avoids a click.
struct Partial {
    double ratio;
    double amp;
    double decay;
};
Buffer strike(double freq, double seconds, const std::vector<Partial>& partials);

/// Finishes a sound: removes any DC, fades in over fadeIn and out over fadeOut
/// (seconds), trims to length, and scales to a peak of peakDb dBFS.
void finish(Buffer& b, double seconds, double peakDb, double fadeIn = 0.003, double fadeOut = 0.02);

/// 16-bit mono PCM WAV bytes of a finished buffer.
std::string waveBytes(const Buffer& b);

/// Writes bytes to path; false on failure.
bool writeFile(const std::string& path, const std::string& bytes);

} // namespace soundGen

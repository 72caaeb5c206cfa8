#pragma once
// The one shared random stream of the game. The generator, the message catalogue
// and the step-sound picker all draw from the same object, in the order the rules
// make their draws, so a seed fixes a whole game.

#include <cstdint>
#include <functional>
#include <utility>

namespace quorvel {

class Random {
  public:
    explicit Random(std::uint32_t seed = 0) : m_seed(seed) {}

    /// One draw, 0 <= x < n. rand(0) is 0 and still advances the stream.
    std::uint32_t rand(std::uint32_t n) {
        m_seed = m_seed * 0x08088405u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{m_seed} * n) >> 32);
    }
    /// Seeds the stream from the high-resolution clock, or from the seed source when
    /// one is set.
    void seedRand();
    /// Where seedRand takes its seeds from now on, so a long run of games can be played
    /// again from one seed; an empty source restores the clock.
    void setSeedSource(std::function<std::uint32_t()> source) { m_seedSource = std::move(source); }

    std::uint32_t seed() const { return m_seed; }
    void setSeed(std::uint32_t seed) { m_seed = seed; }

  private:
    std::uint32_t m_seed;
    std::function<std::uint32_t()> m_seedSource;
};

} // namespace quorvel

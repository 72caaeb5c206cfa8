#include "game/random.h"

#include <chrono>

namespace quorvel {

void Random::seedRand() {
    if (m_seedSource) {
        m_seed = m_seedSource();
        return;
    }
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_seed = static_cast<std::uint32_t>(ticks) ^ static_cast<std::uint32_t>(ticks >> 32);
}

} // namespace quorvel

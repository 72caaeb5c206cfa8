#include "game/stepsound.h"

#include "game/random.h"

namespace quorvel {

Sound StepSoundPicker::pickStepSound(Random& rng, int chance, Sound plain) {
    if (m_rest != 0) {
        if (++m_rest >= 10) m_rest = 0;
        return plain;
    }
    Sound remarks[] = {Sound::random1, Sound::random2, Sound::random3};
    for (Sound& remark : remarks)
        if (remark == m_last) remark = plain; // never the same remark twice in a row
    const std::uint32_t r = rng.rand(static_cast<std::uint32_t>(chance < 0 ? 0 : chance));
    if (r < 1 || r > 3) return plain;
    const Sound chosen = remarks[r - 1];
    m_last = chosen;
    m_rest = 1;
    return chosen;
}

} // namespace quorvel

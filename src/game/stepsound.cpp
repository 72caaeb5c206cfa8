#include "game/stepsound.h"

#include "game/random.h"
#include "text/textutil.h"

namespace quorvel {

std::string StepSoundPicker::pickStepSound(Random& rng, int chance, std::string name1,
                                           std::string name2, std::string name3,
                                           const std::string& fallback) {
    if (m_rest != 0) {
        if (++m_rest >= 10) m_rest = 0;
        return fallback;
    }
    for (std::string* name : {&name1, &name2, &name3})
        if (asciiLower(*name) == m_last) *name = fallback;
    const std::uint32_t r = rng.rand(static_cast<std::uint32_t>(chance < 0 ? 0 : chance));
    const std::string* chosen = r == 1 ? &name1 : r == 2 ? &name2 : r == 3 ? &name3 : nullptr;
    if (!chosen) return fallback;
    m_last = asciiLower(*chosen);
    m_rest = 1;
    return *chosen;
}

} // namespace quorvel

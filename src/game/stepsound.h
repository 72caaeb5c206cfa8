#pragma once
// The choice of sound for a step or a turn: now and then one of three random remarks
// instead of the plain sound, never the same one twice in a row, and after one a rest
// of nine plain sounds.

#include <string>

namespace quorvel {

class Random;

class StepSoundPicker {
  public:
    /// Returns name1, name2 or name3 with a chance of 1 in `chance` each on an eligible
    /// call, otherwise fallback. Draws on the shared stream only when eligible.
    std::string pickStepSound(Random& rng, int chance, std::string name1, std::string name2,
                              std::string name3, const std::string& fallback);

    const std::string& lastStepSound() const { return m_last; }
    int stepSoundRest() const { return m_rest; }

  private:
    std::string m_last; ///< lower-case name of the last random sound
    int m_rest = 0;
};

} // namespace quorvel

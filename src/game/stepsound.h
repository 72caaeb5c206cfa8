#pragma once
// The choice of sound for a step or a turn: now and then one of three random remarks
// instead of the plain sound, never the same one twice in a row, and after one a rest
// of nine plain sounds.

#include "game/sounds.h"

namespace quorvel {

class Random;

class StepSoundPicker {
  public:
    /// Returns Sound::random1, random2 or random3 with a chance of 1 in `chance` each on
    /// an eligible call, otherwise plain. Draws on the shared stream only when eligible.
    Sound pickStepSound(Random& rng, int chance, Sound plain);

    Sound lastStepSound() const { return m_last; }
    int stepSoundRest() const { return m_rest; }

  private:
    Sound m_last = Sound::none; ///< the last random remark
    int m_rest = 0;
};

} // namespace quorvel

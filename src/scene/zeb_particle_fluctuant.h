// The random ranges of the game's particles: each value v of this record
// varies the same value of a new particle by a uniform offset in [-v, v].
// It also sets up the particle's lifetime and its fades.
#pragma once

#include <cstdint>

#include "scene/zeb_particle_struct.h"

namespace vandrell {

class tZebParticleFluctuant : public tZebParticleStruct {
 public:
  // Start the animation on a random frame of its range.
  int32_t animRandom = 0;
  // Range of the animation speed.
  float animSpeedF = 0.0f;

  // `particle` is a tZebParticle; other particles are left alone.
  void Fluctuation(tParticle& particle) const override;
};

}  // namespace vandrell

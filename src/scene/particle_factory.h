// Makes particles: copies of a sample, varied by a range record, emitted in
// batches at a period that may lengthen at random.
#pragma once

#include <cstdint>
#include <memory>

#include "scene/particle.h"

namespace vandrell {

class tParticleFactory {
 public:
  virtual ~tParticleFactory() = default;

  tParticlePtr sample;
  // Applied to each new particle that has a parent.
  tParticleStructPtr inherit;
  // Applied to each new particle.
  tParticleStructPtr fluctuation;
  // Seconds before the first batch.
  float emitStart = 0.0f;
  // Particles per batch, and the random range added to it.
  int32_t emitCount = 1;
  int32_t emitCountFluctuant = 0;
  // Seconds between batches; a random part up to the range lengthens a period.
  float emitPeriod = 1.0f;
  float emitPeriodFluctuant = 0.0f;
  float emitTimer = 0.0f;

  virtual void Update(float delta);
  // One batch, each particle `age` seconds old. Returns how many were made.
  virtual int32_t Emit(tParticleManager& manager, tParticle* parent, float age);
  // The batch that is due, if one is: 1 when one was emitted. Callers repeat
  // it while it answers 1, so a long frame emits every batch that was due.
  virtual int32_t PeriodEmit(tParticleManager& manager, tParticle* parent);
  // The first batch comes `time` seconds from now.
  virtual void Restart(float time);
};

}  // namespace vandrell

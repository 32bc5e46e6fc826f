// Particles with a lifetime, which may emit further particles while they live
// and once when they die.
#pragma once

#include <cstdint>
#include <memory>

#include "scene/particle.h"

namespace vandrell {

class tParticleFactory;
using tParticleFactoryPtr = std::shared_ptr<tParticleFactory>;

class tTimeParticle : public tParticle {
 public:
  // Lifetime in seconds; negative means immortal.
  float life = 0.0f;
  // Age in seconds.
  float lifeTimer = 0.0f;
  // Emits while the particle lives; shared by every copy of the particle.
  tParticleFactoryPtr emit;
  // Emits when the particle dies; shared likewise.
  tParticleFactoryPtr nrst;

  int32_t Dead() const override { return life >= 0.0f && lifeTimer > life; }
  tParticlePtr Copy() const override;
  void Restart(float time) override;
  void Update(float delta, tParticleManager* manager) override;

 protected:
  // What every timed particle does after its behaviour has moved: the
  // emissions of its factories.
  void _emitFrom(float delta, tParticleManager& manager);
};

// A timed particle that never dies.
class tTimeEmitter : public tTimeParticle {
 public:
  tTimeEmitter() { life = -1.0f; }
};

}  // namespace vandrell

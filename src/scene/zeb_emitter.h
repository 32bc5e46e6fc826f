// The game's emitter: runs a particle factory for a number of emission
// periods, or for ever.
#pragma once

#include <cstdint>
#include <memory>

#include "scene/particle.h"

namespace vandrell {

class tParticleFactory;
class tZebParticle;
class tZebParticleStruct;
class tZebParticleFluctuant;

class tZebEmitter : public tParticle {
 public:
  // Periods to run; negative means for ever.
  int32_t incLife = 0;
  // Periods done.
  int32_t incLifeTimer = 0;
  std::shared_ptr<tParticleFactory> emit;

  // Runs for ever a new factory of copies of `sample` varied by `range`, with
  // the factory's own defaults (one particle a second, the first at once).
  static std::shared_ptr<tZebEmitter> Create(std::shared_ptr<tZebParticle> sample,
                                             std::shared_ptr<tZebParticleFluctuant> range);

  // The same periods and factory (shared), the behaviour copied.
  tParticlePtr Copy() const override;
  int32_t Dead() const override { return incLife >= 0 && incLifeTimer >= incLife; }
  void Update(float delta, tParticleManager* manager) override;
  void Restart(float time) override;

  // The record new particles start from and the record of their random
  // ranges, where the factory has them (null otherwise): where an effect
  // emits is the sample's x and y, how large it is the ranges' sc.
  tZebParticleStruct* sampleRecord() const;
  tZebParticleFluctuant* fluctuation() const;
};

}  // namespace vandrell

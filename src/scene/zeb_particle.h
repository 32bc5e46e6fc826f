// The game's particle: a timed particle whose behaviour is the game's record,
// held inside the particle itself. Factories emit it into their manager's
// storage by value, so that thousands of them cost no allocation each and
// the manager's loops reach it without a virtual call.
#pragma once

#include "scene/time_particle.h"
#include "scene/zeb_particle_struct.h"

namespace vandrell {

class tZebParticle final : public tTimeParticle {
 public:
  // Always the particle's own record.
  tParticleStruct* data() override { return &_record; }
  tZebParticleStruct& record() { return _record; }
  const tZebParticleStruct& record() const { return _record; }

  tParticlePtr Copy() const override;
  tParticle* CopyInto(tParticleManager& manager) const override;
  void Update(float delta, tParticleManager* manager) override;
  void Render() override { _record.draw(); }

 private:
  // A copy starts at age 0 and takes its first step at once.
  void startAsCopy();

  tZebParticleStruct _record;
};

}  // namespace vandrell

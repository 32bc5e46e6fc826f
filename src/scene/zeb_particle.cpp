#include "scene/zeb_particle.h"

#include "scene/particle_manager.h"

namespace vandrell {

tParticlePtr tZebParticle::Copy() const {
  auto copy = std::make_shared<tZebParticle>(*this);
  copy->link = {};
  copy->startAsCopy();
  return copy;
}

tParticle* tZebParticle::CopyInto(tParticleManager& manager) const {
  tZebParticle* copy = manager.addByValue(*this);
  if (copy) copy->startAsCopy();
  return copy;
}

void tZebParticle::startAsCopy() {
  lifeTimer = 0.0f;
  _record.incTimer = 0.0f;
}

void tZebParticle::Update(float delta, tParticleManager* manager) {
  lifeTimer += delta;
  _record.advance(*this);
  if (manager) _emitFrom(delta, *manager);
}

}  // namespace vandrell

#include "scene/particle.h"

#include "scene/particle_manager.h"

namespace vandrell {

tParticleStructPtr tParticleStruct::Copy() const { return std::make_shared<tParticleStruct>(); }

void tParticle::Update(float delta, tParticleManager*) {
  if (tParticleStruct* behaviour = data()) behaviour->Update(delta, *this);
}

void tParticle::Render() {
  if (tParticleStruct* behaviour = data()) behaviour->Render(*this);
}

tParticle* tParticle::CopyInto(tParticleManager& manager) const {
  if (manager.full()) return nullptr;
  const tParticlePtr copy = Copy();
  manager.AddParticle(copy);
  return copy.get();
}

}  // namespace vandrell

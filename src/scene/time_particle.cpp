#include "scene/time_particle.h"

#include "scene/particle_factory.h"

namespace vandrell {

tParticlePtr tTimeParticle::Copy() const {
  auto copy = std::make_shared<tTimeParticle>();
  copy->life = life;
  if (_data) copy->_data = _data->Copy();
  copy->emit = emit;
  copy->nrst = nrst;
  return copy;
}

void tTimeParticle::Restart(float time) {
  lifeTimer = 0.0f;
  if (emit) emit->Restart(time);
  if (nrst) nrst->Restart(0.0f);
}

void tTimeParticle::Update(float delta, tParticleManager* manager) {
  lifeTimer += delta;
  if (tParticleStruct* behaviour = data()) behaviour->Update(delta, *this);
  if (manager) _emitFrom(delta, *manager);
}

void tTimeParticle::_emitFrom(float delta, tParticleManager& manager) {
  if (emit) {
    emit->Update(delta);
    while (emit->PeriodEmit(manager, this)) {
    }
  }
  if (nrst && Dead()) nrst->Emit(manager, this, lifeTimer - life);
}

}  // namespace vandrell

#include "scene/zeb_emitter.h"

#include <limits>

#include "scene/particle_factory.h"
#include "scene/zeb_particle.h"
#include "scene/zeb_particle_fluctuant.h"

namespace vandrell {

std::shared_ptr<tZebEmitter> tZebEmitter::Create(std::shared_ptr<tZebParticle> sample,
                                                 std::shared_ptr<tZebParticleFluctuant> range) {
  auto factory = std::make_shared<tParticleFactory>();
  factory->sample = std::move(sample);
  factory->fluctuation = std::move(range);
  auto emitter = std::make_shared<tZebEmitter>();
  emitter->emit = std::move(factory);
  emitter->incLife = -1;
  return emitter;
}

tParticlePtr tZebEmitter::Copy() const {
  auto copy = std::make_shared<tZebEmitter>();
  copy->incLife = incLife;
  copy->emit = emit;
  if (_data) copy->_data = _data->Copy();
  return copy;
}

void tZebEmitter::Update(float delta, tParticleManager* manager) {
  if (tParticleStruct* behaviour = data()) behaviour->Update(delta, *this);
  if (!manager || !emit) return;
  emit->Update(delta);
  while ((incLife < 0 || incLifeTimer < incLife) && emit->PeriodEmit(*manager, this)) {
    // An emitter running for ever stops counting rather than overflowing.
    if (incLifeTimer < std::numeric_limits<int32_t>::max()) ++incLifeTimer;
  }
}

void tZebEmitter::Restart(float time) {
  incLifeTimer = 0;
  if (emit) emit->Restart(time);
}

tZebParticleStruct* tZebEmitter::sampleRecord() const {
  auto* sample = emit ? dynamic_cast<tZebParticle*>(emit->sample.get()) : nullptr;
  return sample ? &sample->record() : nullptr;
}

tZebParticleFluctuant* tZebEmitter::fluctuation() const {
  return emit ? dynamic_cast<tZebParticleFluctuant*>(emit->fluctuation.get()) : nullptr;
}

}  // namespace vandrell

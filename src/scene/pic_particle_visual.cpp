#include "scene/pic_particle_visual.h"

#include <memory>

#include "scene/particle_factory.h"
#include "scene/zeb_emitter.h"

namespace vandrell {

void tPicParticleVisual::delayRestart(float time) {
  for (const tParticlePtr& particle : emitters) {
    const auto emitter = std::dynamic_pointer_cast<tZebEmitter>(particle);
    if (!emitter || !emitter->emit) continue;
    emitter->Restart(time > 0.0f ? time : emitter->emit->emitPeriod);
    pm->AddParticle(emitter);
  }
}

void tPicParticleVisual::startForever() {
  for (const tParticlePtr& particle : emitters) {
    if (const auto emitter = std::dynamic_pointer_cast<tZebEmitter>(particle)) emitter->incLife = -1;
  }
  start();
}

int32_t tPicParticleVisual::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  return _updatable ? tGuiParticle::GUIMSG_UPDATE(msg) : 0;
}

}  // namespace vandrell

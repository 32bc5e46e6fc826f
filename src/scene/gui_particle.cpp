#include "scene/gui_particle.h"

#include <algorithm>

namespace vandrell {

int32_t tGuiParticle::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  pm->Update(msg.delta());
  return 0;
}

void tGuiParticle::paint() {
  if (isPaint()) _paint();
}

void tGuiParticle::_paint() { pm->Render(); }

void tGuiParticle::start() {
  for (const tParticlePtr& emitter : emitters) {
    if (pm->ParticleExist(*emitter)) continue;
    emitter->Restart(0.0f);
    pm->AddParticle(emitter);
  }
}

void tGuiParticle::stop() {
  for (const tParticlePtr& emitter : emitters) pm->RemoveParticle(*emitter);
}

void tGuiParticle::restart() {
  for (const tParticlePtr& emitter : emitters) {
    emitter->Restart(0.0f);
    pm->AddParticle(emitter);
  }
}

void tGuiParticle::clear() {
  std::vector<tParticlePtr> running;
  for (const tParticlePtr& emitter : emitters) {
    if (pm->ParticleExist(*emitter)) running.push_back(emitter);
  }
  pm->Clear();
  for (const tParticlePtr& emitter : running) pm->AddParticle(emitter);
}

void tGuiParticle::reactor(float time, float fps) { pm->Reactor(time, fps); }

int32_t tGuiParticle::isStart() const {
  return std::all_of(emitters.begin(), emitters.end(),
                     [this](const tParticlePtr& emitter) { return pm->ParticleExist(*emitter); })
             ? 1
             : 0;
}

}  // namespace vandrell

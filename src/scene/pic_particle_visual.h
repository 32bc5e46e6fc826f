// The visual a particle pic wraps: a particle effect that the pic can freeze
// (while the pic is globally disabled), restart after a delay, or make emit
// for ever.
#pragma once

#include <cstdint>

#include "scene/gui_particle.h"

namespace vandrell {

class tPicParticleVisual : public tGuiParticle {
  VANDRELL_GUI_HOOKS(tPicParticleVisual, tGuiParticle)

 public:
  // While off, the particles neither move nor age, and nothing is emitted.
  virtual void updatable(int32_t on) { _updatable = on; }
  virtual int32_t isUpdatable() const { return _updatable; }
  // Every emitter starts again with its first batch `time` seconds from now
  // (one emission period when `time` is 0 or less).
  virtual void delayRestart(float time);
  // Every emitter emits for ever from now on.
  virtual void startForever();

  int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) override;

 protected:
  int32_t _updatable = 1;
};

}  // namespace vandrell

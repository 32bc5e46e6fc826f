// The visual of a particle effect: a list of emitters and the manager that
// runs them and everything they emit. It draws the particles where they are;
// it never takes the pointer.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/visual.h"
#include "scene/particle_manager.h"

namespace vandrell {

class tGuiParticle : public tGuiVisual {
  VANDRELL_GUI_HOOKS(tGuiParticle, tGuiVisual, &tGuiParticle::GUIMSG_UPDATE)

 public:
  std::vector<tParticlePtr> emitters;
  std::unique_ptr<tParticleManager> pm = std::make_unique<tSortParticleManager>();

  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  virtual void paint();
  virtual int32_t isPaint() const { return pm ? 1 : 0; }
  virtual void _paint();
  // Emitters that are not running start from the beginning.
  virtual void start();
  // No new emissions; the particles already emitted live on.
  virtual void stop();
  // Every emitter starts from the beginning.
  virtual void restart();
  // Every emitted particle vanishes; the running emitters go on.
  virtual void clear();
  // Pre-runs the effect for `time` seconds at `fps` updates per second.
  virtual void reactor(float time, float fps);
  // 1 when every emitter runs (also when there is none).
  virtual int32_t isStart() const;

  int32_t hovering(float x, float y) override { return 0; }
  void _render() override { paint(); }
};

}  // namespace vandrell

// Turns mouse events into mouse messages and tracks the pointer and its speed.
#pragma once

#include <cstdint>

#include "gui/catcher.h"

namespace vandrell {

class tGuiMouseCatcher : public tGuiCatcher {
 public:
  // The root's catcher.
  static tGuiMouseCatcher& Current();

  // The pointer in window pixels, as the last mouse move left it.
  int32_t x() const { return _x; }
  int32_t y() const { return _y; }
  // Window pixels per second of frame time.
  float xspeed() const { return _xspeed; }
  float yspeed() const { return _yspeed; }
  // The same in design units.
  float h() const;
  float v() const;
  float hspeed() const;
  float vspeed() const;
  // 1.0 when the pointer lies in the design rectangle, edges included.
  float inside(float x, float y, float w, float h) const;

 protected:
  int32_t _event(const TEvent& ev) override;
  // Samples the speed once per frame, before any object updates.
  int32_t _message(tGuiMessage& msg) override;
  virtual void _mouseUp(int32_t button);
  virtual void _mouseDown(int32_t button);
  virtual void _mouseMove(int32_t x, int32_t y);
  // No change for a delta of 0 or less.
  virtual void _mouseSpeed(float delta);

 private:
  int32_t _x = 0;
  int32_t _y = 0;
  float _xspeed = 0.0f;
  float _yspeed = 0.0f;
  int32_t _xspeedx = 0;
  int32_t _yspeedy = 0;
};


}  // namespace vandrell

// The process-wide virtual screen set for one test and restored afterwards.
#pragma once

#include "core/screen.h"

namespace vandrell {

class ScreenScope {
 public:
  ScreenScope(float w, float h, float x, float y) : _saved(tScreen::Current()) {
    tScreen::Create(w, h, x, y)->Setup();
  }
  ~ScreenScope() { _saved.Setup(); }
  ScreenScope(const ScreenScope&) = delete;
  ScreenScope& operator=(const ScreenScope&) = delete;

 private:
  tScreen _saved;
};

}  // namespace vandrell

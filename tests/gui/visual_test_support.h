// Shared pieces of the visual tests: the process-wide virtual screen set for
// one test and restored afterwards, and a rectangle that counts its drawing.
#pragma once

#include <memory>

#include "core/screen.h"
#include "gui/gui_rect.h"

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

class tCountingRect : public tGuiRect {
  VANDRELL_GUI_HOOKS(tCountingRect, tGuiRect)

 public:
  void _paint() override { ++paints; }
  void resize(float l, float t, int32_t relative) override {
    ++resizes;
    tGuiRect::resize(l, t, relative);
  }
  int paints = 0;
  int resizes = 0;
};

}  // namespace vandrell

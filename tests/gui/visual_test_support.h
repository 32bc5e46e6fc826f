// Shared pieces of the visual tests: the virtual screen of one test, and a
// rectangle that counts its drawing.
#pragma once

#include <memory>

#include "gui/gui_rect.h"
#include "support/screen_scope.h"

namespace vandrell {

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

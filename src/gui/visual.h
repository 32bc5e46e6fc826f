// Everything drawn descends from tGuiVisual: it can be shown or hidden, draws
// itself on GUIMSG_RENDER, and takes part in the hover and treat passes.
#pragma once

#include <cstdint>

#include "gui/hoverable.h"

namespace vandrell {

class tGuiVisual : public tGuiHoverable {
  VANDRELL_GUI_HOOKS(tGuiVisual, tGuiHoverable, &tGuiVisual::GUIMSG_RENDER)

 public:
  virtual void visible(int32_t flag) { _visible = flag; }
  int32_t isVisible() const override { return _visible; }
  // Draws when visible; the visibility test is shared by every drawable.
  virtual void render();
  virtual void _render() {}
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER& msg);

 protected:
  int32_t _visible = 1;
};

}  // namespace vandrell

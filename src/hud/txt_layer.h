// The level's on-screen texts. Every background is drawn before any words, so
// no text's background ever covers another text's words: the layer stops the
// ordinary render message and draws in two passes of its own.
#pragma once

#include <cstdint>

#include "gui/object_set.h"

namespace vandrell {

class tTxtLayer : public tGuiSet {
  VANDRELL_GUI_HOOKS(tTxtLayer, tGuiSet, &tTxtLayer::GUIMSG_RENDER)

 public:
  // Lets through to the texts only updates, the pointer passes, presses and
  // the layer's own render and hide messages.
  tTxtLayer();

  // The backgrounds of all texts, bottom to top, then their words.
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER& msg);
};

}  // namespace vandrell

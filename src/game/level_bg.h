// The level's shade: a black rectangle over the whole screen, above
// everything the level holds. Its alpha is the shade, so a level fades in
// from black and out to black.
#pragma once

#include "gui/gui_rect.h"

namespace vandrell {

class tLevelBg : public tGuiRect {
  VANDRELL_GUI_HOOKS(tLevelBg, tGuiRect)

 public:
  // The whole design screen, opaque black.
  tLevelBg();
};

}  // namespace vandrell

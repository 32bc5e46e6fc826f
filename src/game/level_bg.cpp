#include "game/level_bg.h"

namespace vandrell {

tLevelBg::tLevelBg() {
  move(0.0f, 0.0f, 0);
  hotspot(0.0f, 0.0f);
  resize(800.0f, 600.0f, 0);
  color()->SetRGBA(0.0f, 0.0f, 0.0f, 1.0f);
}

}  // namespace vandrell

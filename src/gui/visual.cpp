#include "gui/visual.h"

namespace vandrell {

void tGuiVisual::render() {
  if (isVisible()) _render();
}

int32_t tGuiVisual::GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
  render();
  return 0;
}

}  // namespace vandrell

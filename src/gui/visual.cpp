#include "gui/visual.h"

void tGuiVisual::render() {
  if (isVisible()) _render();
}

int32_t tGuiVisual::GUIMSG_RENDER(::GUIMSG_RENDER&) {
  render();
  return 0;
}

#include "gui/link.h"

namespace vandrell {

tGuiHref::tGuiHref() {
  keepHover(1);
  keepTreat(1);
}

int32_t tGuiHref::GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) {
  _press = 0;
  if (_enable && isTreat()) _press = msg.key();
  return 0;
}

int32_t tGuiHref::GUIMSG_MOUSEUP(vandrell::GUIMSG_MOUSEUP& msg) {
  // A release elsewhere keeps the press, so dragging off and back still clicks.
  if (_enable && isTreat() && _press != 0 && _press == msg.key()) {
    _press = 0;
    click(msg.key());
  }
  return 0;
}

int32_t tGuiHref::hovering(float x, float y) { return _enable ? tGuiLabel::hovering(x, y) : 0; }

const tColorfPtr& tGuiHref::color() const {
  if (!_enable) return dcolor();
  if (!isTreat()) return ncolor();
  return _press ? acolor() : hcolor();
}

void tGuiHref::_paint() {
  // The surface draws with the object's own colour; a link shows its state's.
  const tColorfPtr own = _color;
  _color = color();
  tGuiLabel::_paint();
  _color = own;
}

}  // namespace vandrell

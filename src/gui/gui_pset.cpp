#include "gui/gui_pset.h"

#include "core/screen.h"
#include "platform/draw.h"

namespace vandrell {

int32_t tGuiPset::GUIMSG_PARENTRESHAPE(vandrell::GUIMSG_PARENTRESHAPE& msg) {
  _parentReshape(msg.r0(), msg.r1());
  return 0;
}

bool tGuiPset::isPaint() const { return color() && color()->a > 0.0f; }

void tGuiPset::paint() {
  if (isPaint()) _paint();
}

void tGuiPset::_paint() {
  _color->Setup();
  SetTransform(0.0f, 1.0f, 1.0f);
  Plot(H2X(h()), V2Y(v()));
}

void tGuiPset::move(float h, float v, int32_t relative) { _move(h, v, relative); }

void tGuiPset::_mathMove(float h, float v, int32_t relative) {
  SetOrAdd(_h, h, relative);
  SetOrAdd(_v, v, relative);
}

void tGuiPset::anchorPosition(int32_t hanchor, int32_t vanchor) {
  _hanchor = hanchor;
  _vanchor = vanchor;
}

void tGuiPset::_parentReshape(const tRect& oldRect, const tRect& newRect) {
  const float newV = _anchorMove(v(), oldRect.y, oldRect.h, newRect.y, newRect.h, _vanchor);
  const float newH = _anchorMove(h(), oldRect.x, oldRect.w, newRect.x, newRect.w, _hanchor);
  move(newH, newV, 0);
}

float tGuiPset::_anchorMove(float pos, float oldStart, float oldLength, float newStart, float newLength,
                            int32_t anchor) {
  switch (anchor) {
    case ANCHOR_PROPORTIONAL:
      // A parent that had no extent gives no proportion to keep; holding the
      // distance from its start is the only placement that stays a number.
      if (oldLength == 0.0f) return newStart + (pos - oldStart);
      return newStart + (pos - oldStart) * newLength / oldLength;
    case ANCHOR_START:
      return newStart + (pos - oldStart);
    case ANCHOR_END:
      return newStart + newLength + (pos - (oldStart + oldLength));
    default:
      return 0.0f;
  }
}

}  // namespace vandrell

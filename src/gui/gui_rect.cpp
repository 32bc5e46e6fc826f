#include "gui/gui_rect.h"

#include "core/screen.h"
#include "platform/draw.h"

namespace vandrell {

void tGuiRect::_hotspot(float h, float v) {
  _hx = h;
  _vx = v;
}

int32_t tGuiRect::_hoveringRect(float x, float y) { return xrect().Inside(x, y); }

tRect tGuiRect::rect() const { return tRect::Create(h() - l() * hHotspot(), v() - t() * vHotspot(), l(), t()); }

tRect tGuiRect::xrect() const {
  const tRect r = rect();
  return tRect::Create(H2X(r.x), V2Y(r.y), L2W(r.w), T2H(r.h));
}

void tGuiRect::resize(float l, float t, int32_t relative) { _resize(l, t, relative); }

void tGuiRect::_mathResize(float l, float t, int32_t relative) {
  SetOrAdd(_l, l, relative);
  SetOrAdd(_t, t, relative);
}

void tGuiRect::wideResize(float l, float aspect) {
  if (aspect == 0.0f) aspect = this->aspect();
  resize(l, l / aspect, 0);
}

void tGuiRect::highResize(float t, float aspect) {
  if (aspect == 0.0f) aspect = this->aspect();
  resize(t * aspect, t, 0);
}

void tGuiRect::scale(float sx, float sy) { resize(l() * sx, t() * sy, 0); }

void tGuiRect::anchorSize(int32_t la, int32_t ta) {
  _la = la;
  _ta = ta;
}

float tGuiRect::_anchorResize(float length, float oldStart, float oldLength, float newStart, float newLength,
                              int32_t anchor) {
  switch (anchor) {
    case ANCHOR_PROPORTIONAL:
      // Nothing to scale from when the parent had no extent.
      if (oldLength == 0.0f) return length;
      return length * newLength / oldLength;
    case ANCHOR_START:
      return length;
    case ANCHOR_END:
      return length + (newLength - oldLength);
    default:
      return 0.0f;
  }
}

void tGuiRect::_paint() {
  _color->Setup();
  SetTransform(0.0f, 1.0f, 1.0f);
  const tRect r = xrect();
  DrawRect(r.x, r.y, r.w, r.h);
}

void tGuiRect::_parentReshape(const tRect& oldRect, const tRect& newRect) {
  tGuiPset::_parentReshape(oldRect, newRect);
  const float newT = _anchorResize(t(), oldRect.y, oldRect.h, newRect.y, newRect.h, _ta);
  const float newL = _anchorResize(l(), oldRect.x, oldRect.w, newRect.x, newRect.w, _la);
  resize(newL, newT, 0);
}

}  // namespace vandrell

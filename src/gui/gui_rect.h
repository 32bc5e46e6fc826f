// A coloured, sized rectangle: the position is its hotspot, a point given as
// a fraction of the size, and the size can follow a reshaped parent.
#pragma once

#include <cstdint>

#include "gui/gui_pset.h"

namespace vandrell {

class tGuiRect : public tGuiPset {
  VANDRELL_GUI_HOOKS(tGuiRect, tGuiPset)

 public:
  virtual float l() const { return _l; }
  virtual float t() const { return _t; }
  // (0, 0) puts the top-left corner at the position, (0.5, 0.5) the centre.
  virtual void hotspot(float h, float v) { _hotspot(h, v); }
  virtual void _hotspot(float h, float v);
  virtual float hHotspot() const { return _hx; }
  virtual float vHotspot() const { return _vx; }
  virtual int32_t _hoveringRect(float x, float y);
  // The occupied rectangle in design units, and the same in window pixels.
  virtual tRect rect() const;
  virtual tRect xrect() const;
  // Width over height; needs a non-zero height.
  virtual float aspect() const { return l() / t(); }
  // Subclasses that react to a new size override resize; relative != 0 adds.
  virtual void resize(float l, float t, int32_t relative);
  virtual void _resize(float l, float t, int32_t relative) { _mathResize(l, t, relative); }
  virtual void _mathResize(float l, float t, int32_t relative);
  // Sets one side and derives the other; an aspect of 0 keeps the current one.
  virtual void wideResize(float l, float aspect);
  virtual void highResize(float t, float aspect);
  virtual void scale(float sx, float sy);
  virtual void anchorSize(int32_t la, int32_t ta);
  static float _anchorResize(float length, float oldStart, float oldLength, float newStart, float newLength,
                             int32_t anchor);

  int32_t hovering(float x, float y) override { return _hoveringRect(x, y); }
  void _paint() override;
  void _parentReshape(const tRect& oldRect, const tRect& newRect) override;

 protected:
  float _l = 1.0f;
  float _t = 1.0f;
  float _hx = 0.0f;
  float _vx = 0.0f;
  int32_t _la = ANCHOR_PROPORTIONAL;
  int32_t _ta = ANCHOR_PROPORTIONAL;
};

}  // namespace vandrell

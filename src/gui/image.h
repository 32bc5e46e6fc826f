// A picture that turns about its hotspot and can be hovered either on its
// (rotated) rectangle or only where its pixels are opaque enough.
#pragma once

#include <cstdint>

#include "gui/picture.h"
#include "gui/poly.h"

namespace vandrell {

class tGuiImage : public tGuiPicture {
  VANDRELL_GUI_HOOKS(tGuiImage, tGuiPicture)

 public:
  // Degrees; positive angles turn clockwise on screen.
  virtual float angle() const { return _angle; }
  // relative != 0 adds to the angle.
  virtual void rotate(float angle, int32_t relative) { _rotate(angle, relative); }
  virtual void _rotate(float angle, int32_t relative) { _mathRotate(angle, relative); }
  virtual void _mathRotate(float angle, int32_t relative);
  virtual void resetRotation() { rotate(0.0f, 0); }
  // Where the hotspot is drawn; the position unless a subclass says otherwise.
  virtual float hRender() const { return h(); }
  virtual float vRender() const { return v(); }
  // 0: hover on the rectangle; 1..255: hover where the pixel's alpha reaches it.
  virtual void pixelHovering(int32_t threshold) { _pixelHovering = threshold; }
  int32_t getPixelHovering() const { return _pixelHovering; }
  virtual int32_t _hoveringPixel(float x, float y);

  void _paint() override;
  int32_t hovering(float x, float y) override;
  // The rotated rectangle.
  int32_t _hoveringRect(float x, float y) override;
  // That rectangle in window pixels.
  virtual tPoly footprint() const;

 protected:
  float _angle = 0.0f;
  int32_t _pixelHovering = 0;
};

}  // namespace vandrell

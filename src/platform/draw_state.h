// The renderer's drawing state, shared by the state functions of draw.h and
// the primitives that read it. It lives outside any context, so it can be set
// before a window exists and survives the context being created anew.
#pragma once

#include <cstdint>

namespace vandrell {

// A position in window pixels.
struct TDrawPoint {
  float x, y;
};

struct TDrawState {
  static TDrawState& Current();

  int32_t color_red = 255, color_green = 255, color_blue = 255;
  float color_alpha = 1.0f;
  int32_t blend_mode = 2;  // SOLIDBLEND
  float tform_rot = 0.0f;
  float tform_scale_x = 1.0f, tform_scale_y = 1.0f;
  int32_t viewport_x = 0, viewport_y = 0, viewport_w = 0, viewport_h = 0;
  float origin_x = 0.0f, origin_y = 0.0f;
  float handle_x = 0.0f, handle_y = 0.0f;
  // The 2 x 2 matrix of rotation and scale: screen offset = (ix * x + iy * y,
  // jx * x + jy * y) for an offset (x, y) in the drawn object.
  float tform_ix = 1.0f, tform_iy = 0.0f, tform_jx = 0.0f, tform_jy = 1.0f;

  // How the renderers read the state. The blend mode drawn with: one outside
  // 1..5 draws like SOLIDBLEND.
  int32_t drawnBlend() const;
  // The alpha clamped to 0..1 (NaN counts as 0).
  float drawnAlpha() const;
  // Mask and solid draw opaquely; mask draws nothing below half alpha.
  bool shows() const;
  uint8_t alphaByte() const;
  // A colour channel clamped to 0..255; for SHADEBLEND times the alpha, so
  // that a multiply that also keeps destination x (1 - alpha) leaves the
  // destination as it is where the drawing is transparent.
  uint8_t tint(int32_t value) const;
  // Where an offset (x, y) from the drawing position (ax, ay) lands: rotated
  // and scaled, then moved by the origin.
  TDrawPoint place(float ax, float ay, float x, float y) const;
};

// Adds the time until it ends to the counted drawing time (platform/draw.h)
// while counting is on.
class TDrawTimeScope {
 public:
  TDrawTimeScope();
  ~TDrawTimeScope();
  TDrawTimeScope(const TDrawTimeScope&) = delete;
  TDrawTimeScope& operator=(const TDrawTimeScope&) = delete;

 private:
  int64_t _start = 0;
};

}  // namespace vandrell

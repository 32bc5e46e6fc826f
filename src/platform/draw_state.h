// The renderer's drawing state, shared by the state functions of draw.h and
// the primitives that read it. It lives outside any context, so it can be set
// before a window exists and survives the context being created anew.
#pragma once

#include <cstdint>

namespace vandrell {

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
};

}  // namespace vandrell

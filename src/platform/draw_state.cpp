#include "platform/draw_state.h"

#include <cmath>
#include <numbers>

#include "platform/draw.h"

namespace vandrell {

TDrawState& DrawState() {
  static TDrawState state;
  return state;
}

namespace {
void updateMatrix() {
  TDrawState& s = DrawState();
  const float radians = s.tform_rot * std::numbers::pi_v<float> / 180.0f;
  const float c = std::cos(radians), si = std::sin(radians);
  s.tform_ix = c * s.tform_scale_x;
  s.tform_iy = -si * s.tform_scale_y;
  s.tform_jx = si * s.tform_scale_x;
  s.tform_jy = c * s.tform_scale_y;
}
}  // namespace

void SetColor(int32_t red, int32_t green, int32_t blue) {
  TDrawState& s = DrawState();
  s.color_red = red;
  s.color_green = green;
  s.color_blue = blue;
}

void GetColor(int32_t& red, int32_t& green, int32_t& blue) {
  const TDrawState& s = DrawState();
  red = s.color_red;
  green = s.color_green;
  blue = s.color_blue;
}

void SetAlpha(float alpha) { DrawState().color_alpha = alpha; }
float GetAlpha() { return DrawState().color_alpha; }

void SetBlend(int32_t mode) { DrawState().blend_mode = mode; }
int32_t GetBlend() { return DrawState().blend_mode; }

void SetRotation(float degrees) {
  DrawState().tform_rot = degrees;
  updateMatrix();
}

float GetRotation() { return DrawState().tform_rot; }

void SetScale(float scaleX, float scaleY) {
  DrawState().tform_scale_x = scaleX;
  DrawState().tform_scale_y = scaleY;
  updateMatrix();
}

void GetScale(float& scaleX, float& scaleY) {
  scaleX = DrawState().tform_scale_x;
  scaleY = DrawState().tform_scale_y;
}

void SetTransform(float rotation, float scaleX, float scaleY) {
  TDrawState& s = DrawState();
  s.tform_rot = rotation;
  s.tform_scale_x = scaleX;
  s.tform_scale_y = scaleY;
  updateMatrix();
}

void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height) {
  TDrawState& s = DrawState();
  s.viewport_x = x;
  s.viewport_y = y;
  s.viewport_w = width;
  s.viewport_h = height;
}

void GetViewport(int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
  const TDrawState& s = DrawState();
  x = s.viewport_x;
  y = s.viewport_y;
  width = s.viewport_w;
  height = s.viewport_h;
}

void SetOrigin(float x, float y) {
  DrawState().origin_x = x;
  DrawState().origin_y = y;
}

void GetOrigin(float& x, float& y) {
  x = DrawState().origin_x;
  y = DrawState().origin_y;
}

void SetHandle(float x, float y) {
  DrawState().handle_x = x;
  DrawState().handle_y = y;
}

void GetHandle(float& x, float& y) {
  x = DrawState().handle_x;
  y = DrawState().handle_y;
}

}  // namespace vandrell

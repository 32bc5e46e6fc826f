#include "platform/draw_state.h"

#include <cmath>
#include <numbers>

#include "platform/draw.h"
#include "platform/process_wide.h"

namespace vandrell {

TDrawState& TDrawState::Current() { return tProcessWide<TDrawState>::get(); }

namespace {
void updateMatrix() {
  TDrawState& s = TDrawState::Current();
  const float radians = s.tform_rot * std::numbers::pi_v<float> / 180.0f;
  const float c = std::cos(radians), si = std::sin(radians);
  s.tform_ix = c * s.tform_scale_x;
  s.tform_iy = -si * s.tform_scale_y;
  s.tform_jx = si * s.tform_scale_x;
  s.tform_jy = c * s.tform_scale_y;
}
}  // namespace

void SetColor(int32_t red, int32_t green, int32_t blue) {
  TDrawState& s = TDrawState::Current();
  s.color_red = red;
  s.color_green = green;
  s.color_blue = blue;
}

void GetColor(int32_t& red, int32_t& green, int32_t& blue) {
  const TDrawState& s = TDrawState::Current();
  red = s.color_red;
  green = s.color_green;
  blue = s.color_blue;
}

void SetAlpha(float alpha) { TDrawState::Current().color_alpha = alpha; }
float GetAlpha() { return TDrawState::Current().color_alpha; }

void SetBlend(int32_t mode) { TDrawState::Current().blend_mode = mode; }
int32_t GetBlend() { return TDrawState::Current().blend_mode; }

void SetRotation(float degrees) {
  TDrawState::Current().tform_rot = degrees;
  updateMatrix();
}

float GetRotation() { return TDrawState::Current().tform_rot; }

void SetScale(float scaleX, float scaleY) {
  TDrawState::Current().tform_scale_x = scaleX;
  TDrawState::Current().tform_scale_y = scaleY;
  updateMatrix();
}

void GetScale(float& scaleX, float& scaleY) {
  scaleX = TDrawState::Current().tform_scale_x;
  scaleY = TDrawState::Current().tform_scale_y;
}

void SetTransform(float rotation, float scaleX, float scaleY) {
  TDrawState& s = TDrawState::Current();
  s.tform_rot = rotation;
  s.tform_scale_x = scaleX;
  s.tform_scale_y = scaleY;
  updateMatrix();
}

void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height) {
  TDrawState& s = TDrawState::Current();
  s.viewport_x = x;
  s.viewport_y = y;
  s.viewport_w = width;
  s.viewport_h = height;
}

void GetViewport(int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
  const TDrawState& s = TDrawState::Current();
  x = s.viewport_x;
  y = s.viewport_y;
  width = s.viewport_w;
  height = s.viewport_h;
}

void SetOrigin(float x, float y) {
  TDrawState::Current().origin_x = x;
  TDrawState::Current().origin_y = y;
}

void SetHandle(float x, float y) {
  TDrawState::Current().handle_x = x;
  TDrawState::Current().handle_y = y;
}

}  // namespace vandrell

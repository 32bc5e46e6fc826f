#include "platform/draw_state.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>

#include "platform/draw.h"
#include "platform/process_wide.h"

namespace vandrell {

TDrawState& TDrawState::Current() { return tProcessWide<TDrawState>::get(); }

int32_t TDrawState::drawnBlend() const {
  return blend_mode >= MASKBLEND && blend_mode <= SHADEBLEND ? blend_mode : SOLIDBLEND;
}

float TDrawState::drawnAlpha() const { return color_alpha > 0.0f ? std::min(color_alpha, 1.0f) : 0.0f; }

bool TDrawState::shows() const { return drawnBlend() != MASKBLEND || drawnAlpha() >= 0.5f; }

uint8_t TDrawState::alphaByte() const {
  const int32_t mode = drawnBlend();
  return mode == MASKBLEND || mode == SOLIDBLEND ? 255 : static_cast<uint8_t>(std::lround(drawnAlpha() * 255.0f));
}

uint8_t TDrawState::tint(int32_t value) const {
  const auto c = static_cast<uint8_t>(std::clamp(value, 0, 255));
  return drawnBlend() == SHADEBLEND ? static_cast<uint8_t>(std::lround(c * drawnAlpha())) : c;
}

TDrawPoint TDrawState::place(float ax, float ay, float x, float y) const {
  return {ax + origin_x + tform_ix * x + tform_iy * y, ay + origin_y + tform_jx * x + tform_jy * y};
}

namespace {

bool countDrawTime = false;
int64_t countedNanoseconds = 0;

int64_t nanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

TDrawTimeScope::TDrawTimeScope() : _start(countDrawTime ? nanoseconds() : 0) {}

TDrawTimeScope::~TDrawTimeScope() {
  if (countDrawTime) countedNanoseconds += nanoseconds() - _start;
}

void CountDrawTime(bool on) {
  countDrawTime = on;
  if (on) countedNanoseconds = 0;
}

double CountedDrawTime() { return static_cast<double>(countedNanoseconds) / 1e9; }

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

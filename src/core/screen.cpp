#include "core/screen.h"

#include "platform/process_wide.h"

#include "core/numeric.h"
#include "platform/window.h"

namespace vandrell {

std::shared_ptr<tScreen> tScreen::Create(float w, float h, float x, float y) {
  auto screen = std::make_shared<tScreen>();
  // "Not 0 or more" also catches NaN.
  screen->w = w >= 0.0f ? w : static_cast<float>(GraphicsWidth());
  screen->h = h >= 0.0f ? h : static_cast<float>(GraphicsHeight());
  screen->x = x;
  screen->y = y;
  return screen;
}

std::shared_ptr<tScreen> tScreen::CreateProjection(float designWidth, float designHeight, float pixelWidth,
                                                   float pixelHeight, float x, float y) {
  if (pixelWidth < 0.0f) pixelWidth = static_cast<float>(GraphicsWidth());
  if (pixelHeight < 0.0f) pixelHeight = static_cast<float>(GraphicsHeight());
  return Create(pixelWidth / designWidth, pixelHeight / designHeight, x, y);
}

int32_t tScreen::Setup() {
  tScreen& current = Current();
  current.x = x;
  current.y = y;
  current.w = w;
  current.h = h;
  return 0;
}

tScreen& tScreen::Current() {
  return tProcessWide<tScreen>::get([] { return Create(-1.0f, -1.0f, 0.0f, 0.0f); });
}

float tScreen::X2H(float px) const { return (px - x) / w; }
float tScreen::Y2V(float py) const { return (py - y) / h; }
float tScreen::W2L(float width) const { return width / w; }
float tScreen::H2T(float height) const { return height / h; }
float tScreen::H2X(float hpos) const { return hpos * w + x; }
int32_t tScreen::rH2X(float hpos) const { return roundi(hpos * w + x); }
float tScreen::V2Y(float vpos) const { return vpos * h + y; }
int32_t tScreen::rV2Y(float vpos) const { return roundi(vpos * h + y); }
float tScreen::L2W(float l) const { return l * w; }
int32_t tScreen::rL2W(float l) const { return roundi(l * w); }
float tScreen::T2H(float t) const { return t * h; }
int32_t tScreen::rT2H(float t) const { return roundi(t * h); }

float aspectw() { return tScreen::Current().aspectw(); }
float aspecth() { return tScreen::Current().aspecth(); }
float X2H(float x) { return tScreen::Current().X2H(x); }
float Y2V(float y) { return tScreen::Current().Y2V(y); }
float W2L(float width) { return tScreen::Current().W2L(width); }
float H2T(float height) { return tScreen::Current().H2T(height); }
float H2X(float h) { return tScreen::Current().H2X(h); }
int32_t rH2X(float h) { return tScreen::Current().rH2X(h); }
float V2Y(float v) { return tScreen::Current().V2Y(v); }
int32_t rV2Y(float v) { return tScreen::Current().rV2Y(v); }
float L2W(float l) { return tScreen::Current().L2W(l); }
int32_t rL2W(float l) { return tScreen::Current().rL2W(l); }
float T2H(float t) { return tScreen::Current().T2H(t); }
int32_t rT2H(float t) { return tScreen::Current().rT2H(t); }

}  // namespace vandrell

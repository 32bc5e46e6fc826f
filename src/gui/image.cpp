#include "gui/image.h"

#include <cmath>
#include <numbers>

#include "core/screen.h"
#include "gui/poly.h"
#include "platform/draw.h"

namespace vandrell {

namespace {

struct tVec {
  float x, y;
};

tVec turned(tVec p, float degrees) {
  const float radians = degrees * std::numbers::pi_v<float> / 180.0f;
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  return {p.x * c - p.y * s, p.x * s + p.y * c};
}

}  // namespace

void tGuiImage::_mathRotate(float angle, int32_t relative) { SetOrAdd(_angle, angle, relative); }

void tGuiImage::_paint() {
  const TPixmapPtr pixels = getPixmap();
  if (!pixels) return;
  // The offset of the top-left corner from the hotspot in window pixels,
  // turned with the image so the image turns about its hotspot.
  const tVec corner = turned({-hHotspot() * l() * aspectw(), -vHotspot() * t() * aspecth()}, angle());
  _color->Setup();
  SetTransform(angle(), L2W(l()) / static_cast<float>(pixels->width), T2H(t()) / static_cast<float>(pixels->height));
  SetImageHandle(_image, 0.0f, 0.0f);
  DrawImage(_image, H2X(hRender()) + corner.x, V2Y(vRender()) + corner.y, _frame());
}

int32_t tGuiImage::hovering(float x, float y) {
  return _pixelHovering ? _hoveringPixel(x, y) : _hoveringRect(x, y);
}

int32_t tGuiImage::_hoveringRect(float x, float y) { return footprint().Inside(x, y); }

tPoly tGuiImage::footprint() const {
  tPoly footprint;
  footprint.AddPoint(0, 0);
  footprint.AddPoint(1, 0);
  footprint.AddPoint(1, 1);
  footprint.AddPoint(0, 1);
  footprint.Move(-hHotspot(), -vHotspot());
  footprint.Scale(l(), t(), 0, 0);
  footprint.Scale(aspectw(), aspecth(), 0, 0);
  footprint.Rotate(angle(), 0, 0);
  footprint.Move(H2X(h()), V2Y(v()));
  return footprint;
}

int32_t tGuiImage::_hoveringPixel(float x, float y) {
  const TPixmapPtr pixels = getPixmap();
  if (!pixels) return 0;
  const tVec local = turned({x - H2X(h()), y - V2Y(v())}, -angle());
  const float px = (local.x / aspectw() / l() + hHotspot()) * static_cast<float>(pixels->width);
  const float py = (local.y / aspecth() / t() + vHotspot()) * static_cast<float>(pixels->height);
  // Written so that NaN, from a zero size or scale, fails the test too.
  if (!(px >= 0.0f && px < static_cast<float>(pixels->width) && py >= 0.0f &&
        py < static_cast<float>(pixels->height))) {
    return 0;
  }
  const uint32_t argb = static_cast<uint32_t>(pixels->ReadPixel(static_cast<int32_t>(px), static_cast<int32_t>(py)));
  return static_cast<int32_t>(argb >> 24) >= _pixelHovering ? 1 : 0;
}

}  // namespace vandrell

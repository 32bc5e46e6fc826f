#include "gui/picture.h"

#include "core/screen.h"
#include "platform/draw.h"

namespace vandrell {

void tGuiPicture::pixmap(const TPixmapPtr& pixmap, int32_t flags) {
  _flags = flags;
  _image = TImage::Load(pixmap, flags);
  SetImageHandle(_image, 0.0f, 0.0f);
}

TPixmapPtr tGuiPicture::getPixmap() const {
  if (!_image) return nullptr;
  const int32_t frame = _frame();
  return frame >= 0 && frame < _image->frameCount() ? _image->pixmaps[frame] : nullptr;
}

void tGuiPicture::wideResizeByImage(float l) {
  if (const TPixmapPtr p = getPixmap()) wideResize(l, W2L(static_cast<float>(p->width)) / H2T(static_cast<float>(p->height)));
}

void tGuiPicture::highResizeByImage(float t) {
  if (const TPixmapPtr p = getPixmap()) highResize(t, W2L(static_cast<float>(p->width)) / H2T(static_cast<float>(p->height)));
}

// W2L of the window width of the pixels is the pixel count itself; computed
// directly it also holds before a graphics mode gives the screen a scale.
float tGuiPicture::lPixmap() const {
  const TPixmapPtr p = getPixmap();
  return p ? static_cast<float>(p->width) : 0.0f;
}

float tGuiPicture::tPixmap() const {
  const TPixmapPtr p = getPixmap();
  return p ? static_cast<float>(p->height) : 0.0f;
}

void tGuiPicture::resetScale() { resize(lPixmap(), tPixmap(), 0); }

bool tGuiPicture::isPaint() const { return tGuiRect::isPaint() && _image; }

void tGuiPicture::_paint() {
  _color->Setup();
  SetTransform(0.0f, 1.0f, 1.0f);
  const tRect r = xrect();
  DrawImageRect(_image, r.x, r.y, r.w, r.h, _frame());
}

}  // namespace vandrell

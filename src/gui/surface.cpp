#include "gui/surface.h"

#include "core/screen.h"
#include "platform/draw.h"

namespace vandrell {

TPixmapPtr tGuiSurface::_lockSurface() {
  // A surface drawn at another scale than 1 is smoothed like the rest of the picture.
  const bool scaled = aspectw() != 1.0f || aspecth() != 1.0f;
  _surface = TImage::Create(_wSurface, _hSurface, 1, _surfaceFlags | (scaled ? FILTEREDIMAGE : 0));
  if (!_surface) return nullptr;
  SetImageHandle(_surface, 0.0f, 0.0f);
  TPixmapPtr pixels = _surface->Lock(0, true, true);
  pixels->ClearPixels(0);
  return pixels;
}

void tGuiSurface::_unlockSurface() {
  if (_surface) _surface->Unlock(0);
}

void tGuiSurface::makeSurface() {
  if (_surface && _truesurface == 1) return;
  _makeSurface();
  _truesurface = 1;
}

bool tGuiSurface::isPaint() const { return _surface && tGuiRect::isPaint(); }

void tGuiSurface::paint() {
  if (_autosurface) makeSurface();
  tGuiRect::paint();
}

void tGuiSurface::_paint() {
  _color->Setup();
  SetTransform(0.0f, aspectw(), aspecth());
  const tRect r = xrect();
  DrawImage(_surface, r.x, r.y, 0);
}

}  // namespace vandrell

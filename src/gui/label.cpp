#include "gui/label.h"

#include <algorithm>

#include "core/screen.h"

namespace vandrell {

void tGuiLabel::letter(const tLetterPtr& font, int32_t flags) {
  if (font == _letter && flags == _surfaceFlags) return;
  _letter = font;
  _surfaceFlags = flags;
  _modify();
}

void tGuiLabel::value(const std::string& text) {
  if (text == _value) return;
  _value = text;
  _modify();
}

void tGuiLabel::_modify() {
  if (_letter && !_value.empty()) {
    _surfaceSize(_letter->width(_value), _letter->height());
  } else {
    _surfaceSize(0, 0);
  }
  _truesurface = 0;
}

void tGuiLabel::_surfaceSize(int32_t width, int32_t height) {
  const auto even = [](int32_t n) { return std::max(0, n + (n & 1)); };
  _wSurface = _letter ? even(width) : 0;
  _hSurface = _letter ? even(height) : 0;
}

float tGuiLabel::l() const { return W2L(static_cast<float>(_wSurface)) * aspectw(); }

float tGuiLabel::t() const { return H2T(static_cast<float>(_hSurface)) * aspecth(); }

void tGuiLabel::_makeSurface() {
  _surface = nullptr;
  if (!_letter || _wSurface <= 0 || _hSurface <= 0) return;
  if (const TPixmapPtr pixmap = _lockSurface()) {
    _drawText(*pixmap);
    _unlockSurface();
  }
}

void tGuiLabel::_drawText(TPixmap& pixmap) { _letter->line(pixmap, _value, 0, 0); }

}  // namespace vandrell

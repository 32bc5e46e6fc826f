#include "gui/text_box.h"

#include "core/numeric.h"

namespace vandrell {

void tGuiText::clearlines() {
  _lines.clear();
  _modify();
}

void tGuiText::addline(const std::string& text) {
  _lines.push_back(text);
  _modify();
}

void tGuiText::array2lines(const std::vector<std::string>& texts) {
  _lines.insert(_lines.end(), texts.begin(), texts.end());
  _modify();
}

void tGuiText::string2lines(const std::string& text, const std::string& separator) {
  if (separator.empty()) {
    _lines.push_back(text);
  } else {
    size_t start = 0;
    for (size_t found; (found = text.find(separator, start)) != std::string::npos; start = found + separator.size())
      _lines.push_back(text.substr(start, found - start));
    _lines.push_back(text.substr(start));
  }
  _modify();
}

void tGuiText::indent(const std::string& text) {
  if (text == _indent) return;
  _indent = text;
  _modify();
}

void tGuiText::spacer(int32_t character) {
  if (character == _spacer) return;
  _spacer = character;
  _modify();
}

void tGuiText::align(int32_t mode) {
  if (mode == _align) return;
  _align = mode;
  _modify();
}

void tGuiText::value(const std::string& text) {
  _value = text;
  _lines.assign(1, text);
  _modify();
}

void tGuiText::_measure() {
  _surfaceSize(roundi(_l), 0);
  // Wrapped for the surface's own width, which drawing breaks the lines for.
  if (_letter) _surfaceSize(_wSurface, _letter->textHeight(_wSurface, _lines, _indent, _spacer));
}

void tGuiText::_modify() {
  _measure();
  _truesurface = 0;
}

void tGuiText::_modifyByResize() {
  const int32_t width = _wSurface, height = _hSurface;
  _measure();
  // A surface that is out of date already stays so.
  if (width != _wSurface || height != _hSurface) _truesurface = 0;
}

void tGuiText::resize(float l, float t, int32_t relative) {
  _resize(l, t, relative);
  _modifyByResize();
}

void tGuiText::_drawText(TPixmap& pixmap) { _letter->text(pixmap, _lines, _indent, _align, 0, _spacer); }

}  // namespace vandrell

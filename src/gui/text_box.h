// A text box of fixed width holding paragraphs, wrapped and aligned in a
// bitmap font; its height follows the wrapped text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/label.h"

namespace vandrell {

class tGuiText : public tGuiLabel {
  VANDRELL_GUI_HOOKS(tGuiText, tGuiLabel)

 public:
  virtual void clearlines();
  virtual void addline(const std::string& text);
  virtual void array2lines(const std::vector<std::string>& texts);
  virtual const std::vector<std::string>& getLines() const { return _lines; }
  // One paragraph per piece of `text` between occurrences of `separator`.
  virtual void string2lines(const std::string& text, const std::string& separator);
  // Put in front of every paragraph.
  virtual void indent(const std::string& text);
  // The break character for wrapping and justification.
  virtual void spacer(int32_t character);
  // 0 left, 1 right, 2 centred, 3 justified.
  virtual void align(int32_t mode);
  // Like _modify, but a surface whose size stays is not redrawn for it.
  virtual void _modifyByResize();

  // The one paragraph `text`.
  void value(const std::string& text) override;
  void _modify() override;
  // Only the width counts: the text is wrapped anew for it.
  void resize(float l, float t, int32_t relative) override;

 protected:
  void _drawText(TPixmap& pixmap) override;
  // The surface size for the box's width and the wrapped paragraphs.
  void _measure();

  std::vector<std::string> _lines;
  std::string _indent;
  int32_t _spacer = ' ';
  int32_t _align = 0;
};

}  // namespace vandrell

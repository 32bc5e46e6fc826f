// One line of text in a bitmap font, drawn on its own surface and sized to
// the text: a label's size follows its text, never the other way round.
#pragma once

#include <cstdint>
#include <string>

#include "gui/surface.h"
#include "resources/letter.h"

namespace vandrell {

class tGuiLabel : public tGuiSurface {
  VANDRELL_GUI_HOOKS(tGuiLabel, tGuiSurface)

 public:
  // `flags` are the surface's image flags.
  virtual void letter(const tLetterPtr& font, int32_t flags);
  virtual const tLetterPtr& getLetter() const { return _letter; }
  virtual void value(const std::string& text);
  virtual const std::string& getValue() const { return _value; }
  // Sizes the surface for the content and marks it out of date.
  virtual void _modify();

  // The surface size in design units (one font pixel is one unit).
  float l() const override;
  float t() const override;
  void _makeSurface() override;
  // Place labels with move and the hotspot instead.
  void resize(float l, float t, int32_t relative) override {}

 protected:
  // Draws the content into a fresh surface of the current size.
  virtual void _drawText(TPixmap& pixmap);
  // Sets the surface size, each side rounded up to an even number (so that a
  // centred surface lands on whole pixels); 0 without a font.
  void _surfaceSize(int32_t width, int32_t height);

  tLetterPtr _letter;
  std::string _value;
};

}  // namespace vandrell

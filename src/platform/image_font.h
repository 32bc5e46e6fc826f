// Fonts that DrawText draws with: each character is a frame of an image.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/image.h"

namespace vandrell {

struct TImageGlyph {
  TImagePtr image;  // null: the character draws nothing
  int32_t frame = 0;
  float x = 0.0f, y = 0.0f;  // offset of the glyph's top-left from the pen
  float advance = 0.0f;      // pen movement after the glyph
};

class TImageFont {
 public:
  virtual ~TImageFont() = default;
  virtual int32_t Height() const = 0;
  // `code` is a Unicode code point.
  virtual TImageGlyph Glyph(uint32_t code) const = 0;
};

using TImageFontPtr = std::shared_ptr<TImageFont>;

// Null selects the built-in font (a small fixed-width bitmap font).
void SetImageFont(TImageFontPtr font);
TImageFontPtr GetImageFont();
// Size of a text in the current font, in pixels before scaling.
int32_t TextWidth(const std::string& text);
int32_t TextHeight(const std::string& text);

}  // namespace vandrell

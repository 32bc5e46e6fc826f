#include "platform/image_font.h"

#include <cmath>

#include "platform/builtin_font.h"
#include "platform/text_stream.h"

namespace vandrell {

namespace {
TImageFontPtr& currentFont() {
  static TImageFontPtr font;
  return font;
}
}  // namespace

void SetImageFont(TImageFontPtr font) { currentFont() = std::move(font); }

TImageFontPtr GetImageFont() { return currentFont() ? currentFont() : BuiltinFont(); }

int32_t TextWidth(const std::string& text) {
  const TImageFontPtr font = GetImageFont();
  float width = 0.0f;
  for (size_t i = 0; i < text.size();) width += font->Glyph(DecodeUtf8(text, i)).advance;
  return static_cast<int32_t>(std::ceil(width));
}

int32_t TextHeight(const std::string&) { return GetImageFont()->Height(); }

}  // namespace vandrell

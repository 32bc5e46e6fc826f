#include "support/block_font.h"

#include <string>

namespace vandrell {

tLetterPtr BlockFont(const std::vector<tBlockGlyph>& glyphs, int32_t height, int32_t padding) {
  int32_t imageWidth = 0;
  for (const tBlockGlyph& glyph : glyphs) imageWidth += glyph.width;
  const TPixmapPtr image = TPixmap::Create(imageWidth, height);
  tMultiConfig config;
  config.SetInt("Font", "h", padding);
  config.SetInt("Font", "v", padding);
  int32_t x = 0;
  for (const tBlockGlyph& glyph : glyphs) {
    const std::string section = "Char" + std::to_string(glyph.code);
    config.SetInt(section, "char", static_cast<int32_t>(glyph.code));
    config.SetInt(section, "x", x);
    config.SetInt(section, "w", glyph.width);
    config.SetInt(section, "h", height);
    for (int32_t j = 0; j < height; ++j) {
      for (int32_t i = 0; i < glyph.width; ++i) {
        uint8_t* pixel = image->PixelPtr(x + i, j);
        pixel[0] = glyph.grey;
        pixel[3] = glyph.alpha;
      }
    }
    x += glyph.width;
  }
  auto font = std::make_shared<tLetter>();
  font->Load(config, image);
  return font;
}

tLetterPtr WordFont() {
  std::vector<tBlockGlyph> glyphs{{U' ', 5, 0, 0}};
  for (char32_t c = U'a'; c <= U'f'; ++c) glyphs.push_back({c, 10});
  return BlockFont(glyphs);
}

}  // namespace vandrell

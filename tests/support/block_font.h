// Bitmap fonts for tests: every glyph a solid block of one grey and alpha.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/letter.h"

namespace vandrell {

struct tBlockGlyph {
  char32_t code;
  int32_t width;
  uint8_t grey = 255;
  uint8_t alpha = 255;
};

// Glyphs `height` pixels high side by side on one image; `padding` is the
// description's "h" and "v".
tLetterPtr BlockFont(const std::vector<tBlockGlyph>& glyphs, int32_t height = 8, int32_t padding = 0);

// Letters a..f 10 wide and an invisible blank 5 wide, 8 high.
tLetterPtr WordFont();

}  // namespace vandrell

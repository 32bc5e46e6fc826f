// Lays the baked characters out as equal-height cells in one image and
// writes the engine's font description beside it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixmap.h"
#include "raster.h"
#include "resources/config.h"

namespace vandrell {

struct AtlasCell {
  uint32_t code = 0;
  int32_t x = 0, y = 0, w = 0, h = 0;
};

struct Atlas {
  int32_t hPadding = 0;
  int32_t vPadding = 0;
  std::vector<AtlasCell> cells;  // in code order
  TPixmapPtr pixmap;
  // Characters whose ink reached past the padding and was cut off.
  std::vector<uint32_t> clipped;
};

// The padding per side that keeps every glyph's ink inside its cell, given
// the line's ascent and descent.
void NeededPadding(const std::vector<GlyphImage>& glyphs, int32_t ascent, int32_t descent, int32_t& horizontal,
                   int32_t& vertical);

// Cells are advance + 2 hPadding wide and ascent + descent + 2 vPadding high,
// packed row by row in code order into an image `width` pixels wide (0: the
// smallest power of two that keeps the image about square). Null pixmap when
// the image would be too large or a cell is wider than `width`.
Atlas BuildAtlas(const std::vector<GlyphImage>& glyphs, int32_t ascent, int32_t descent, int32_t hPadding,
                 int32_t vPadding, int32_t width);

// The font description: section "Font" with the image's file name and the
// padding, one "Char" section per cell.
tMultiConfig DescribeAtlas(const Atlas& atlas, const std::string& pixmapName);

}  // namespace vandrell

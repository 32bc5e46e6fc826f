#include "atlas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vandrell {

void NeededPadding(const std::vector<GlyphImage>& glyphs, int32_t ascent, int32_t descent, int32_t& horizontal,
                   int32_t& vertical) {
  horizontal = vertical = 0;
  for (const GlyphImage& glyph : glyphs) {
    if (glyph.width == 0) continue;
    horizontal = std::max({horizontal, -glyph.left, glyph.left + glyph.width - glyph.advance});
    vertical = std::max({vertical, -ascent - glyph.top, glyph.top + glyph.height - descent});
  }
}

namespace {

int32_t chooseWidth(const std::vector<GlyphImage>& glyphs, int32_t cellHeight, int32_t hPadding) {
  int64_t area = 0;
  int32_t widest = 1;
  for (const GlyphImage& glyph : glyphs) {
    const int32_t cellWidth = glyph.advance + 2 * hPadding;
    area += int64_t{cellWidth} * cellHeight;
    widest = std::max(widest, cellWidth);
  }
  int32_t width = 1;
  while (width < widest || int64_t{width} * width < area) width *= 2;
  return width;
}

// Copies the glyph's ink into its cell; false when some of it falls outside.
bool drawGlyph(TPixmap& pixmap, const AtlasCell& cell, const GlyphImage& glyph, int32_t originX, int32_t originY) {
  bool whole = true;
  for (int32_t j = 0; j < glyph.height; ++j) {
    for (int32_t i = 0; i < glyph.width; ++i) {
      const size_t at = static_cast<size_t>(j) * glyph.width + i;
      if (glyph.alpha[at] == 0) continue;
      const int32_t x = originX + glyph.left + i, y = originY + glyph.top + j;
      if (x < 0 || y < 0 || x >= cell.w || y >= cell.h) {
        whole = false;
        continue;
      }
      uint8_t* pixel = pixmap.PixelPtr(cell.x + x, cell.y + y);
      pixel[0] = pixel[1] = pixel[2] = glyph.grey[at];
      pixel[3] = glyph.alpha[at];
    }
  }
  return whole;
}

}  // namespace

Atlas BuildAtlas(const std::vector<GlyphImage>& glyphs, int32_t ascent, int32_t descent, int32_t hPadding,
                 int32_t vPadding, int32_t width) {
  Atlas atlas;
  atlas.hPadding = hPadding;
  atlas.vPadding = vPadding;
  const int32_t cellHeight = ascent + descent + 2 * vPadding;
  if (width == 0) width = chooseWidth(glyphs, cellHeight, hPadding);

  int32_t x = 0, y = 0;
  for (const GlyphImage& glyph : glyphs) {
    const int32_t cellWidth = glyph.advance + 2 * hPadding;
    if (cellWidth > width) return atlas;
    if (x + cellWidth > width) x = 0, y += cellHeight;
    atlas.cells.push_back({glyph.code, x, y, cellWidth, cellHeight});
    x += cellWidth;
  }
  atlas.pixmap = TPixmap::Create(width, y + cellHeight);
  if (!atlas.pixmap) return atlas;
  for (size_t n = 0; n < glyphs.size(); ++n) {
    if (!drawGlyph(*atlas.pixmap, atlas.cells[n], glyphs[n], hPadding, vPadding + ascent))
      atlas.clipped.push_back(glyphs[n].code);
  }
  return atlas;
}

tMultiConfig DescribeAtlas(const Atlas& atlas, const std::string& pixmapName) {
  tMultiConfig config;
  config.AddOption("Font", "pixmap", pixmapName);
  config.AddOption("Font", "h", std::to_string(atlas.hPadding));
  config.AddOption("Font", "v", std::to_string(atlas.vPadding));
  for (const AtlasCell& cell : atlas.cells) {
    // Sections are written sorted by name; five digits keep that code order.
    char section[16];
    std::snprintf(section, sizeof section, "Char%05u", cell.code);
    config.AddOption(section, "char", std::to_string(cell.code));
    config.AddOption(section, "x", std::to_string(cell.x));
    config.AddOption(section, "y", std::to_string(cell.y));
    config.AddOption(section, "w", std::to_string(cell.w));
    config.AddOption(section, "h", std::to_string(cell.h));
  }
  return config;
}

}  // namespace vandrell

// Draws single characters of a FreeType face with the baker's outline and
// shadow, as grey level and coverage per pixel.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "options.h"

namespace vandrell {

struct GlyphImage {
  uint32_t code = 0;
  int32_t advance = 0;  // pen movement to the next character, in pixels
  // Top-left of the image relative to the pen on the baseline (y downwards).
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> grey;   // row by row, straight (not premultiplied)
  std::vector<uint8_t> alpha;  // coverage
};

class GlyphRasterizer {
 public:
  // Null with `problem` set when the face cannot be opened at that size.
  static std::unique_ptr<GlyphRasterizer> Open(const BakeOptions& options, std::string& problem);
  ~GlyphRasterizer();
  GlyphRasterizer(const GlyphRasterizer&) = delete;
  GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

  // The line's extent above and below the baseline, outline included.
  int32_t ascent() const { return _ascent; }
  int32_t descent() const { return _descent; }

  bool hasGlyph(uint32_t code) const;
  // Null with `problem` set when FreeType fails on this character.
  std::optional<GlyphImage> render(uint32_t code, std::string& problem) const;

 private:
  struct Handles;
  explicit GlyphRasterizer(const BakeOptions& options);

  const BakeOptions& _options;
  std::unique_ptr<Handles> _ft;
  int32_t _margin = 0;  // pixels the outline adds on every side of a glyph
  int32_t _ascent = 0;
  int32_t _descent = 0;
};

// FreeType's description of an error code.
std::string FreeTypeMessage(int error);

}  // namespace vandrell

// What the font baker was asked to do, read from its command line.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vandrell {

struct BakeOptions {
  std::string fontFile;
  int32_t size = 0;  // pixels per em
  std::string outputBase;
  int32_t faceIndex = 0;
  std::set<uint32_t> chars;  // code points, in the order they are packed
  // Padding per side; unset means just enough for every glyph's ink.
  std::optional<int32_t> padding;
  int32_t grey = 255;
  float outline = 0.0f;  // width in pixels
  int32_t outlineGrey = 0;
  int32_t shadowX = 0;
  int32_t shadowY = 0;
  float shadowOpacity = 0.6f;
  bool hinting = true;
  int32_t atlasWidth = 0;  // 0: chosen from the glyphs' total area
  bool help = false;
};

// The characters baked when the command line names none: printable Latin-1.
std::set<uint32_t> Latin1Chars();

// Adds the characters of a list such as "32-126,0xA0-0xFF,U+2026" to `chars`.
// Returns "" or the reason the list is wrong.
std::string ParseCharList(const std::string& list, std::set<uint32_t>& chars);

// Returns "" or a message naming the faulty argument; `options` is then
// incomplete.
std::string ParseOptions(const std::vector<std::string>& arguments, BakeOptions& options);

extern const char* const BAKE_USAGE;

}  // namespace vandrell

// fontbake: turns a TrueType or OpenType font into the engine's bitmap font.
//
//   fontbake [options] FONT_FILE SIZE OUTPUT_BASE
//
// writes OUTPUT_BASE (the font description) and OUTPUT_BASE.pixmap (the glyph
// image, a PNG with the grey level in its colour bytes and coverage in alpha);
// a font stored as media/fonts/title is then loaded by the name "fonts/title".
// Options choose the characters (-c/--chars, -a/--add, -t/--text; printable
// Latin-1 by default), the look (-g/--grey, -o/--outline, --outline-grey,
// -s/--shadow, --shadow-opacity, --no-hinting) and the layout (-p/--padding,
// -w/--width, -f/--face); `fontbake --help` explains each. From CMake, use
// vandrell_bake_font() of cmake/fonts.cmake.
//
// Exit status: 0 when both files were written (and for --help), 2 on wrong
// arguments, 1 when the font cannot be read or the files cannot be written.
#include <cstdio>
#include <string>
#include <vector>

#include "atlas.h"
#include "options.h"
#include "platform/filesystem.h"
#include "platform/log.h"
#include "platform/png_codec.h"
#include "raster.h"

using namespace vandrell;

namespace {

constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

void report(const char* kind, const std::string& text) { std::fprintf(stderr, "fontbake: %s%s\n", kind, text.c_str()); }

std::string codeName(uint32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", code);
  return text;
}

std::string codeList(const std::vector<uint32_t>& codes) {
  std::string list;
  for (size_t n = 0; n < codes.size(); ++n) {
    if (n == 8) return list + " and " + std::to_string(codes.size() - n) + " more";
    list += (n ? " " : "") + codeName(codes[n]);
  }
  return list;
}

int bake(const BakeOptions& options) {
  std::string problem;
  const auto rasterizer = GlyphRasterizer::Open(options, problem);
  if (!rasterizer) {
    report("error: ", problem);
    return EXIT_FAILED;
  }

  std::vector<GlyphImage> glyphs;
  std::vector<uint32_t> missing;
  for (const uint32_t code : options.chars) {
    if (!rasterizer->hasGlyph(code)) {
      missing.push_back(code);
      continue;
    }
    auto glyph = rasterizer->render(code, problem);
    if (!glyph) {
      report("error: ", "cannot draw " + codeName(code) + ": " + problem);
      return EXIT_FAILED;
    }
    glyphs.push_back(std::move(*glyph));
  }
  if (!missing.empty())
    report("warning: ", "'" + options.fontFile + "' has no glyph for " + codeList(missing) + "; left out");
  if (glyphs.empty()) {
    report("error: ", "'" + options.fontFile + "' has none of the requested characters");
    return EXIT_FAILED;
  }

  int32_t hPadding = 0, vPadding = 0;
  NeededPadding(glyphs, rasterizer->ascent(), rasterizer->descent(), hPadding, vPadding);
  if (options.padding) hPadding = vPadding = *options.padding;
  const Atlas atlas =
      BuildAtlas(glyphs, rasterizer->ascent(), rasterizer->descent(), hPadding, vPadding, options.atlasWidth);
  if (!atlas.pixmap) {
    report("error: ", options.atlasWidth ? "the glyph image does not fit in " + std::to_string(options.atlasWidth) +
                                               " pixels of width; choose a larger --width"
                                         : std::string("the glyph image would be too large; choose a smaller SIZE"));
    return EXIT_FAILED;
  }
  if (!atlas.clipped.empty())
    report("warning: ", "padding " + std::to_string(hPadding) + " cuts off ink of " + codeList(atlas.clipped) +
                            "; leave --padding out to get enough");

  const std::string pixmapPath = options.outputBase + ".pixmap";
  const std::string folder = ExtractDir(options.outputBase);
  if (!folder.empty() && FileType(folder) != FILETYPE_DIR && !CreateDir(folder)) {
    report("error: ", "cannot create folder '" + folder + "'");
    return EXIT_FAILED;
  }
  if (!SavePixmapPNG(*atlas.pixmap, pixmapPath)) {
    report("error: ", "cannot write '" + pixmapPath + "'");
    return EXIT_FAILED;
  }
  tMultiConfig description = DescribeAtlas(atlas, StripDir(pixmapPath));
  if (!description.SaveFileAs(options.outputBase, UTF8)) {
    report("error: ", "cannot write '" + options.outputBase + "'");
    return EXIT_FAILED;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  SetDebugLogTarget("-");  // the engine's reasons for a failed write
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  BakeOptions options;
  const std::string problem = ParseOptions(arguments, options);
  if (options.help) {
    std::fputs(BAKE_USAGE, stdout);
    return 0;
  }
  if (!problem.empty()) {
    report("", problem);
    std::fputs(BAKE_USAGE, stderr);
    return EXIT_USAGE;
  }
  return bake(options);
}

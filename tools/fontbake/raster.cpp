#include "raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

#include <algorithm>
#include <cmath>

namespace vandrell {

namespace {

// Pixels in a box relative to the pen, with premultiplied grey (0..255 times
// coverage) and coverage (0..1), so that layers stack with "over".
struct Layer {
  int32_t left = 0, top = 0, width = 0, height = 0;
  std::vector<float> grey, alpha;

  float greyAt(int32_t x, int32_t y) const { return inside(x, y) ? grey[index(x, y)] : 0.0f; }
  float alphaAt(int32_t x, int32_t y) const { return inside(x, y) ? alpha[index(x, y)] : 0.0f; }
  bool inside(int32_t x, int32_t y) const { return x >= left && y >= top && x < left + width && y < top + height; }
  size_t index(int32_t x, int32_t y) const { return static_cast<size_t>(y - top) * width + (x - left); }
  void resize(int32_t w, int32_t h) {
    width = w;
    height = h;
    grey.assign(static_cast<size_t>(w) * h, 0.0f);
    alpha.assign(static_cast<size_t>(w) * h, 0.0f);
  }
};

// A rendered FreeType bitmap glyph as a layer of one grey level.
Layer bitmapLayer(FT_BitmapGlyph glyph, float grey) {
  Layer layer;
  layer.left = glyph->left;
  layer.top = -glyph->top;
  const FT_Bitmap& bitmap = glyph->bitmap;
  layer.resize(static_cast<int32_t>(bitmap.width), static_cast<int32_t>(bitmap.rows));
  for (int32_t y = 0; y < layer.height; ++y) {
    const uint8_t* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
    for (int32_t x = 0; x < layer.width; ++x) {
      const float coverage = row[x] / 255.0f;
      layer.alpha[static_cast<size_t>(y) * layer.width + x] = coverage;
      layer.grey[static_cast<size_t>(y) * layer.width + x] = grey * coverage;
    }
  }
  return layer;
}

// `top` laid over `bottom`, on the box that holds both.
Layer over(const Layer& bottom, const Layer& top) {
  if (bottom.width == 0 || bottom.height == 0) return top;
  if (top.width == 0 || top.height == 0) return bottom;
  Layer result;
  result.left = std::min(bottom.left, top.left);
  result.top = std::min(bottom.top, top.top);
  result.resize(std::max(bottom.left + bottom.width, top.left + top.width) - result.left,
                std::max(bottom.top + bottom.height, top.top + top.height) - result.top);
  for (int32_t y = result.top; y < result.top + result.height; ++y) {
    for (int32_t x = result.left; x < result.left + result.width; ++x) {
      const float cover = top.alphaAt(x, y);
      result.grey[result.index(x, y)] = top.greyAt(x, y) + bottom.greyAt(x, y) * (1.0f - cover);
      result.alpha[result.index(x, y)] = cover + bottom.alphaAt(x, y) * (1.0f - cover);
    }
  }
  return result;
}

// The layer's silhouette, moved and in black at the given opacity.
Layer shadowOf(const Layer& body, int32_t dx, int32_t dy, float opacity) {
  Layer shadow = body;
  shadow.left += dx;
  shadow.top += dy;
  for (float& coverage : shadow.alpha) coverage *= opacity;
  std::fill(shadow.grey.begin(), shadow.grey.end(), 0.0f);
  return shadow;
}

// A layer's pixels trimmed to the rows and columns that have ink.
GlyphImage toImage(const Layer& layer, uint32_t code, int32_t advance) {
  GlyphImage image;
  image.code = code;
  image.advance = advance;
  int32_t minX = layer.width, minY = layer.height, maxX = -1, maxY = -1;
  for (int32_t y = 0; y < layer.height; ++y) {
    for (int32_t x = 0; x < layer.width; ++x) {
      if (std::lround(layer.alpha[static_cast<size_t>(y) * layer.width + x] * 255.0f) == 0) continue;
      minX = std::min(minX, x), maxX = std::max(maxX, x);
      minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
  }
  if (maxX < 0) return image;
  image.left = layer.left + minX;
  image.top = layer.top + minY;
  image.width = maxX - minX + 1;
  image.height = maxY - minY + 1;
  for (int32_t y = minY; y <= maxY; ++y) {
    for (int32_t x = minX; x <= maxX; ++x) {
      const size_t at = static_cast<size_t>(y) * layer.width + x;
      const float alpha = layer.alpha[at];
      const long coverage = std::lround(alpha * 255.0f);
      image.alpha.push_back(static_cast<uint8_t>(coverage));
      image.grey.push_back(coverage == 0 ? 0 : static_cast<uint8_t>(std::clamp(std::lround(layer.grey[at] / alpha), 0L, 255L)));
    }
  }
  return image;
}

// Renders an outline glyph to a layer, consuming the glyph.
std::optional<Layer> renderGlyph(FT_Glyph glyph, float grey, std::string& problem) {
  const FT_Error error = FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1);
  if (error) {
    FT_Done_Glyph(glyph);
    problem = FreeTypeMessage(error);
    return std::nullopt;
  }
  Layer layer = bitmapLayer(reinterpret_cast<FT_BitmapGlyph>(glyph), grey);
  FT_Done_Glyph(glyph);
  return layer;
}

}  // namespace

struct GlyphRasterizer::Handles {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  FT_Stroker stroker = nullptr;

  ~Handles() {
    if (stroker) FT_Stroker_Done(stroker);
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

std::string FreeTypeMessage(int error) {
#undef FTERRORS_H_
#define FT_ERRORDEF(code, value, text) {value, text},
#define FT_ERROR_START_LIST {
#define FT_ERROR_END_LIST \
  { 0, nullptr }          \
  }                       \
  ;
  static const struct {
    int code;
    const char* text;
  } messages[] =
#include FT_ERRORS_H
      for (const auto& message : messages) {
    if (message.text && message.code == error) return message.text;
  }
  return "FreeType error " + std::to_string(error);
}

GlyphRasterizer::GlyphRasterizer(const BakeOptions& options) : _options(options), _ft(std::make_unique<Handles>()) {}

GlyphRasterizer::~GlyphRasterizer() = default;

std::unique_ptr<GlyphRasterizer> GlyphRasterizer::Open(const BakeOptions& options, std::string& problem) {
  std::unique_ptr<GlyphRasterizer> rasterizer(new GlyphRasterizer(options));
  Handles& ft = *rasterizer->_ft;
  FT_Error error = FT_Init_FreeType(&ft.library);
  if (!error) error = FT_New_Face(ft.library, options.fontFile.c_str(), options.faceIndex, &ft.face);
  if (error) {
    problem = "cannot open font '" + options.fontFile + "': " + FreeTypeMessage(error);
    return nullptr;
  }
  if (!FT_IS_SCALABLE(ft.face)) {
    problem = "'" + options.fontFile + "' is not an outline (TrueType or OpenType) font";
    return nullptr;
  }
  if (FT_Select_Charmap(ft.face, FT_ENCODING_UNICODE)) {
    problem = "'" + options.fontFile + "' has no Unicode character map";
    return nullptr;
  }
  if ((error = FT_Set_Pixel_Sizes(ft.face, 0, static_cast<FT_UInt>(options.size)))) {
    problem = "cannot set '" + options.fontFile + "' to " + std::to_string(options.size) + " pixels: " +
              FreeTypeMessage(error);
    return nullptr;
  }
  if (options.outline > 0.0f) {
    if ((error = FT_Stroker_New(ft.library, &ft.stroker))) {
      problem = "cannot make the outline: " + FreeTypeMessage(error);
      return nullptr;
    }
    FT_Stroker_Set(ft.stroker, static_cast<FT_Fixed>(std::lround(options.outline * 64.0f)),
                   FT_STROKER_LINECAP_ROUND, FT_STROKER_LINEJOIN_ROUND, 0);
  }
  rasterizer->_margin = static_cast<int32_t>(std::ceil(options.outline));
  const FT_Size_Metrics& metrics = ft.face->size->metrics;
  rasterizer->_ascent = static_cast<int32_t>((metrics.ascender + 63) >> 6) + rasterizer->_margin;
  rasterizer->_descent = static_cast<int32_t>((-metrics.descender + 63) >> 6) + rasterizer->_margin;
  return rasterizer;
}

bool GlyphRasterizer::hasGlyph(uint32_t code) const { return FT_Get_Char_Index(_ft->face, code) != 0; }

std::optional<GlyphImage> GlyphRasterizer::render(uint32_t code, std::string& problem) const {
  const FT_Int32 flags = FT_LOAD_NO_BITMAP | (_options.hinting ? FT_LOAD_TARGET_NORMAL : FT_LOAD_NO_HINTING);
  FT_Glyph fill = nullptr;
  FT_Error error = FT_Load_Glyph(_ft->face, FT_Get_Char_Index(_ft->face, code), flags);
  if (!error) error = FT_Get_Glyph(_ft->face->glyph, &fill);
  if (error) {
    problem = FreeTypeMessage(error);
    return std::nullopt;
  }
  const int32_t advance = static_cast<int32_t>((_ft->face->glyph->advance.x + 32) >> 6) + 2 * _margin;

  Layer body;
  if (_ft->stroker) {
    FT_Glyph stroke = nullptr;
    error = FT_Glyph_Copy(fill, &stroke);
    if (!error) error = FT_Glyph_Stroke(&stroke, _ft->stroker, 1);
    if (error) {
      FT_Done_Glyph(fill);
      problem = "outline: " + FreeTypeMessage(error);
      return std::nullopt;
    }
    std::optional<Layer> outline = renderGlyph(stroke, static_cast<float>(_options.outlineGrey), problem);
    if (!outline) {
      FT_Done_Glyph(fill);
      return std::nullopt;
    }
    body = *outline;
  }
  std::optional<Layer> letter = renderGlyph(fill, static_cast<float>(_options.grey), problem);
  if (!letter) return std::nullopt;
  body = over(body, *letter);
  if (_options.shadowX != 0 || _options.shadowY != 0)
    body = over(shadowOf(body, _options.shadowX, _options.shadowY, _options.shadowOpacity), body);
  body.left += _margin;
  return toImage(body, code, advance);
}

}  // namespace vandrell

// The drawing calls of draw.h, on the current renderer back end.
#include "platform/draw.h"

#include <cmath>
#include <cstdlib>

#include "platform/image_font.h"
#include "platform/render_backend.h"
#include "platform/text_stream.h"

namespace vandrell {

namespace {

// The pixels of a line from a to b (Bresenham), the end included or not.
std::vector<TDrawPixel> linePixels(TDrawPixel a, TDrawPixel b, bool last) {
  std::vector<TDrawPixel> points;
  const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
  const int stepX = a.x < b.x ? 1 : -1, stepY = a.y < b.y ? 1 : -1;
  int error = dx + dy;
  for (TDrawPixel p = a;;) {
    const bool end = p.x == b.x && p.y == b.y;
    if (end && !last) break;
    points.push_back(p);
    if (end) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      p.y += stepY;
    }
  }
  return points;
}

TDrawPixel pixelOf(TDrawPoint p) {
  return {static_cast<int32_t>(std::floor(p.x)), static_cast<int32_t>(std::floor(p.y))};
}

}  // namespace

void Plot(float x, float y) {
  const TDrawTimeScope timed;
  const TDrawState& s = TDrawState::Current();
  RenderPixels({pixelOf(s.place(x, y, -s.handle_x, -s.handle_y))});
}

void DrawLine(float x1, float y1, float x2, float y2, int32_t lastPixel) {
  const TDrawTimeScope timed;
  const TDrawState& s = TDrawState::Current();
  const TDrawPixel a = pixelOf(s.place(x1, y1, -s.handle_x, -s.handle_y));
  const TDrawPixel b = pixelOf(s.place(x1, y1, x2 - x1 - s.handle_x, y2 - y1 - s.handle_y));
  RenderPixels(linePixels(a, b, lastPixel != 0));
}

void DrawRect(float x, float y, float width, float height) {
  const TDrawTimeScope timed;
  const TDrawState& s = TDrawState::Current();
  RenderQuad(x, y, -s.handle_x, -s.handle_y, width - s.handle_x, height - s.handle_y);
}

void DrawText(const std::string& text, float x, float y) {
  const TDrawTimeScope timed;
  const TImageFontPtr font = GetImageFont();
  const TDrawState& s = TDrawState::Current();
  float pen = 0.0f;
  for (size_t i = 0; i < text.size();) {
    const TImageGlyph glyph = font->Glyph(DecodeUtf8(text, i));
    if (glyph.image) {
      RenderFrame(glyph.image, glyph.frame, x, y, pen + glyph.x - s.handle_x, glyph.y - s.handle_y,
                  static_cast<float>(glyph.image->width), static_cast<float>(glyph.image->height));
    }
    pen += glyph.advance;
  }
}

void DrawImage(const TImagePtr& image, float x, float y, int32_t frame) {
  const TDrawTimeScope timed;
  if (!image) return;
  RenderFrame(image, frame, x, y, -image->handle_x, -image->handle_y, static_cast<float>(image->width),
              static_cast<float>(image->height));
}

void DrawImageRect(const TImagePtr& image, float x, float y, float width, float height, int32_t frame) {
  const TDrawTimeScope timed;
  if (!image || image->width <= 0 || image->height <= 0) return;
  const float stretchX = width / static_cast<float>(image->width);
  const float stretchY = height / static_cast<float>(image->height);
  RenderFrame(image, frame, x, y, -image->handle_x * stretchX, -image->handle_y * stretchY, width, height);
}

}  // namespace vandrell

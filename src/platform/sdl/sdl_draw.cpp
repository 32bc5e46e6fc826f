// The drawing primitives on SDL's renderer.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/image_font.h"
#include "platform/log.h"
#include "platform/sdl/sdl_context.h"
#include "platform/sdl/sdl_image_frame.h"
#include "platform/text_stream.h"

namespace vandrell {

namespace {

struct Point {
  float x, y;
};

bool countDrawTime = false;
uint64_t countedTicks = 0;

int32_t blendMode() {
  const int32_t mode = TDrawState::Current().blend_mode;
  return mode >= MASKBLEND && mode <= SHADEBLEND ? mode : SOLIDBLEND;
}

SDL_BlendMode sdlBlendMode(int32_t mode) {
  switch (mode) {
    case MASKBLEND:  // the texture's alpha is cut to 0 or 255, so blending only skips pixels
    case ALPHABLEND:
      return SDL_BLENDMODE_BLEND;
    case LIGHTBLEND:
      return SDL_BLENDMODE_ADD;
    case SHADEBLEND:
      return SDL_BLENDMODE_MUL;
    default:
      return SDL_BLENDMODE_NONE;
  }
}

Uint8 channel(int32_t value) { return static_cast<Uint8>(std::clamp(value, 0, 255)); }

float alpha() {
  const float a = TDrawState::Current().color_alpha;
  return a > 0.0f ? std::min(a, 1.0f) : 0.0f;  // also turns NaN into 0
}

// Mask and solid draw opaquely; mask draws nothing below half alpha.
bool alphaShows(int32_t mode) { return mode != MASKBLEND || alpha() >= 0.5f; }

Uint8 alphaByte(int32_t mode) {
  return mode == MASKBLEND || mode == SOLIDBLEND ? 255 : static_cast<Uint8>(std::lround(alpha() * 255.0f));
}

// SDL's multiply adds destination x (1 - alpha) to source x destination, so
// the source must come premultiplied by its alpha for transparent parts to
// leave the destination as it is.
Uint8 tint(int32_t value, int32_t mode) {
  const Uint8 c = channel(value);
  return mode == SHADEBLEND ? static_cast<Uint8>(std::lround(c * alpha())) : c;
}

// The current context, with the viewport applied as SDL's clip rectangle;
// null when there is nothing to draw on or the viewport is empty.
TGraphics* target() {
  TGraphics* g = CurrentGraphics().get();
  if (!g || !g->renderer) return nullptr;
  const TDrawState& s = TDrawState::Current();
  if (s.viewport_w <= 0 || s.viewport_h <= 0) return nullptr;
  const SDL_Rect clip{s.viewport_x, s.viewport_y, s.viewport_w, s.viewport_h};
  if (!SDL_RectEquals(&clip, &g->clip)) {
    SDL_RenderSetClipRect(g->renderer, &clip);
    g->clip = clip;
  }
  return g;
}

// Colour and blend of the untextured primitives; false when nothing shows.
bool setDrawColor(TGraphics& g) {
  const int32_t mode = blendMode();
  if (!alphaShows(mode)) return false;
  const TDrawState& s = TDrawState::Current();
  SDL_SetRenderDrawBlendMode(g.renderer, sdlBlendMode(mode));
  SDL_SetRenderDrawColor(g.renderer, tint(s.color_red, mode), tint(s.color_green, mode), tint(s.color_blue, mode),
                         alphaByte(mode));
  return true;
}

// Where an offset (x, y) from the drawing position (ax, ay) lands: rotated
// and scaled, then moved by the origin.
Point place(float ax, float ay, float x, float y) {
  const TDrawState& s = TDrawState::Current();
  return {ax + s.origin_x + s.tform_ix * x + s.tform_iy * y, ay + s.origin_y + s.tform_jx * x + s.tform_jy * y};
}

// The pixels of a line from a to b (Bresenham), the end included or not.
std::vector<SDL_Point> linePixels(SDL_Point a, SDL_Point b, bool last) {
  std::vector<SDL_Point> points;
  const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
  const int stepX = a.x < b.x ? 1 : -1, stepY = a.y < b.y ? 1 : -1;
  int error = dx + dy;
  for (SDL_Point p = a;;) {
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

SDL_Point pixelOf(Point p) { return {static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))}; }

// A filled quadrilateral of the offsets (x0, y0)-(x1, y1) from (ax, ay).
void fillQuad(TGraphics& g, float ax, float ay, float x0, float y0, float x1, float y1) {
  if (!setDrawColor(g)) return;
  const TDrawState& s = TDrawState::Current();
  if (s.tform_rot == 0.0f) {
    const Point a = place(ax, ay, x0, y0), b = place(ax, ay, x1, y1);
    const int left = static_cast<int>(std::lround(std::min(a.x, b.x)));
    const int top = static_cast<int>(std::lround(std::min(a.y, b.y)));
    const SDL_Rect rect{left, top, static_cast<int>(std::lround(std::max(a.x, b.x))) - left,
                        static_cast<int>(std::lround(std::max(a.y, b.y))) - top};
    SDL_RenderFillRect(g.renderer, &rect);
    return;
  }
  Uint8 r, gr, b, a;
  SDL_GetRenderDrawColor(g.renderer, &r, &gr, &b, &a);
  const Point corners[4] = {place(ax, ay, x0, y0), place(ax, ay, x1, y0), place(ax, ay, x1, y1),
                            place(ax, ay, x0, y1)};
  SDL_Vertex vertices[4];
  for (int i = 0; i < 4; ++i) vertices[i] = {{corners[i].x, corners[i].y}, {r, gr, b, a}, {0.0f, 0.0f}};
  static const int indices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(g.renderer, nullptr, vertices, 4, indices, 6);
}

// Draws a frame over the offsets (x0, y0) to (x0 + w, y0 + h) from the
// drawing position (ax, ay), with the current transform about that position.
void drawFrame(const TImagePtr& image, int32_t frame, float ax, float ay, float x0, float y0, float w, float h) {
  TGraphics* g = target();
  if (!g || !image || frame < 0 || frame >= image->frameCount()) return;
  const int32_t mode = blendMode();
  if (!alphaShows(mode)) return;
  const TImageFrame::Variant variant = mode == MASKBLEND    ? TImageFrame::CUT
                                       : mode == SHADEBLEND ? TImageFrame::PREMULTIPLIED
                                                            : TImageFrame::PLAIN;
  SDL_Texture* texture = TImageFrame::Texture(*image, frame, CurrentGraphics(), variant);
  if (!texture) return;
  const TDrawState& s = TDrawState::Current();
  SDL_SetTextureColorMod(texture, tint(s.color_red, mode), tint(s.color_green, mode), tint(s.color_blue, mode));
  SDL_SetTextureAlphaMod(texture, alphaByte(mode));
  if (SDL_SetTextureBlendMode(texture, sdlBlendMode(mode)) != 0) {
    DebugLog(std::string("Blend mode refused by the renderer: ") + SDL_GetError());
    return;
  }
  const float sx = s.tform_scale_x, sy = s.tform_scale_y;
  // The rectangle scaled but not yet rotated, relative to the drawing point.
  const float left = sx >= 0.0f ? x0 * sx : (x0 + w) * sx;
  const float top = sy >= 0.0f ? y0 * sy : (y0 + h) * sy;
  const SDL_FRect dst{ax + s.origin_x + left, ay + s.origin_y + top, w * std::abs(sx), h * std::abs(sy)};
  if (s.tform_rot == 0.0f && sx >= 0.0f && sy >= 0.0f) {
    SDL_RenderCopyF(g->renderer, texture, nullptr, &dst);
    return;
  }
  const SDL_FPoint centre{-left, -top};
  const int flip = (sx < 0.0f ? SDL_FLIP_HORIZONTAL : 0) | (sy < 0.0f ? SDL_FLIP_VERTICAL : 0);
  SDL_RenderCopyExF(g->renderer, texture, nullptr, &dst, s.tform_rot, &centre, static_cast<SDL_RendererFlip>(flip));
}

}  // namespace

void Plot(float x, float y) {
  const TDrawTimeScope timed;
  TGraphics* g = target();
  if (!g || !setDrawColor(*g)) return;
  const TDrawState& s = TDrawState::Current();
  const SDL_Point p = pixelOf(place(x, y, -s.handle_x, -s.handle_y));
  SDL_RenderDrawPoint(g->renderer, p.x, p.y);
}

void DrawLine(float x1, float y1, float x2, float y2, int32_t lastPixel) {
  const TDrawTimeScope timed;
  TGraphics* g = target();
  if (!g || !setDrawColor(*g)) return;
  const TDrawState& s = TDrawState::Current();
  const SDL_Point a = pixelOf(place(x1, y1, -s.handle_x, -s.handle_y));
  const SDL_Point b = pixelOf(place(x1, y1, x2 - x1 - s.handle_x, y2 - y1 - s.handle_y));
  const std::vector<SDL_Point> points = linePixels(a, b, lastPixel != 0);
  if (!points.empty()) SDL_RenderDrawPoints(g->renderer, points.data(), static_cast<int>(points.size()));
}

void DrawRect(float x, float y, float width, float height) {
  const TDrawTimeScope timed;
  TGraphics* g = target();
  if (!g) return;
  const TDrawState& s = TDrawState::Current();
  fillQuad(*g, x, y, -s.handle_x, -s.handle_y, width - s.handle_x, height - s.handle_y);
}

void DrawText(const std::string& text, float x, float y) {
  const TDrawTimeScope timed;
  const TImageFontPtr font = GetImageFont();
  const TDrawState& s = TDrawState::Current();
  float pen = 0.0f;
  for (size_t i = 0; i < text.size();) {
    const TImageGlyph glyph = font->Glyph(DecodeUtf8(text, i));
    if (glyph.image) {
      drawFrame(glyph.image, glyph.frame, x, y, pen + glyph.x - s.handle_x, glyph.y - s.handle_y,
                static_cast<float>(glyph.image->width), static_cast<float>(glyph.image->height));
    }
    pen += glyph.advance;
  }
}

void DrawImage(const TImagePtr& image, float x, float y, int32_t frame) {
  const TDrawTimeScope timed;
  if (!image) return;
  drawFrame(image, frame, x, y, -image->handle_x, -image->handle_y, static_cast<float>(image->width),
            static_cast<float>(image->height));
}

void DrawImageRect(const TImagePtr& image, float x, float y, float width, float height, int32_t frame) {
  const TDrawTimeScope timed;
  if (!image || image->width <= 0 || image->height <= 0) return;
  const float stretchX = width / static_cast<float>(image->width);
  const float stretchY = height / static_cast<float>(image->height);
  drawFrame(image, frame, x, y, -image->handle_x * stretchX, -image->handle_y * stretchY, width, height);
}

TDrawTimeScope::TDrawTimeScope() : _start(countDrawTime ? SDL_GetPerformanceCounter() : 0) {}

TDrawTimeScope::~TDrawTimeScope() {
  if (countDrawTime) countedTicks += SDL_GetPerformanceCounter() - _start;
}

void CountDrawTime(bool on) {
  countDrawTime = on;
  if (on) countedTicks = 0;
}

double CountedDrawTime() { return static_cast<double>(countedTicks) / static_cast<double>(SDL_GetPerformanceFrequency()); }

TPixmapPtr GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height) {
  TGraphics* g = CurrentGraphics().get();
  if (!g || !g->renderer || width <= 0 || height <= 0) return nullptr;
  TPixmapPtr pixmap = TPixmap::Create(width, height);
  if (!pixmap) return nullptr;
  int outputWidth = 0, outputHeight = 0;
  SDL_GetRendererOutputSize(g->renderer, &outputWidth, &outputHeight);
  const SDL_Rect wanted{x, y, width, height}, output{0, 0, outputWidth, outputHeight};
  SDL_Rect inside;
  if (!SDL_IntersectRect(&wanted, &output, &inside)) return pixmap;
  uint8_t* first = pixmap->PixelPtr(inside.x - x, inside.y - y);
  if (SDL_RenderReadPixels(g->renderer, &inside, SDL_PIXELFORMAT_RGBA32, first, pixmap->pitch) != 0) {
    DebugLog(std::string("Cannot read the back buffer: ") + SDL_GetError());
    return pixmap;
  }
  for (int32_t row = 0; row < inside.h; ++row) {
    uint8_t* p = first + static_cast<int64_t>(row) * pixmap->pitch;
    for (int32_t col = 0; col < inside.w; ++col, p += 4) p[3] = 255;
  }
  return pixmap;
}

}  // namespace vandrell

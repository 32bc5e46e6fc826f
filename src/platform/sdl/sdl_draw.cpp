// The drawing primitives on SDL's renderer.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/draw.h"
#include "platform/log.h"
#include "platform/render_backend.h"
#include "platform/sdl/sdl_context.h"
#include "platform/sdl/sdl_image_frame.h"

namespace vandrell {

namespace {

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

// The target with the colour and blend of the untextured primitives set;
// null when nothing shows.
TGraphics* colorTarget() {
  const TDrawState& s = TDrawState::Current();
  TGraphics* g = s.shows() ? target() : nullptr;
  if (!g) return nullptr;
  SDL_SetRenderDrawBlendMode(g->renderer, sdlBlendMode(s.drawnBlend()));
  SDL_SetRenderDrawColor(g->renderer, s.tint(s.color_red), s.tint(s.color_green), s.tint(s.color_blue),
                         s.alphaByte());
  return g;
}

}  // namespace

void RenderPixels(const std::vector<TDrawPixel>& pixels) {
  TGraphics* g = pixels.empty() ? nullptr : colorTarget();
  if (!g) return;
  static_assert(sizeof(TDrawPixel) == sizeof(SDL_Point), "pixels pass to SDL as they are");
  SDL_RenderDrawPoints(g->renderer, reinterpret_cast<const SDL_Point*>(pixels.data()),
                       static_cast<int>(pixels.size()));
}

void RenderQuad(float ax, float ay, float x0, float y0, float x1, float y1) {
  TGraphics* g = colorTarget();
  if (!g) return;
  const TDrawState& s = TDrawState::Current();
  if (s.tform_rot == 0.0f) {
    const TDrawPoint a = s.place(ax, ay, x0, y0), b = s.place(ax, ay, x1, y1);
    const int left = static_cast<int>(std::lround(std::min(a.x, b.x)));
    const int top = static_cast<int>(std::lround(std::min(a.y, b.y)));
    const SDL_Rect rect{left, top, static_cast<int>(std::lround(std::max(a.x, b.x))) - left,
                        static_cast<int>(std::lround(std::max(a.y, b.y))) - top};
    SDL_RenderFillRect(g->renderer, &rect);
    return;
  }
  Uint8 r, gr, b, a;
  SDL_GetRenderDrawColor(g->renderer, &r, &gr, &b, &a);
  const TDrawPoint corners[4] = {s.place(ax, ay, x0, y0), s.place(ax, ay, x1, y0), s.place(ax, ay, x1, y1),
                                 s.place(ax, ay, x0, y1)};
  SDL_Vertex vertices[4];
  for (int i = 0; i < 4; ++i) vertices[i] = {{corners[i].x, corners[i].y}, {r, gr, b, a}, {0.0f, 0.0f}};
  static const int indices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(g->renderer, nullptr, vertices, 4, indices, 6);
}

void RenderFrame(const TImagePtr& image, int32_t frame, float ax, float ay, float x0, float y0, float w, float h) {
  TGraphics* g = target();
  if (!g || !image || frame < 0 || frame >= image->frameCount()) return;
  const TDrawState& s = TDrawState::Current();
  if (!s.shows()) return;
  const int32_t mode = s.drawnBlend();
  const TImageFrame::Variant variant = mode == MASKBLEND    ? TImageFrame::CUT
                                       : mode == SHADEBLEND ? TImageFrame::PREMULTIPLIED
                                                            : TImageFrame::PLAIN;
  SDL_Texture* texture = TImageFrame::Texture(*image, frame, CurrentGraphics(), variant);
  if (!texture) return;
  SDL_SetTextureColorMod(texture, s.tint(s.color_red), s.tint(s.color_green), s.tint(s.color_blue));
  SDL_SetTextureAlphaMod(texture, s.alphaByte());
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

#include "platform/sdl/sdl_context.h"
#include "platform/window_icon.h"

namespace vandrell {

bool SetWindowIcon(const TPixmapPtr& icon) {
  const TGraphicsPtr& g = CurrentGraphics();
  if (!icon || !g || !g->window) return false;
  // Pixels are 0xAARRGGBB words, which SDL calls ARGB8888.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels, icon->width, icon->height, 32, icon->pitch,
                                                            SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return false;
  SDL_SetWindowIcon(g->window, surface);
  SDL_FreeSurface(surface);
  return true;
}

}  // namespace vandrell

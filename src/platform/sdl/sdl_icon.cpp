#include "platform/sdl/sdl_context.h"
#include "platform/window_icon.h"

namespace vandrell {

bool SetWindowIcon(const TPixmapPtr& icon) {
  const TGraphicsPtr& g = CurrentGraphics();
  if (!icon || !g || !g->window) return false;
  // Pixmaps hold the bytes red, green, blue, alpha in memory.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels, icon->width, icon->height, 32, icon->pitch,
                                                            SDL_PIXELFORMAT_RGBA32);
  if (!surface) return false;
  SDL_SetWindowIcon(g->window, surface);
  SDL_FreeSurface(surface);
  return true;
}

}  // namespace vandrell

// The SDL side of a graphics context, shared by the platform's SDL sources.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "platform/window.h"

namespace vandrell {

class TGraphics {
 public:
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;
  int32_t driver = GFXDRIVER_SOFTWARE;  // the back end actually in use
  bool vsync = false;
  // The clip rectangle last given to SDL, so that drawing sets it only when
  // the viewport changed.
  SDL_Rect clip{0, 0, -1, -1};

  TGraphics() = default;
  TGraphics(const TGraphics&) = delete;
  TGraphics& operator=(const TGraphics&) = delete;
  ~TGraphics();
  // Destroys the renderer, and with it every texture made on it.
  void close();
};

// Starts SDL's video and event subsystems once; false (logged) on failure.
bool EnsureSdlVideo();

}  // namespace vandrell

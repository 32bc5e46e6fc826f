// The SDL side of a graphics context, shared by the platform's SDL sources.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/window.h"

class TGraphics {
 public:
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;
  bool vsync = false;

  TGraphics() = default;
  TGraphics(const TGraphics&) = delete;
  TGraphics& operator=(const TGraphics&) = delete;
  ~TGraphics();
  void close();
};

// Starts SDL's video and event subsystems once; false (logged) on failure.
bool EnsureSdlVideo();

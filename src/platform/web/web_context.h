// The browser side of a graphics context, shared by the platform's web
// sources. The page has one canvas and so one WebGL context, made with the
// first graphics context and kept for the run; each graphics context sizes
// the canvas and has a back buffer of its own, a texture that frames are drawn
// into and that Flip copies onto the canvas.
#pragma once

#include <GLES2/gl2.h>

#include <cstdint>

#include "platform/window.h"

namespace vandrell {

class TGraphics {
 public:
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;
  GLuint backTexture = 0;
  GLuint backFramebuffer = 0;

  TGraphics() = default;
  TGraphics(const TGraphics&) = delete;
  TGraphics& operator=(const TGraphics&) = delete;
  ~TGraphics();
  // Frees the back buffer.
  void close();
};

// Makes the page's WebGL context once; false (logged) when the browser has
// no WebGL.
bool EnsureWebGL();

// The drawing side (web_draw.cpp): draws what is still batched.
void FlushDrawing();
// Copies the back buffer of `graphics` onto the canvas.
void PresentBackBuffer(const TGraphics& graphics);

}  // namespace vandrell

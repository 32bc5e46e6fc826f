// The few operations a renderer back end provides (SDL's renderer on the
// desktop, WebGL in a browser). The drawing calls of draw.h work out the
// geometry from the drawing state once, in platform/draw.cpp; the back ends
// turn it into pixels. Positions are window pixels. Every operation draws with
// the state's colour, alpha and blend mode on the current context, clipped to
// the viewport, and does nothing where there is nothing to draw on.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/draw_state.h"
#include "platform/image.h"

namespace vandrell {

struct TDrawPixel {
  int32_t x, y;
};

void RenderPixels(const std::vector<TDrawPixel>& pixels);
// The filled quadrilateral of the offsets (x0, y0)-(x1, y1) from the drawing
// position (ax, ay), turned and scaled about that position.
void RenderQuad(float ax, float ay, float x0, float y0, float x1, float y1);
// Frame `frame` of the image over the offsets (x0, y0)-(x0 + w, y0 + h) from
// the drawing position (ax, ay), turned and scaled about that position.
void RenderFrame(const TImagePtr& image, int32_t frame, float ax, float ay, float x0, float y0, float w, float h);

}  // namespace vandrell

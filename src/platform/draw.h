// The 2D drawing state and primitives of the current graphics context.
// Positions are window pixels. Every primitive applies the current colour,
// alpha, blend mode, rotation and scale (about the handle; positive angles
// turn clockwise on screen), origin and viewport.
#pragma once

#include <cstdint>
#include <string>

#include "platform/image.h"
#include "platform/pixmap.h"

namespace vandrell {

// Blend modes.
constexpr int32_t MASKBLEND = 1;   // no blending; pixels with alpha below 0.5 are not drawn
constexpr int32_t SOLIDBLEND = 2;  // no blending (the default)
constexpr int32_t ALPHABLEND = 3;  // source x alpha + destination x (1 - alpha)
constexpr int32_t LIGHTBLEND = 4;  // source x alpha + destination
constexpr int32_t SHADEBLEND = 5;  // source x destination; transparent pixels leave it

// Colour channels 0..255 and alpha 0..1; values outside are clamped when
// drawing, the queries return what was last set.
void SetColor(int32_t red, int32_t green, int32_t blue);
void GetColor(int32_t& red, int32_t& green, int32_t& blue);
void SetAlpha(float alpha);
float GetAlpha();
// A mode outside 1..5 draws like SOLIDBLEND.
void SetBlend(int32_t mode);
int32_t GetBlend();

void SetRotation(float degrees);
float GetRotation();
void SetScale(float scaleX, float scaleY);
void GetScale(float& scaleX, float& scaleY);
void SetTransform(float rotation, float scaleX, float scaleY);

// Clips all drawing to this rectangle of the window; it becomes the whole
// context whenever a context is made current.
void SetViewport(int32_t x, int32_t y, int32_t width, int32_t height);
void GetViewport(int32_t& x, int32_t& y, int32_t& width, int32_t& height);
// Added to every drawing position.
void SetOrigin(float x, float y);
// The point of Plot, DrawLine, DrawRect and DrawText placed at the drawing
// position (images use their own handle).
void SetHandle(float x, float y);

void Plot(float x, float y);
// With lastPixel 1 the end point is drawn too.
void DrawLine(float x1, float y1, float x2, float y2, int32_t lastPixel = 1);
// Filled.
void DrawRect(float x, float y, float width, float height);
// With the current image font (image_font.h), top-left of the text at (x, y).
void DrawText(const std::string& text, float x, float y);
// The frame with the image's handle at (x, y). Nothing for a null image or a
// frame it does not have.
void DrawImage(const TImagePtr& image, float x, float y, int32_t frame = 0);
// The frame stretched to width x height; the handle moves with the stretch.
void DrawImageRect(const TImagePtr& image, float x, float y, float width, float height, int32_t frame = 0);
// A copy of the back buffer's pixels (opaque); parts outside the context
// stay transparent black. Null without a context or for an empty rectangle.
TPixmapPtr GrabPixmap(int32_t x, int32_t y, int32_t width, int32_t height);

// While counting is on, the time spent inside the drawing calls above and in
// Cls and Flip adds up, so a benchmark can tell the engine's own work per
// frame from the renderer's. Off, the calls cost nothing more.
void CountDrawTime(bool on);
// Seconds spent in drawing calls since counting was last switched on.
double CountedDrawTime();

}  // namespace vandrell

// Rotation, scale, handles, origin, stretching and lines. Expected positions
// follow from the transform: an offset p from the drawing point lands at
// point + origin + R(angle) x S(scale) x (p - handle), with positive angles
// turning clockwise on screen (x right, y down). Pixels are sampled away from
// the edges, where rasterisation rules may differ by one pixel.
#include "support/render_fixture.h"

namespace vandrell {

namespace {

constexpr uint32_t RED = 0xFF0000, GREEN = 0x00FF00, BLUE = 0x0000FF, WHITE = 0xFFFFFF;

// 20 x 10, one colour per quadrant: red top left, green top right, blue
// bottom left, white bottom right.
TImagePtr quadrants() {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) pixels.push_back(0xFF000000u | (y < 5 ? (x < 10 ? RED : GREEN) : (x < 10 ? BLUE : WHITE)));
  return RenderTest::imageOf(20, 10, pixels);
}

}  // namespace

TEST_F(RenderTest, RotationTurnsClockwiseAboutTheImageHandle) {
  const TImagePtr image = quadrants();
  SetImageHandle(image, 5, 5);
  SetRotation(90);
  DrawImage(image, 32, 24);
  // Offsets x in [-5, 15), y in [-5, 5) turn to (-y, x): the image covers
  // x 27..37 and y 19..39, its top edge now on the right.
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 33, 20, 3, 8, RED));
  EXPECT_TRUE(AreaNear(screen, 33, 30, 3, 8, GREEN));
  EXPECT_TRUE(AreaNear(screen, 28, 20, 3, 8, BLUE));
  EXPECT_TRUE(AreaNear(screen, 28, 30, 3, 8, WHITE));
  for (auto [x, y] : {std::pair{25, 30}, {39, 30}, {32, 17}, {32, 41}})
    EXPECT_TRUE(PixelNear(screen, x, y, BACKGROUND, 0)) << x << "," << y;
}

TEST_F(RenderTest, RotationByHalfATurnAndScaleTogether) {
  const TImagePtr image = quadrants();
  SetImageHandle(image, 0, 0);
  SetTransform(180, 2, 1);
  DrawImage(image, 50, 30);
  // Offsets x in [0, 40), y in [0, 10) land at (50 - x, 30 - y).
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 32, 26, 16, 3, RED));
  EXPECT_TRUE(AreaNear(screen, 12, 26, 16, 3, GREEN));
  EXPECT_TRUE(AreaNear(screen, 32, 21, 16, 3, BLUE));
  EXPECT_TRUE(AreaNear(screen, 12, 21, 16, 3, WHITE));
  EXPECT_TRUE(PixelNear(screen, 30, 32, BACKGROUND, 0));
}

TEST_F(RenderTest, NegativeScaleMirrorsAboutTheHandle) {
  const TImagePtr image = quadrants();
  SetImageHandle(image, 0, 0);
  SetScale(-1, 1);
  DrawImage(image, 40, 10);
  // Offsets x in [0, 20) land at 40 - x: red, on the left of the image, now on the right.
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 31, 11, 8, 3, RED));
  EXPECT_TRUE(AreaNear(screen, 21, 11, 8, 3, GREEN));
  EXPECT_TRUE(AreaNear(screen, 31, 16, 8, 3, BLUE));
  EXPECT_TRUE(PixelNear(screen, 41, 12, BACKGROUND, 0));
}

TEST_F(RenderTest, CentredHandlesPlaceTheImageCentreAtTheDrawingPoint) {
  CentreHandlesOnLoad(1);
  const TImagePtr image = quadrants();
  CentreHandlesOnLoad(0);
  EXPECT_EQ(image->handle_x, 10);
  EXPECT_EQ(image->handle_y, 5);
  SetOrigin(4, 2);
  DrawImage(image, 20, 20);
  // Top left at (20 - 10 + 4, 20 - 5 + 2).
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(PixelNear(screen, 14, 17, RED, 0));
  EXPECT_TRUE(PixelNear(screen, 13, 17, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(screen, 33, 26, WHITE, 0));
  EXPECT_TRUE(PixelNear(screen, 34, 26, BACKGROUND, 0));
}

TEST_F(RenderTest, DrawImageRectStretchesTheFrameAndItsHandle) {
  // 2 x 2 pixels, unfiltered: each becomes a block of 10 x 5.
  const TImagePtr image = imageOf(2, 2, {0xFF000000u | RED, 0xFF000000u | GREEN, 0xFF000000u | BLUE,
                                         0xFF000000u | WHITE});
  DrawImageRect(image, 10, 10, 20, 10);
  TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 10, 10, 10, 5, RED, 0));
  EXPECT_TRUE(AreaNear(screen, 20, 10, 10, 5, GREEN, 0));
  EXPECT_TRUE(AreaNear(screen, 10, 15, 10, 5, BLUE, 0));
  EXPECT_TRUE(AreaNear(screen, 20, 15, 10, 5, WHITE, 0));
  EXPECT_TRUE(PixelNear(screen, 30, 12, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(screen, 15, 20, BACKGROUND, 0));

  // The handle, one pixel in, is stretched with the image to (10, 5).
  Cls();
  SetImageHandle(image, 1, 1);
  DrawImageRect(image, 40, 30, 20, 10);
  screen = grab();
  EXPECT_TRUE(AreaNear(screen, 30, 25, 10, 5, RED, 0));
  EXPECT_TRUE(AreaNear(screen, 40, 30, 10, 5, WHITE, 0));
}

TEST_F(RenderTest, FilteredImagesBlendNeighboursWhenStretched) {
  const std::vector<uint32_t> blackToWhite = {0xFF000000u, 0xFFFFFFFFu};
  DrawImageRect(imageOf(2, 1, blackToWhite, 0), 0, 0, 40, 2);
  DrawImageRect(imageOf(2, 1, blackToWhite, FILTEREDIMAGE), 0, 10, 40, 2);
  const TPixmapPtr screen = grab();
  int32_t between = 0, previous = -1;
  for (int32_t x = 0; x < 40; ++x) {
    const uint32_t nearest = static_cast<uint32_t>(screen->ReadPixel(x, 0)) & 255;
    EXPECT_EQ(nearest, x < 20 ? 0u : 255u) << x;
    const int32_t smooth = screen->ReadPixel(x, 10) & 255;
    EXPECT_GE(smooth, previous) << "a smooth ramp never goes back, at " << x;
    previous = smooth;
    if (smooth > 20 && smooth < 235) ++between;
  }
  EXPECT_GT(between, 10);
}

TEST_F(RenderTest, RectanglesUseTheHandleTransformAndOrigin) {
  SetColor(255, 0, 0);
  SetHandle(2, 1);
  SetOrigin(1, 1);
  DrawRect(10, 10, 6, 4);  // x 9..15, y 10..14
  SetColor(0, 255, 0);
  SetHandle(0, 0);
  SetOrigin(0, 0);
  SetRotation(90);
  DrawRect(40, 20, 10, 4);  // offsets (x, y) turn to (-y, x): x 36..40, y 20..30
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 9, 10, 6, 4, RED, 0));
  EXPECT_TRUE(PixelNear(screen, 8, 11, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(screen, 15, 11, BACKGROUND, 0));
  EXPECT_TRUE(AreaNear(screen, 37, 21, 2, 8, GREEN));
  EXPECT_TRUE(PixelNear(screen, 42, 25, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(screen, 34, 25, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(screen, 38, 32, BACKGROUND, 0));
}

TEST_F(RenderTest, LinesDrawTheirLastPixelOnlyWhenAsked) {
  SetColor(255, 0, 0);
  DrawLine(2, 2, 6, 2, 0);
  DrawLine(2, 4, 6, 4, 1);
  DrawLine(10, 10, 14, 14, 1);  // a diagonal passes exactly through (i, i)
  DrawLine(20, 20, 20, 20, 0);  // no pixel at all
  SetOrigin(30, 0);
  Plot(1, 1);
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 2, 2, 4, 1, RED, 0));
  EXPECT_TRUE(PixelNear(screen, 6, 2, BACKGROUND, 0));
  EXPECT_TRUE(AreaNear(screen, 2, 4, 5, 1, RED, 0));
  for (int32_t i = 10; i <= 14; ++i) EXPECT_TRUE(PixelNear(screen, i, i, RED, 0)) << i;
  EXPECT_TRUE(PixelNear(screen, 11, 10, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(screen, 20, 20, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(screen, 31, 1, RED, 0));
}

TEST_F(RenderTest, TransformQueriesReturnWhatWasSet) {
  SetTransform(30, 2, -3);
  float sx = 0, sy = 0;
  GetScale(sx, sy);
  EXPECT_EQ(GetRotation(), 30);
  EXPECT_EQ(sx, 2);
  EXPECT_EQ(sy, -3);
  SetRotation(45);
  GetScale(sx, sy);
  EXPECT_EQ(GetRotation(), 45);
  EXPECT_EQ(sx, 2);
  SetColor(300, -4, 7);  // kept as given, clamped only when drawing
  int32_t r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  EXPECT_EQ(r, 300);
  EXPECT_EQ(g, -4);
  EXPECT_EQ(b, 7);
  SetAlpha(0.25f);
  EXPECT_EQ(GetAlpha(), 0.25f);
  SetColor(255, 255, 255);
}

}  // namespace vandrell

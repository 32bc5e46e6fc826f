#include "support/render_fixture.h"
#include "gui/poly.h"

namespace vandrell {

namespace {

using PolyDrawTest = RenderTest;

TEST_F(PolyDrawTest, OutlineIsClosedAndDrawnInTheCurrentColour) {
  tPoly poly;
  poly.AddPoint(10, 10);
  poly.AddPoint(30, 10);
  poly.AddPoint(30, 20);
  poly.AddPoint(10, 20);
  SetColor(255, 255, 0);
  poly.Draw();
  const TPixmapPtr shot = grab();
  EXPECT_TRUE(AreaNear(shot, 10, 10, 21, 1, 0xFFFF00, 0));  // top
  EXPECT_TRUE(AreaNear(shot, 30, 10, 1, 11, 0xFFFF00, 0));  // right
  EXPECT_TRUE(AreaNear(shot, 10, 20, 21, 1, 0xFFFF00, 0));  // bottom
  EXPECT_TRUE(AreaNear(shot, 10, 10, 1, 11, 0xFFFF00, 0));  // left: the closing edge
  EXPECT_TRUE(AreaNear(shot, 11, 11, 19, 9, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(shot, 31, 15, BACKGROUND, 0));
}

TEST_F(PolyDrawTest, EmptyPolygonDrawsNothing) {
  tPoly().Draw();
  EXPECT_TRUE(AreaNear(grab(), 0, 0, WIDTH, HEIGHT, BACKGROUND, 0));
}

}  // namespace

}  // namespace vandrell

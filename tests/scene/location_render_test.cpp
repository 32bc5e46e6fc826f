// A small scene built from code and drawn on the software renderer: a wall
// under everything, a tinted crate, a half-transparent pane, an animation
// showing its third frame, and pics of two locations drawn in every pass.
// Expected pixels come from the colours and the alpha blend; the whole
// picture is also held against a reference image.
#include <gtest/gtest.h>

#include <cmath>

#include "gui/gui.h"
#include "scene/location.h"
#include "scene/location_layer.h"
#include "scene/pic_anim.h"
#include "scene/pic_image.h"
#include "scene_test_support.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

constexpr uint32_t WALL = 0x5A4632;   // (90, 70, 50)
constexpr uint32_t FLOOR = 0x8C6E50;  // (140, 110, 80)
constexpr uint32_t RED = 0xDC1E1E;
constexpr uint32_t BLUE = 0x1E3CDC;
constexpr uint32_t YELLOW = 0xF0DC28;
constexpr uint32_t SHADOW = 0x141414;

uint32_t opaque(uint32_t rgb) { return 0xFF000000 | rgb; }

// `rgb` at opacity `a` over `under`.
uint32_t blend(uint32_t rgb, float a, uint32_t under) {
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double c = (rgb >> shift & 255) * a + (under >> shift & 255) * (1 - a);
    result |= static_cast<uint32_t>(std::lround(c)) << shift;
  }
  return result;
}

class LocationRenderTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    tPicProperty::Current().offset(0);
    tGui::Current().insert(layer);
    layer->insert(room, "room");
    layer->insert(closeUp, "close_up");
  }

  // A `w` x `h` image of one colour as a pic of `where` at (x, y).
  std::shared_ptr<tPicImage> block(tLocation& where, const std::string& name, uint32_t argb, int32_t w, int32_t h,
                                   int32_t x, int32_t y, std::map<size_t, std::string> changes = {}) {
    scene.putImage(name + ".png", w, h, {argb});
    auto pic = scene.load<tPicImage>(name, name + ".png", Record(x, y, changes));
    where.pics().insert(pic, name);
    return pic;
  }

  tCurrentScope<tGui> root{std::make_shared<tGui>()};
  tSceneWorld scene;
  std::shared_ptr<tLocationLayer> layer = std::make_shared<tLocationLayer>();
  std::shared_ptr<tLocation> room = std::make_shared<tLocation>();
  std::shared_ptr<tLocation> closeUp = std::make_shared<tLocation>();
};

}  // namespace

TEST_F(LocationRenderTest, SmallLocationWithImagesAnimationFadeTintAndPasses) {
  std::vector<uint32_t> wall;
  for (int32_t y = 0; y < HEIGHT; ++y) wall.insert(wall.end(), WIDTH, opaque(y < 32 ? WALL : FLOOR));
  scene.putImage("wall.png", WIDTH, HEIGHT, wall);
  auto background = scene.load<tPicImage>("wall", "wall.png", Record(32, 24, {{14, "-1"}}));
  room->pics().insert(background, "wall");
  block(*room, "crate", 0xFFFFFFFF, 12, 12, 12, 12, {{8, "128"}, {9, "0"}});
  block(*room, "pane", 0xFFFFFFFF, 12, 12, 30, 12, {{6, "128"}});
  // Red, green, blue and yellow cells; the third is shown.
  std::vector<uint32_t> strip;
  for (int32_t y = 0; y < 8; ++y) {
    for (uint32_t cell : {RED, 0x1EDC1Eu, BLUE, YELLOW}) strip.insert(strip.end(), 8, opaque(cell));
  }
  scene.putImage("lamp.png", 32, 8, strip);
  auto lamp = scene.load<tPicAnim>(
      "lamp", "lamp.png",
      Record(50, 12, {{15, "8"}, {16, "8"}, {17, "4"}, {18, "1"}, {20, "1"}, {21, "4"}, {23, "3"}}));
  room->pics().insert(lamp, "lamp");
  block(*room, "red_over", opaque(RED), 10, 10, 20, 36, {{14, "1"}});
  // The close-up lies above the room, yet its pics of lower passes go under.
  block(*closeUp, "shadow", opaque(SHADOW), 12, 4, 50, 17, {{14, "-1"}});
  block(*closeUp, "blue", opaque(BLUE), 16, 10, 24, 36);
  block(*closeUp, "yellow_top", opaque(YELLOW), 4, 20, 22, 36, {{14, "2"}});

  tGui::Current().render();
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(PixelNear(screen, 2, 2, WALL));
  EXPECT_TRUE(PixelNear(screen, 60, 44, FLOOR));
  EXPECT_TRUE(AreaNear(screen, 8, 8, 8, 8, 0xFF8000)) << "white tinted orange";
  EXPECT_TRUE(AreaNear(screen, 26, 8, 8, 8, blend(0xFFFFFF, 128.0f / 255, WALL), 3)) << "half faded";
  EXPECT_TRUE(AreaNear(screen, 47, 9, 6, 5, BLUE)) << "the third frame";
  EXPECT_TRUE(AreaNear(screen, 45, 18, 10, 1, SHADOW)) << "the shadow below the lamp";
  EXPECT_TRUE(AreaNear(screen, 47, 15, 6, 1, BLUE)) << "and under it where they meet";
  EXPECT_TRUE(AreaNear(screen, 16, 33, 3, 6, RED)) << "red of pass 1 over blue of pass 0";
  EXPECT_TRUE(AreaNear(screen, 26, 33, 5, 6, BLUE));
  EXPECT_TRUE(AreaNear(screen, 21, 27, 2, 18, YELLOW)) << "pass 2 over all";
  EXPECT_TRUE(MatchesReference(screen, "scene_location.png"));
}

}  // namespace vandrell

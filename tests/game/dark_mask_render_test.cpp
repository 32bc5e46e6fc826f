// The dark mask as a level builds it from its own system commands: a dark
// picture with a hole that follows the pointer, switched on and sized by the
// script actions, drawn on the software renderer and held against a
// reference image.
#include <gtest/gtest.h>

#include <memory>

#include "game/level.h"
#include "game/level_test_support.h"
#include "gui/gui.h"
#include "platform/event.h"
#include "scene/pic.h"
#include "script/action_keywords.h"
#include "script/system_actions.h"
#include "support/render_fixture.h"
#include "support/screen_scope.h"

namespace vandrell {

namespace {

// The window: two design units to a pixel.
constexpr int32_t SHOT_WIDTH = 400;
constexpr int32_t SHOT_HEIGHT = 300;

// The pic actions the level's dark-mask commands use, reduced to the one
// call each makes, so that the picture depends on the system commands alone.
template <auto Operation>
class tPicCall : public tZebAction {
 public:
  float exec() override {
    if (const auto pic = object<tPic>(0)) ((*pic).*Operation)();
    return 0.0f;
  }
};

class tScalePic : public tZebAction {
 public:
  float exec() override {
    if (const auto pic = object<tPic>(0)) pic->zeb_scale(number(1), number(2));
    return 0.0f;
  }
};

class DarkMaskRenderTest : public RenderTest {
 protected:
  DarkMaskRenderTest() : RenderTest(SHOT_WIDTH, SHOT_HEIGHT) {
    tActionKeywords& keywords = tActionKeywords::Current();
    RegisterSystemActions();
    keywords.implement<tPicCall<&tPic::zeb_show>>("tZebAction_show");
    keywords.implement<tPicCall<&tPic::zeb_hide>>("tZebAction_hide");
    keywords.implement<tPicCall<&tPic::zeb_linkmouse>>("tZebAction_linkmouse");
    keywords.implement<tPicCall<&tPic::zeb_unlink>>("tZebAction_unlink");
    keywords.implement<tScalePic>("tZebAction_scale");
  }

  void SetUp() override {
    RenderTest::SetUp();
    level = world.load("darkmask");
    ASSERT_EQ(world.loaded, 1);
    tGui::Current().insert(level);
    run(2.5f);  // the level's fade in from black
  }
  void TearDown() override {
    level->clear();
    level->free();
    RenderTest::TearDown();
  }

  static void run(float seconds) {
    for (float t = 0.0f; t < seconds; t += 0.1f) tGui::Current().update(0.1f);
  }
  // The pointer moved to window pixel (x, y).
  static void pointAt(int32_t x, int32_t y) {
    TEvent move;
    move.id = EVENT_MOUSEMOVE;
    move.x = x;
    move.y = y;
    tGui::Current().event(move);
  }
  static TPixmapPtr frame() {
    Cls();
    tGui::Current().render();
    return GrabPixmap(0, 0, SHOT_WIDTH, SHOT_HEIGHT);
  }

  tCurrentScope<tGui> root{std::make_shared<tGui>()};
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  ScreenScope screen{0.5f, 0.5f, 0.0f, 0.0f};
  tLevelWorld world;
  std::shared_ptr<tLevel> level;
};

}  // namespace

TEST_F(DarkMaskRenderTest, TheDarkCoversAllButAHoleAroundThePointerSizedByTheScript) {
  const TPixmapPtr lit = frame();
  // The window of the room, in design units (200, 160).
  pointAt(100, 80);
  M_COMMAND_EVAL::send("darkmask=1;darkms=10");
  run(0.1f);
  const TPixmapPtr dark = frame();
  EXPECT_TRUE(MatchesReference(dark, "dark_mask.png"));
  EXPECT_TRUE(PixelNear(dark, 100, 80, lit->ReadPixel(100, 80) & 0xFFFFFF)) << "the hole shows the room";
  EXPECT_TRUE(PixelNear(dark, 300, 250, 0x06060E)) << "the rest is dark";

  pointAt(300, 250);
  run(0.1f);
  EXPECT_TRUE(PixelNear(frame(), 300, 250, lit->ReadPixel(300, 250) & 0xFFFFFF)) << "the hole follows the pointer";

  M_COMMAND_EVAL::send("darkm=0");
  run(0.1f);
  EXPECT_TRUE(PixelNear(frame(), 100, 80, lit->ReadPixel(100, 80) & 0xFFFFFF));
}

}  // namespace vandrell

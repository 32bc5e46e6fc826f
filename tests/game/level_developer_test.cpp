// The developer keys: F6 outlines the hit shapes of the level's pics, F5 asks
// the level's owner to load it again.
#include "game/level_developer.h"

#include <gtest/gtest.h>

#include "game/level_test_support.h"
#include "gui/visual_test_support.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

constexpr uint32_t LIVE = 0xFFE61A;  // the outline of a pic a click does something to

class LevelDeveloperTest : public RenderTest {
 protected:
  void press(int32_t key) { tGuiObject::sendto(*developer, GUIMSG_KEYDOWN{}, tIntArray{key}); }
  TPixmapPtr render() {
    Cls();
    tGuiObject::sendto(*developer, GUIMSG_RENDER{});
    return grab();
  }

  ScreenScope screen{1.0f, 1.0f, 0.0f, 0.0f};
  tLevelWorld world;
  int32_t reloads = 0;
  std::shared_ptr<tLevelDeveloper> developer = std::make_shared<tLevelDeveloper>([this] { ++reloads; });
};

}  // namespace

TEST_F(LevelDeveloperTest, F6OutlinesTheHitShapesOfTheVisiblePics) {
  const auto level = world.load("basic");
  developer->level(level);
  // The clock, 8 units square, stands at (10, 40) less the scene's origin
  // offset of 30; the lens, at (50, 70), lies in a hidden location.
  EXPECT_TRUE(PixelNear(render(), 10, 6, BACKGROUND)) << "nothing before F6";
  press(tLevelDeveloper::KEY_SHAPES);
  const TPixmapPtr shown = render();
  EXPECT_TRUE(PixelNear(shown, 10, 6, LIVE, 3)) << "the top edge of the clock";
  EXPECT_TRUE(PixelNear(shown, 46, 40, BACKGROUND)) << "no lens";
  press(tLevelDeveloper::KEY_SHAPES);
  EXPECT_TRUE(PixelNear(render(), 10, 6, BACKGROUND)) << "pressed again, the outlines go";
  EXPECT_EQ(reloads, 0);
  level->clear();
}

TEST_F(LevelDeveloperTest, F5AsksTheOwnerToLoadTheLevelAgain) {
  press(tLevelDeveloper::KEY_RELOAD);
  EXPECT_EQ(reloads, 1);
  EXPECT_TRUE(PixelNear(render(), 10, 6, BACKGROUND)) << "no level, nothing to outline";
}

}  // namespace vandrell

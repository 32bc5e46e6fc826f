// The developer keys: F6 outlines the hit shapes of the level's pics, F5 asks
// the level's owner to load it again.
#include "game/level_developer.h"

#include <gtest/gtest.h>

#include "game/level_test_support.h"
#include "game/scripting.h"
#include "gui/gui.h"
#include "gui/visual_test_support.h"
#include "script/action_keywords.h"
#include "support/render_fixture.h"
#include "support/screen_scope.h"

namespace vandrell {

namespace {

constexpr uint32_t LIVE = 0xFFE61A;  // the outline of a pic a click does something to
// The grades of hidden things.
constexpr uint32_t EASY = 0x33D84C;
constexpr uint32_t MEDIUM = 0xFF8C00;
constexpr uint32_t HARD = 0xF22626;

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

// The made-up level of the findability tests (tests/data/findability), run
// as the game runs it, with one design unit to a pixel.
class LevelDeveloperThingsTest : public RenderTest {
 protected:
  LevelDeveloperThingsTest() : RenderTest(800, 600) {}

  void SetUp() override {
    RenderTest::SetUp();
    StartScripting();
    tGui::Current().insert(level);
    ASSERT_EQ(tLevelLoader(*level).load("findable", loading), 1);
    // The start: the panel and the menu button show.
    tGuiObject::sendto(*level, GUIMSG_UPDATE{}, tFloatArray{0.0f});
    developer->level(level);
  }
  void TearDown() override {
    level->clear();
    RenderTest::TearDown();
  }
  TPixmapPtr shown() {
    tGuiObject::sendto(*developer, GUIMSG_UPDATE{}, tFloatArray{0.0f});
    Cls();
    tGuiObject::sendto(*developer, GUIMSG_RENDER{});
    return grab();
  }

  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  tCurrentScope<tExprOperators> operators{std::make_shared<tExprOperators>()};
  tCurrentScope<tExprBook> book{nullptr};
  tCurrentScope<tGui> root{std::make_shared<tGui>()};
  tCurrentScope<tAudio> audio{std::make_shared<tAudio>()};
  ScreenScope screen{1.0f, 1.0f, 0.0f, 0.0f};
  tCurrentScope<tFile> media{std::make_shared<tFile>(std::string(VANDRELL_TEST_DATA) + "/findability/")};
  tLoading loading;
  std::shared_ptr<tLevel> level = std::make_shared<tLevel>();
  std::shared_ptr<tLevelDeveloper> developer = std::make_shared<tLevelDeveloper>(nullptr);
};

TEST_F(LevelDeveloperThingsTest, F6OutlinesWhatShowsOfEachHiddenThingInTheColourOfItsGradeUntilItGoes) {
  tGuiObject::sendto(*developer, GUIMSG_KEYDOWN{}, tIntArray{tLevelDeveloper::KEY_SHAPES});
  TPixmapPtr pixels = shown();
  // Squares 40 units wide; "whole" at (100, 100) is easy, "pale" at
  // (100, 250) grey on grey is hard, "half" at (250, 100) shows its left
  // half; the hint point of "astray" lies at (590, 100), beside it.
  EXPECT_TRUE(PixelNear(pixels, 80, 100, EASY)) << "left edge of whole";
  EXPECT_TRUE(PixelNear(pixels, 80, 250, HARD)) << "left edge of pale";
  EXPECT_TRUE(PixelNear(pixels, 249, 100, MEDIUM)) << "where the lid cuts half";
  EXPECT_TRUE(PixelNear(pixels, 590, 100, EASY)) << "the hint point of astray";
  EXPECT_EQ(developer->things().size(), 9u) << "all but later, which is hidden";

  M_PIC_FIND::ask("whole")->zeb_hide();
  pixels = shown();
  EXPECT_EQ(developer->things().size(), 8u) << "measured again once whole went";
  EXPECT_TRUE(PixelNear(pixels, 80, 100, BACKGROUND));
}

}  // namespace vandrell

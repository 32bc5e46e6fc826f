// The options page: each change takes effect at once and is written at once.
#include "mmenu_test_support.h"

namespace vandrell {

namespace {

constexpr int32_t ENTER = 13;
constexpr int32_t ESCAPE = 27;

class MMenuOptionsTest : public MMenuTest {
 protected:
  void SetUp() override {
    addPlayer(1, "Ada");
    settings->DWIDTH = 1920;
    settings->DHEIGHT = 1080;
    settings->modes = {{800, 600, 32, 60}, {1920, 1080, 32, 60}};
    build();
    menu().show();
    click<tMMenuOptions>();
  }
};

TEST_F(MMenuOptionsTest, VolumesStepByFivePerCentAndStopAtTheEnds) {
  settings->VOLUME_MUSIC = 0.9f;
  menu().go<M_MMENU_OPTIONS>();
  EXPECT_EQ(widget<tMMenuOptionsMusicVolume>()->getValue(), "90");
  click<tMMenuOptionsMusicPlus>();
  click<tMMenuOptionsMusicPlus>();
  EXPECT_FLOAT_EQ(settings->VOLUME_MUSIC, 1.0f);
  EXPECT_EQ(widget<tMMenuOptionsMusicVolume>()->getValue(), "100");
  EXPECT_FALSE(widget<tMMenuOptionsMusicPlus>()->isEnable());
  EXPECT_EQ(settings->saves, 2) << "each step is written at once";

  for (int i = 0; i < 20; ++i) click<tMMenuOptionsSoundMinus>();
  EXPECT_EQ(settings->VOLUME_SOUND, 0.0f) << "twenty steps down from full reach silence exactly";
  EXPECT_EQ(widget<tMMenuOptionsSoundVolume>()->getValue(), "0");
  EXPECT_FALSE(widget<tMMenuOptionsSoundMinus>()->isEnable());
  click<tMMenuOptionsSoundMinus>();
  EXPECT_EQ(settings->saves, 22) << "a greyed-out button does nothing";
  click<tMMenuOptionsSoundPlus>();
  EXPECT_FLOAT_EQ(settings->VOLUME_SOUND, 0.05f);
  EXPECT_EQ(page(), "options");
}

TEST_F(MMenuOptionsTest, ThePointerSwitchTogglesTheSystemPointer) {
  EXPECT_EQ(widget<tMMenuOptionsPointerSwitch>()->getValue(), "o");
  click<tMMenuOptionsPointerSwitch>();
  EXPECT_EQ(settings->HARDWARECURSOR, 1);
  EXPECT_EQ(widget<tMMenuOptionsPointerSwitch>()->getValue(), "\xC3\x97");
  EXPECT_EQ(settings->saves, 1);
}

TEST_F(MMenuOptionsTest, TheScreenSwitchGoesFullScreenAndBack) {
  click<tMMenuOptionsFullscreenSwitch>();
  EXPECT_NE(settings->FULLSCREEN, 0);
  EXPECT_EQ(settings->setups, 1);
  EXPECT_EQ(settings->saves, 1);
  EXPECT_EQ(widget<tMMenuOptionsFullscreenSwitch>()->getValue(), "\xC3\x97");
  click<tMMenuOptionsFullscreenSwitch>();
  EXPECT_EQ(settings->FULLSCREEN, 0);
  EXPECT_EQ(settings->setups, 2);
  EXPECT_EQ(page(), "options");
}

TEST_F(MMenuOptionsTest, AWindowThatWouldNotFitOnTheDesktopIsExplained) {
  for (const auto& [width, height] : {std::pair{1920, 1000}, std::pair{1800, 1080}}) {
    settings->FULLSCREEN = 32;
    settings->WIDTH = width;
    settings->HEIGHT = height;
    menu().go<M_MMENU_OPTIONS>();
    click<tMMenuOptionsFullscreenSwitch>();
    EXPECT_EQ(page(), "windowed") << width << "x" << height;
    EXPECT_EQ(settings->FULLSCREEN, 32);
    EXPECT_EQ(settings->setups, 0);
    press(ESCAPE);
    EXPECT_EQ(page(), "windowed") << "Escape does not leave the notice for the quit page";
    press(ENTER);
    EXPECT_EQ(page(), "options");
  }
}

TEST_F(MMenuOptionsTest, ASizeTheDisplayOffersOnlyUprightIsExplained) {
  settings->WIDTH = 1080;
  settings->HEIGHT = 1920;
  settings->modes = {{1920, 1080, 32, 60}};
  click<tMMenuOptionsFullscreenSwitch>();
  EXPECT_EQ(page(), "orientation");
  EXPECT_EQ(settings->FULLSCREEN, 0);
  EXPECT_EQ(settings->setups, 0);
  click<tMMenuOrientationClose>();
  EXPECT_EQ(page(), "options");
}

}  // namespace

}  // namespace vandrell

// The in-game menu over a running campaign level, driven with the mouse and
// the keyboard as a player would.
#include "menus/menu.h"

#include "menu_test_support.h"
#include "menus/menu_actions.h"
#include "scene/mission_book.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

constexpr int32_t ESCAPE = 27;

class InGameMenuFlowTest : public InGameMenuTest {
 protected:
  void SetUp() override {
    addPlayer(1, "Ada", 1);
    hoverPass();
  }
};

TEST_F(InGameMenuFlowTest, TheTabOpensTheMenuWhichPausesTheLevelOnceOpaque) {
  clickTab();
  EXPECT_TRUE(ingame().isShow());
  frame(0.1f);
  EXPECT_NEAR(ingame().shade(), 0.3f, 1e-5f);
  EXPECT_EQ(shownPage(), "") << "the page waits for the shade";
  EXPECT_FALSE(play->pauses.isPause());
  const float before = play->clock;
  settle();
  EXPECT_FLOAT_EQ(ingame().shade(), 1.0f);
  EXPECT_EQ(shownPage(), "main");
  EXPECT_TRUE(play->pauses.holds(&ingame()));
  EXPECT_TRUE(tAudio::Current().isPauseSound() && tAudio::Current().isPauseMusic());
  EXPECT_NEAR(play->clock - before, 0.3f, 1e-4f) << "the level ran until the frame the shade became opaque";
  const float paused = play->clock;
  settle();
  EXPECT_FLOAT_EQ(play->clock, paused);

  press<tMenuClose>();
  EXPECT_FALSE(play->pauses.isPause()) << "closing resumes at once";
  EXPECT_FALSE(tAudio::Current().isPauseSound() || tAudio::Current().isPauseMusic());
  EXPECT_EQ(shownPage(), "");
  EXPECT_TRUE(ingame().isShow()) << "while the shade fades out";
  frame(0.1f);
  EXPECT_GT(play->clock, paused);
  settle();
  EXPECT_FALSE(ingame().isShow());
  EXPECT_FLOAT_EQ(ingame().bg()->color()->a, 0.0f);
}

TEST_F(InGameMenuFlowTest, ADoubleClickClosesItBeforeTheLevelPauses) {
  clickTab();
  clickTab();
  settle();
  EXPECT_FALSE(ingame().isShow());
  EXPECT_EQ(play->pausesTaken, 0);
  EXPECT_EQ(shownPage(), "");
}

TEST_F(InGameMenuFlowTest, EscapeOpensAndClosesTheMenuFromAnyPage) {
  post(EVENT_KEYDOWN, ESCAPE);
  settle();
  EXPECT_EQ(shownPage(), "main");
  press<tMenuOptions>();
  EXPECT_EQ(shownPage(), "options");
  post(EVENT_KEYDOWN, ESCAPE);
  EXPECT_EQ(shownPage(), "") << "the tab takes Escape before the page's close button";
  settle();
  EXPECT_FALSE(ingame().isShow());

  tab().hide();
  ingame().show();
  settle();
  press<tMenuOptions>();
  post(EVENT_KEYDOWN, ESCAPE);
  EXPECT_EQ(shownPage(), "main") << "without the tab, the page's own Escape acts";
}

TEST_F(InGameMenuFlowTest, TheShadeKeepsThePointerFromTheScene) {
  movePointer(400, 350);
  hoverPass();
  EXPECT_TRUE(scenePic->isTreat());
  ingame().show();
  frame(0.05f);
  EXPECT_FALSE(scenePic->isTreat()) << "as soon as the shade shows at all";
  EXPECT_TRUE(ingame().bg()->isTreat());
  settle();
  EXPECT_FALSE(scenePic->isTreat());
}

TEST_F(InGameMenuFlowTest, QuittingSavesAndLeavesForTheMainMenu) {
  ingame().show();
  settle();
  press<tMenuQuit>();
  EXPECT_EQ(shownPage(), "quit");
  press<tMenuQuitNo>();
  EXPECT_EQ(shownPage(), "main");
  press<tMenuQuit>();
  press<tMenuQuitYes>();
  EXPECT_EQ(play->take(), (std::vector<std::string>{"M_GAME_SAVE", "M_GAME_MENU"}));
}

TEST_F(InGameMenuFlowTest, AFailedLevelOffersToTryAgain) {
  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  RegisterMenuActions();
  auto command = tCommand::Parse("gameover=1");
  tGui::Current().insert(command);
  command->start();
  command->update(0.0f);
  EXPECT_EQ(play->take(), (std::vector<std::string>{"M_LEVEL_FAIL"}));
  settle();
  EXPECT_EQ(shownPage(), "fail");
  press<tMenuFailYes>();
  EXPECT_EQ(play->take(), (std::vector<std::string>{"M_GAME_RESTARTLEVEL"}));
  press<tMenuFailNo>();
  EXPECT_EQ(play->take(), (std::vector<std::string>{"M_GAME_MENU"}));
}

TEST_F(InGameMenuFlowTest, OpeningPutsTheHeldItemDown) {
  tMissionBook book;
  const auto key = book.add("key", "itemmission", {}, {"0", "0", "1", "0"}, nullptr);
  tMissionProperty::Current().hold(key);
  ingame().show();
  EXPECT_FALSE(tMissionProperty::Current().isHolding());
}

TEST_F(InGameMenuFlowTest, TheOptionsAreTheMainMenusInTheGamesLayout) {
  settings->VOLUME_MUSIC = 0.5f;
  ingame().show();
  settle();
  press<tMenuOptions>();
  press<tMenuOptionsMusicPlus>();
  EXPECT_FLOAT_EQ(settings->VOLUME_MUSIC, 0.55f);
  EXPECT_EQ(item<tMenuOptionsMusicVolume>()->getValue(), "55");
  EXPECT_FLOAT_EQ(item<tMenuOptionsMusicVolume>()->v(), 325.0f);
  settings->FULLSCREEN = 1;
  settings->DWIDTH = 800;
  settings->DHEIGHT = 600;
  press<tMenuOptionsFullscreenSwitch>();
  EXPECT_EQ(shownPage(), "windowed");
  press<tMenuWindowedClose>();
  EXPECT_EQ(shownPage(), "options");
  press<tMenuOptionsClose>();
  EXPECT_EQ(shownPage(), "main");
}

}  // namespace

}  // namespace vandrell

// The script actions on the play HUD, run as a level's commands run them.
#include "hud/hud_actions.h"

#include <gtest/gtest.h>

#include "hud/zoom.h"
#include "play_hud_test_support.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "support/run_script.h"

namespace vandrell {

namespace {

class HudActionsTest : public PlayHudTest {
 protected:
  HudActionsTest() {
    RegisterHudActions();
    tGui::Current().insert(commands);
    page("task", "Find the miller's tools");
    page("hurry", "Before the candle burns down");
  }

  void script(const std::string& text) { RunScript(*commands, text); }

  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  std::shared_ptr<tGuiSet> commands = std::make_shared<tGuiSet>();
};

TEST_F(HudActionsTest, SwitchesReadZeroAsOn) {
  script("sosblock=1;journalblock=1;zoomblock=0;sosoff=1");
  EXPECT_EQ(tSosCmd::Current().enabled(), 0);
  EXPECT_EQ(tJournalCmd::Current().enabled(), 0);
  EXPECT_EQ(tZoomCmd::Current().enabled(), 1);
  tSos::Current().sos();
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__sosinaccessible"}));
  script("sosblock=0;unblockjournal;sosoff=0");
  EXPECT_EQ(tSosCmd::Current().enabled(), 1);
  EXPECT_EQ(tJournalCmd::Current().enabled(), 1);
  script("blockjournal");
  EXPECT_EQ(tJournalCmd::Current().enabled(), 0);

  tGuiSet pics;
  RenewZoom(pics);
  tZoom::Current().show();
  script("zoomblock=1");
  EXPECT_EQ(tZoomCmd::Current().enabled(), 0);
  EXPECT_FALSE(tZoom::Current().isShow());
}

TEST_F(HudActionsTest, TaskLineJournalAndHints) {
  script("setglobalmission=task;addj=task;adds=2");
  EXPECT_EQ(tPanel::Current().label().getValue(), "Find the miller's tools");
  EXPECT_EQ(tJournal::Current().pages(), 1);
  EXPECT_EQ(tSos::Current().count(), 2);
  EXPECT_EQ(audio->take(), (std::vector<std::string>{"butterfly"}));
}

TEST_F(HudActionsTest, ResistStartsUnpausedAndZeroTakesItAway) {
  tResist::Current().pause(1);
  script("resist=2000,hurry,__lost");
  EXPECT_EQ(tResist::Current().label().getValue(), "Before the candle burns down");
  run(25, 0.1f);
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__lost"}));

  script("resist=2000,hurry,__lost;resistpause=1");
  run(30, 0.1f);
  EXPECT_EQ(tResist::Current().timer(), 1.0f);
  script("resist=0");
  run(10, 0.1f);
  EXPECT_FALSE(tResist::Current().isShow());
  EXPECT_TRUE(level->takeCommands().empty());
}

}  // namespace

}  // namespace vandrell

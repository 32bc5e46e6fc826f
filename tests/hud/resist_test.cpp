// The resist meter: the countdown, what holds it, running out, and the save.
#include <gtest/gtest.h>

#include "play_hud_test_support.h"
#include "resources/config.h"

namespace vandrell {

namespace {

class ResistTest : public PlayHudTest {
 protected:
  ResistTest() { page("hurry", "Before the candle burns down"); }

  static tResist& meter() { return tResist::Current(); }
  // The meter started for `seconds`, failing into "__lost".
  static void start(float seconds) { meter().zeb_resist(seconds, "hurry", "__lost", 1.0f, 0.0f, 0.0f); }
  // Frames of 0.1 s until the meter has run its fail command (at most 200).
  int framesToRunOut() {
    int frames = 0;
    for (; level->commands.empty() && frames < 200; ++frames) step(0.1f);
    return frames;
  }
};

TEST_F(ResistTest, WithThePanelShownEachFrameMovesItTwiceSoItEmptiesInHalfItsTime) {
  start(10.0f);
  EXPECT_EQ(meter().label().getValue(), "Before the candle burns down");
  run(2, 0.1f);
  EXPECT_NEAR(meter().fade(), 0.4f, 1e-4f);
  EXPECT_NEAR(meter().timer(), 0.96f, 1e-4f);
  EXPECT_EQ(meter().borderScale(), 0.0f);  // the frame grows only once it has arrived
  run(8, 0.1f);
  EXPECT_FLOAT_EQ(meter().fade(), 1.0f);
  EXPECT_GT(meter().borderScale(), 0.0f);
  EXPECT_NEAR(framesToRunOut() + 10, 50, 1);
  // It runs out once, and shrinks away where it rests.
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__lost"}));
  EXPECT_EQ(meter().timer(), 0.0f);
  EXPECT_TRUE(meter().isShow());
  run(2, 0.1f);
  EXPECT_FALSE(meter().isShow());
  run(50, 0.1f);
  EXPECT_TRUE(level->takeCommands().empty());
}

TEST_F(ResistTest, WithThePanelHiddenItTakesItsWholeTime) {
  tPanel::Current().hide();
  start(10.0f);
  EXPECT_NEAR(framesToRunOut(), 100, 1);
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__lost"}));
  run(4, 0.1f);
  EXPECT_FALSE(meter().isShow());
  EXPECT_TRUE(level->takeCommands().empty());
}

TEST_F(ResistTest, TheCountdownWaitsForAShownTextTheJournalAndTheScript) {
  start(10.0f);
  run(10, 0.1f);
  level->shownText = std::make_shared<tTxt>();
  run(50, 0.1f);
  EXPECT_NEAR(meter().timer(), 0.8f, 1e-4f);
  level->shownText = nullptr;
  run(10, 0.1f);
  EXPECT_NEAR(meter().timer(), 0.6f, 1e-4f);

  openJournal();
  run(50, 0.1f);
  EXPECT_NEAR(meter().timer(), 0.6f, 1e-4f);
  tJournal::Current().hide();
  run(10, 0.1f);  // the journal counts as open until its shade has cleared
  EXPECT_LT(meter().timer(), 0.6f);

  const float held = meter().timer();
  meter().pause(1);
  run(50, 0.1f);
  EXPECT_EQ(meter().timer(), held);
  meter().pause(0);
  run(1, 0.1f);
  EXPECT_LT(meter().timer(), held);
}

TEST_F(ResistTest, StoppedByScriptItLeavesWithoutFailing) {
  start(5.0f);
  run(10, 0.1f);
  meter().zeb_resist(0.0f, "", "", 0.0f, 0.0f, 0.0f);
  run(10, 0.1f);
  EXPECT_FALSE(meter().isShow());
  EXPECT_TRUE(level->takeCommands().empty());
}

TEST_F(ResistTest, ARestoredMeterCountsOnFromWhereItWas) {
  start(10.0f);
  run(30, 0.1f);
  tConfig saved;
  meter().saveInstant(saved, "resist=");
  const float timer = meter().timer();

  auto restored = std::make_shared<tResist>();
  restored->loadInstant(saved, "resist=");
  EXPECT_EQ(restored->timer(), timer);
  EXPECT_EQ(restored->fade(), 1.0f);
  EXPECT_EQ(restored->label().getValue(), "Before the candle burns down");
  tGuiObject::sendto(*restored, GUIMSG_UPDATE{}, tFloatArray{1.0f});
  EXPECT_NEAR(restored->timer(), timer - 0.1f, 1e-4f);

  // A damaged save cannot leave a meter that never ends or runs backwards.
  tConfig damaged;
  damaged.SetString("resist=", "fadeTo", "1");
  damaged.SetString("resist=", "timer", "7");
  damaged.SetString("resist=", "timerSpeed", "-3");
  restored->loadInstant(damaged, "resist=");
  EXPECT_EQ(restored->timer(), 1.0f);
  tGuiObject::sendto(*restored, GUIMSG_UPDATE{}, tFloatArray{1.0f});
  EXPECT_EQ(restored->timer(), 1.0f);
}

}  // namespace

}  // namespace vandrell

// The hint counter and the hint button: recharging, extra hints, what the
// scripts are told, and how the button shows it.
#include <gtest/gtest.h>

#include "play_hud_test_support.h"
#include "resources/config.h"
#include "script/expr_value.h"

namespace vandrell {

namespace {

// The hint button's centre.
constexpr int32_t SOS_H = 700;
constexpr int32_t SOS_V = 580;

class SosTest : public PlayHudTest {
 protected:
  explicit SosTest(int32_t hints = 0) : PlayHudTest(hints) { level->hintTarget = std::make_shared<tPic>(); }

  static void hint() { press(1, SOS_H, SOS_V); }
  static tSos& sos() { return tSos::Current(); }
  static const tSosCmd& button() { return tSosCmd::Current(); }
};

TEST_F(SosTest, AHintRechargesForSixtySecondsOfFrameTimeAndAClickMeanwhileChangesNothing) {
  step(0.0f);
  hint();
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__sos"}));
  // The pointer arriving on the button, the press, the hint.
  EXPECT_EQ(audio->take(), (std::vector<std::string>{"click_menu", "click_menu2", "sos"}));
  EXPECT_EQ(script.book().get("__in")->ToObject(), level->hintTarget);
  EXPECT_FLOAT_EQ(sos().timer(), 60.0f);

  step(0.0f);
  EXPECT_EQ(button().timerLabel().getValue(), "60");
  EXPECT_TRUE(button().timerLabel().isVisible());
  run(25 * 60, 1.0f / 60.0f);  // 25 seconds at 60 frames a second
  EXPECT_NEAR(sos().timer(), 35.0f, 0.01f);
  EXPECT_EQ(button().timerLabel().getValue(), "35");
  run(280, 0.1f);  // 53 seconds in all
  EXPECT_EQ(button().timerLabel().getValue(), "07");

  hint();
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__sosreload"}));
  EXPECT_NEAR(sos().timer(), 7.0f, 1e-3f);

  run(69, 0.1f);
  EXPECT_GT(sos().timer(), 0.0f);
  // Dimmed while it recharges, its frame shrunk away.
  EXPECT_NEAR(button().picture().color()->a, 0.2f, 1e-4f);
  EXPECT_FALSE(button().border().isVisible());
  run(2, 0.1f);
  EXPECT_EQ(sos().timer(), 0.0f);
  EXPECT_FALSE(button().timerLabel().isVisible());
  EXPECT_GT(button().borderScale(), 0.0f);  // the frame grows back
  EXPECT_LT(button().borderScale(), 1.0f);
  run(3, 0.1f);
  EXPECT_FLOAT_EQ(button().borderScale(), 1.0f);
  EXPECT_GE(button().picture().color()->a, 1.0f);

  hint();
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__sos"}));
}

class HeldHintsTest : public SosTest {
 protected:
  HeldHintsTest() : SosTest(2) {}
};

TEST_F(HeldHintsTest, HeldHintsAreUsedFirstWithoutARecharge) {
  step(0.0f);
  EXPECT_EQ(sos().count(), 2);
  EXPECT_EQ(button().counterLabel().getValue(), "2x");
  hint();
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__soscounter", "__sos"}));
  EXPECT_EQ(audio->take(), (std::vector<std::string>{"click_menu", "click_menu2", "butterfly", "sos"}));
  EXPECT_EQ(sos().timer(), 0.0f);
  step(0.1f);
  EXPECT_EQ(button().counterLabel().getValue(), "1x");

  hint();
  hint();  // the last one held is gone: this one starts the recharge
  EXPECT_EQ(sos().count(), 0);
  EXPECT_FLOAT_EQ(sos().timer(), 60.0f);
  step(0.1f);
  EXPECT_FALSE(button().counterLabel().isVisible());

  sos().add(1);  // a hint earned during the recharge ends it
  EXPECT_EQ(sos().timer(), 0.0f);
  EXPECT_EQ(sos().count(), 1);
  sos().add(-5);
  EXPECT_EQ(sos().count(), 0);
  sos().add(INT32_MAX);
  sos().add(INT32_MAX);
  EXPECT_EQ(sos().count(), INT32_MAX);
}

TEST_F(SosTest, WithHintsOffOrNothingToPointAtTheScriptsHearSoAndNothingRecharges) {
  sos().on(0);
  hint();
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__sosinaccessible"}));
  sos().on(1);
  level->hintTarget = nullptr;
  hint();
  EXPECT_EQ(level->takeCommands(), (std::vector<std::string>{"__sosinaccessible"}));
  EXPECT_EQ(sos().timer(), 0.0f);
  EXPECT_EQ(audio->take(), (std::vector<std::string>{"click_menu", "click_menu2", "click_menu2"}));
}

TEST_F(SosTest, AHiddenPanelStopsTheRechargeAndTakesNoClicks) {
  hint();
  level->takeCommands();
  tPanel::Current().hide();
  run(100, 0.1f);
  EXPECT_FLOAT_EQ(sos().timer(), 60.0f);
  hint();
  EXPECT_TRUE(level->takeCommands().empty());
  tPanel::Current().show();
  run(10, 0.1f);
  EXPECT_NEAR(sos().timer(), 59.0f, 1e-3f);
}

TEST_F(SosTest, ABlockedButtonOrAnOpenJournalTakesNoClickAndPlaysNothing) {
  tSosCmd::Current().enable(0);
  step(0.0f);
  audio->take();
  hint();
  EXPECT_TRUE(level->takeCommands().empty());
  EXPECT_TRUE(audio->take().empty());

  tSosCmd::Current().enable(1);
  openJournal();
  run(10, 0.1f);
  hint();
  EXPECT_TRUE(level->takeCommands().empty());
  EXPECT_NEAR(button().picture().color()->a, 0.2f, 1e-4f);
}

TEST_F(SosTest, TheRechargeAndHeldHintsAreSavedWithTheLevel) {
  sos().add(3);
  hint();
  sos().on(0);
  tConfig saved;
  sos().saveInstant(saved, "sos=");
  sos().add(5);
  sos().on(1);
  sos().loadInstant(saved, "sos=");
  EXPECT_EQ(sos().count(), 2);
  hint();
  EXPECT_EQ(level->takeCommands().back(), "__sosinaccessible");

  // A damaged save cannot leave a recharge that never ends.
  tConfig damaged;
  damaged.SetString("sos=", "timer", "1e30");
  damaged.SetString("sos=", "counter", "-4");
  sos().loadInstant(damaged, "sos=");
  EXPECT_FLOAT_EQ(sos().timer(), 60.0f);
  EXPECT_EQ(sos().count(), 0);
}

}  // namespace

}  // namespace vandrell

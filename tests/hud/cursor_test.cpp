#include "hud/cursor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cursor_test_support.h"
#include "hud/cursor_actions.h"
#include "resources/config.h"
#include "script/action_keywords.h"
#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

constexpr int32_t NORMAL = 0;
constexpr int32_t HOVER = -1;

TEST_F(CursorTest, TheShapeFollowsWhatThePointerIsOver) {
  pointAt(10, 10);
  EXPECT_EQ(cursor().cursor(), NORMAL);
  pointAt(115, 104);  // the link
  EXPECT_EQ(cursor().cursor(), HOVER);
  EXPECT_FLOAT_EQ(cursor().fade(), 1.0f) << "normal, hover and hand switch at once";
  pointAt(10, 10);
  EXPECT_EQ(cursor().cursor(), NORMAL);
  EXPECT_FLOAT_EQ(cursor().fade(), 1.0f);

  level->picCursor = 2;
  pointAt(350, 150);  // the scene picture
  EXPECT_EQ(cursor().cursor(), 2);
  EXPECT_EQ(cursor().fadeCursor(), NORMAL);
  EXPECT_FLOAT_EQ(cursor().fade(), 0.0f) << "a scene's own shape cross-fades in";
  level->picCursor = -3;
  frame();
  EXPECT_EQ(cursor().cursor(), NORMAL) << "-3 is the normal cursor";
  EXPECT_EQ(cursor().fadeCursor(), 2);

  level->picCursor = 6;
  tGuiObject::send(M_CURSOR_LOCK{});
  frame();
  EXPECT_EQ(cursor().cursor(), NORMAL) << "a locked cursor ignores the scene";
  pointAt(115, 104);
  EXPECT_EQ(cursor().cursor(), HOVER) << "but still lights over links";
  tGuiObject::send(M_CURSOR_UNLOCK{});
  pointAt(350, 150);
  EXPECT_EQ(cursor().cursor(), 6);
}

TEST_F(CursorTest, AnItemShowsTheHoverCursorAndItsCommentUnlessHeld) {
  raiseItem();
  pointAt(50, 530);
  EXPECT_EQ(cursor().cursor(), HOVER);
  EXPECT_EQ(cursor().comment(), "Brass key");
  tMissionProperty::Current().hold(item->getMission());
  frame();
  EXPECT_EQ(cursor().comment(), "") << "the held item shows its caption itself";
  pointAt(350, 150);
  EXPECT_EQ(cursor().comment(), "");
}

TEST_F(CursorTest, AButtonShowsTheHoverCursorOnceItTakesThePointer) {
  auto button = std::make_shared<tUnibutton>();
  button->letter(WordFont(), 0);
  tGui::Current().insert(button);
  level->messages["go"] = tMessage::Create("abc");
  button->zeb_unibutton("go", 600, 330, "");  // 30 units above in the scene
  pointAt(600, 300);
  EXPECT_EQ(cursor().cursor(), NORMAL) << "a growing button takes no pointer";
  for (int frames = 0; frames < 4; ++frames) frame(0.1f);
  frame();
  EXPECT_EQ(cursor().cursor(), HOVER);
}

TEST_F(CursorTest, CrossFadeTakesASixthOfASecond) {
  level->picCursor = 2;
  pointAt(350, 150);
  frame(1.0f / 12.0f);
  EXPECT_NEAR(cursor().fade(), 0.5f, 1e-5f);
  frame(1.0f / 12.0f);
  EXPECT_FLOAT_EQ(cursor().fade(), 1.0f);
  frame(1.0f);
  EXPECT_FLOAT_EQ(cursor().fade(), 1.0f) << "and stays there";
}

TEST_F(CursorTest, TheAttentionMarkBouncesBetweenItsEnds) {
  // Accelerating at 50 per second squared, the mark crosses its range in a
  // fifth of a second, stops dead at each end and falls back.
  float lowest = 1.0f;
  float highest = 0.0f;
  int32_t turns = 0;
  float previous = cursor().pulse();
  float direction = 0.0f;
  for (int step = 0; step < 100; ++step) {  // one second
    frame(0.01f);
    const float now = cursor().pulse();
    lowest = std::min(lowest, now);
    highest = std::max(highest, now);
    if (now != previous) {
      const float moving = now > previous ? 1.0f : -1.0f;
      if (direction != 0.0f && moving != direction) ++turns;
      direction = moving;
    }
    previous = now;
  }
  EXPECT_FLOAT_EQ(lowest, 0.0f);
  EXPECT_FLOAT_EQ(highest, 1.0f);
  EXPECT_GE(turns, 4) << "about five crossings in a second";
  EXPECT_LE(turns, 5);
}

TEST_F(CursorTest, NothingMovesWithTheSystemPointer) {
  settings->HARDWARECURSOR = 1;
  level->picCursor = 2;
  pointAt(350, 150);
  frame(0.5f);
  EXPECT_EQ(cursor().cursor(), 2) << "the shape still decides between arrow and hand";
  EXPECT_FLOAT_EQ(cursor().fade(), 0.0f);
  EXPECT_FLOAT_EQ(cursor().pulse(), 0.0f);
}

TEST_F(CursorTest, AHiddenCursorDisappearsOnlyOverScenePictures) {
  cursor().show(0);
  pointAt(350, 150);
  EXPECT_FALSE(cursor().isVisible());
  pointAt(115, 104);
  EXPECT_TRUE(cursor().isVisible());
  pointAt(10, 10);
  EXPECT_TRUE(cursor().isVisible());
}

TEST_F(CursorTest, TheLockIsSavedAndScriptsDriveTheCursor) {
  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  RegisterCursorActions();
  runScript("blockcursors");
  EXPECT_TRUE(cursor().isLock());
  runScript("hidepointer=1");
  EXPECT_FALSE(cursor().isShow());
  runScript("hidepointer=0");
  EXPECT_TRUE(cursor().isShow());

  tConfig save;
  cursor().saveInstant(save, "cursor=");
  runScript("unblockcursors");
  EXPECT_FALSE(cursor().isLock());
  cursor().loadInstant(save, "cursor=");
  EXPECT_TRUE(cursor().isLock());
  cursor().loadInstant(tConfig(), "cursor=");
  EXPECT_FALSE(cursor().isLock()) << "a save without the key unlocks";
}

}  // namespace

}  // namespace vandrell

#include "hud/unibutton.h"

#include <gtest/gtest.h>

#include "cursor_test_support.h"
#include "hud/cursor_actions.h"
#include "resources/config.h"
#include "script/action_keywords.h"
#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

class UnibuttonTest : public CursorTest {
 protected:
  UnibuttonTest() {
    level->messages["open"] = tMessage::Create("ab[br]cd");
    button->letter(WordFont(), 0);
    tGui::Current().insert(button);
  }
  // Scripts place the button in scene coordinates, 30 units below the
  // screen's.
  void popUp() { button->zeb_unibutton("open", 400, 330, "door"); }
  static void click() {
    post(EVENT_MOUSEDOWN, 1);
    post(EVENT_MOUSEUP, 1);
  }

  tOwnedScope<tUnibutton> buttonScope{std::make_shared<tUnibutton>()};
  std::shared_ptr<tUnibutton> button = buttonScope.shared;
};

TEST_F(UnibuttonTest, GrowsInAndTakesOneClickOnlyOnceFullyShown) {
  popUp();
  EXPECT_FLOAT_EQ(button->h(), 400.0f);
  EXPECT_FLOAT_EQ(button->v(), 300.0f);
  EXPECT_EQ(button->getLines(), (std::vector<std::string>{"ab", "cd"}));
  pointAt(400, 300);
  frame(0.2f);
  EXPECT_FALSE(button->isTreat()) << "still growing";
  click();
  EXPECT_TRUE(level->played.empty());

  frame(0.2f);
  EXPECT_FLOAT_EQ(button->fade(), 1.0f);
  frame();
  ASSERT_TRUE(button->isTreat());
  click();
  click();  // a second press before the next frame
  EXPECT_EQ(level->played, (std::vector<std::string>{"door"}));
  frame(0.1f);
  EXPECT_LT(button->fade(), 1.0f) << "it shrinks away";
  click();
  EXPECT_EQ(level->played.size(), 1u);
  for (int frames = 0; frames < 4; ++frames) frame(0.1f);
  EXPECT_FALSE(button->isVisible());
}

TEST_F(UnibuttonTest, TheFrameTightensUnderThePointer) {
  popUp();
  for (int frames = 0; frames < 20; ++frames) frame(0.1f);
  EXPECT_FLOAT_EQ(button->borderScale(), tUnibutton::_borderMax);
  pointAt(400, 300);
  frame(0.1f);
  EXPECT_NEAR(button->borderScale(), tUnibutton::_borderMax - 0.05f, 1e-5f) << "slowly";
  for (int frames = 0; frames < 3; ++frames) frame(0.1f);
  EXPECT_FLOAT_EQ(button->borderScale(), tUnibutton::_borderMin);
}

TEST_F(UnibuttonTest, ASavedButtonComesBackWhereItWasWithItsText) {
  popUp();
  frame(0.2f);
  tConfig save;
  button->saveInstant(save, "unibutton=");

  tUnibutton restored;
  restored.letter(WordFont(), 0);
  restored.loadInstant(save, "unibutton=");
  EXPECT_FLOAT_EQ(restored.h(), 400.0f);
  EXPECT_FLOAT_EQ(restored.v(), 300.0f);
  EXPECT_FLOAT_EQ(restored.fade(), button->fade());
  EXPECT_EQ(restored.idcommand(), "door");
  EXPECT_EQ(restored.getLines(), (std::vector<std::string>{"ab", "cd"}));
  EXPECT_TRUE(restored.isVisible());

  tUnibutton empty;
  empty.loadInstant(tConfig(), "unibutton=");
  EXPECT_FALSE(empty.isVisible());
}

TEST_F(UnibuttonTest, ScriptsPopTheButtonUpAndSendItAway) {
  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  RegisterCursorActions();
  runScript("unibutton=open,400.7,330,door");
  EXPECT_FLOAT_EQ(button->h(), 400.0f) << "whole units";
  EXPECT_EQ(button->idmessage(), "open");
  frame(0.5f);
  EXPECT_FLOAT_EQ(button->fade(), 1.0f);
  runScript("offunibtn");
  frame(0.5f);
  EXPECT_FALSE(button->isVisible());
}

}  // namespace

}  // namespace vandrell

#include <gtest/gtest.h>

#include <cmath>

#include "resources/config.h"
#include "txt_test_support.h"

namespace vandrell {

namespace {

using tCommands = std::vector<std::string>;

class TxtFlowTest : public TxtTest {
 protected:
  // Where scene positions lie on the design screen.
  const float ox = static_cast<float>(tPicProperty::Current().offsetX());
  const float oy = static_cast<float>(tPicProperty::Current().offsetY());
};

TEST_F(TxtFlowTest, FliesInWaitsForAClickThenSlidesOffAndFades) {
  level->messages["hello"] = tMessage::Create("bead cafe");
  auto txt = text("hello", "hello", 0, 300, 200);
  txt->zeb_txtxy(100, 500);
  EXPECT_EQ(takeCommands(), tCommands{"hello_on"});
  EXPECT_TRUE(txt->isShow());
  EXPECT_FALSE(txt->isVisible());  // nothing to see before the first frame

  step(0.1f);  // under way: a third of the path at 3 per second
  EXPECT_NEAR(txt->fade(), 0.3f, 1e-5f);
  EXPECT_NEAR(txt->h(), 100.0f + 200.0f * 0.3f + ox, 1e-3f);
  EXPECT_NEAR(txt->v(), 500.0f - 300.0f * 0.3f + oy, 1e-3f);
  EXPECT_EQ(txt->borderScale(), 0.0f);
  click();  // not yet arrived: a click does nothing
  EXPECT_EQ(level->hides, 0);

  step(0.25f);
  EXPECT_EQ(txt->fade(), 1.0f);
  EXPECT_FLOAT_EQ(txt->h(), 300.0f + ox);
  EXPECT_FLOAT_EQ(txt->v(), 200.0f + oy);
  for (int frame = 0; frame < 100; ++frame) step(0.05f);  // it waits as long as it takes
  EXPECT_EQ(txt->borderScale(), 1.0f);
  EXPECT_FLOAT_EQ(txt->h(), 300.0f + ox);
  EXPECT_TRUE(txt->isVisible());
  EXPECT_TRUE(takeCommands().empty());

  click();
  EXPECT_EQ(level->hides, 1);
  EXPECT_EQ(takeCommands(), tCommands{"hello_off"});
  step(0.1f);  // line 0 leaves to the left, at its resting height
  EXPECT_NEAR(txt->fade(), 0.7f, 1e-5f);
  EXPECT_NEAR(txt->h(), 300.0f - 800.0f * 0.3f + ox, 1e-3f);
  EXPECT_FLOAT_EQ(txt->v(), 200.0f + oy);
  EXPECT_NEAR(txt->borderScale(), 0.7f, 1e-5f);
  step(0.3f);
  EXPECT_FALSE(txt->isShow());
  EXPECT_FALSE(txt->isVisible());
  EXPECT_FLOAT_EQ(txt->h(), -500.0f + ox);
  step(1.0f);  // a hidden text is left where it went
  EXPECT_FLOAT_EQ(txt->h(), -500.0f + ox);
  click();
  EXPECT_EQ(level->hides, 1);
}

TEST_F(TxtFlowTest, EachLineOfAMessageIsATextAndAClickSendsOffOnlyThoseThatHaveArrived) {
  level->messages["m"] = tMessage::Create("ab[br]cd[br]ef");
  auto line2 = text("c", "m", 2);  // lowest, called up last
  auto line0 = text("a", "m", 0);
  auto line1 = text("b", "m", 1);
  EXPECT_EQ(line0->getValue(), "ab");
  EXPECT_EQ(line1->getValue(), "cd");
  EXPECT_EQ(line2->getValue(), "ef");
  line0->zeb_txtxy(0, 0);
  line1->zeb_txtxy(0, 0);
  step(0.5f);
  line2->zeb_txtxy(0, 0);
  step(0.1f);
  takeCommands();

  click();  // the topmost text takes the press; one hide for all
  EXPECT_EQ(level->hides, 1);
  EXPECT_EQ(takeCommands(), (tCommands{"m_off", "m_off"}));
  step(0.1f);
  EXPECT_LT(line0->h(), 300.0f + ox);  // even lines to the left
  EXPECT_GT(line1->h(), 300.0f + ox);  // odd lines to the right
  EXPECT_NEAR(line2->fade(), 0.6f, 1e-5f);  // still arriving

  step(0.5f);
  tGui::send(M_TXT_HIDE{});  // the script's way of clearing texts
  step(0.1f);
  EXPECT_LT(line2->h(), 300.0f + ox);
  EXPECT_EQ(takeCommands(), tCommands{"m_off"});
}

TEST_F(TxtFlowTest, CalledUpAtThePointerOncePerLevelUnlessForced) {
  level->messages["m"] = tMessage::Create("ab");
  auto txt = text("t", "m", 0);
  movePointer(150, 250);
  txt->zeb_txtm();
  tConfig state;
  txt->saveInstant(state, "t");
  EXPECT_EQ(state.GetInt("t", "x", -1), 150);  // in scene positions
  EXPECT_EQ(state.GetInt("t", "y", -1), 250);
  step(1.0f);
  tGui::send(M_TXT_HIDE{});
  step(1.0f);
  takeCommands();

  txt->zeb_txtm();
  txt->zeb_txtxy(5, 5);
  EXPECT_FALSE(txt->isShow());
  EXPECT_TRUE(takeCommands().empty());

  txt->zeb_txtmm();
  EXPECT_EQ(takeCommands(), tCommands{"m_on"});
  step(1.0f);
  tGui::send(M_TXT_HIDE{});
  step(0.1f);
  txt->zeb_txtmm();  // called up again while leaving: it turns back from where it is
  EXPECT_NEAR(txt->fade(), 0.7f, 1e-5f);
  step(0.2f);
  EXPECT_EQ(txt->fade(), 1.0f);
  EXPECT_FLOAT_EQ(txt->h(), 300.0f + ox);
}

TEST_F(TxtFlowTest, AnEmptyFirstLineRunsBothCommandsAndAnUnknownMessageShowsNothing) {
  level->messages["silent"] = tMessage::Create("[br]only the second line");
  auto silent = text("s", "silent", 1);
  silent->zeb_txtxy(1, 1);
  EXPECT_EQ(takeCommands(), (tCommands{"silent_on", "silent_off"}));
  EXPECT_FALSE(silent->isShow());

  auto unknown = text("u", "nosuch", 0);
  unknown->zeb_txtxy(1, 1);
  EXPECT_EQ(takeCommands(), tCommands{"nosuch_on"});
  step(1.0f);
  EXPECT_TRUE(unknown->isVisible());
  EXPECT_FALSE(unknown->hasSurface());  // no words, so no background either
}

TEST_F(TxtFlowTest, StateSurvivesASaveAndABadSaveCannotStrandAText) {
  level->messages["m"] = tMessage::Create("ab");
  auto original = text("a", "m", 0);
  original->zeb_txtautoupdateon();
  original->zeb_txtxy(40, 60);
  step(0.2f);
  tConfig saved;
  original->saveInstant(saved, "txt=a");

  auto restored = text("b", "other", 0);
  restored->loadInstant(saved, "txt=a");
  EXPECT_EQ(restored->getValue(), "");  // the level refreshes once everything is back
  restored->refresh();
  EXPECT_EQ(restored->getValue(), "ab");
  tConfig again;
  restored->saveInstant(again, "txt=a");
  for (const char* key : {"x", "y", "border", "fade", "fadeTo", "idmessage", "shown", "autorefresh"})
    EXPECT_EQ(again.GetString("txt=a", key, "?"), saved.GetString("txt=a", key, "-")) << key;
  step(0.05f);
  EXPECT_FLOAT_EQ(restored->h(), original->h());
  EXPECT_FLOAT_EQ(restored->v(), original->v());

  tConfig bad;
  bad.Set("s", "fade", "7");
  bad.Set("s", "fadeTo", "nan");
  restored->loadInstant(bad, "s");
  EXPECT_EQ(restored->fade(), 1.0f);
  step(1.0f);
  EXPECT_FALSE(restored->isShow());
  restored->loadInstant(tConfig(), "missing");  // every key defaults
  EXPECT_FALSE(restored->isShow());
  restored->zeb_txtm();
  EXPECT_TRUE(restored->isShow());
}

TEST_F(TxtFlowTest, ConsecutiveTextsFaceOppositeWays) {
  auto first = text("a", "m", 0);
  auto second = text("b", "m", 0);
  EXPECT_EQ(std::fabs(first->orientation()), 1.0f);
  EXPECT_EQ(second->orientation(), -first->orientation());
}

}  // namespace

}  // namespace vandrell

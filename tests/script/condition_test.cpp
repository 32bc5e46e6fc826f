#include "script/condition.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "resources/config.h"
#include "script/command_group.h"
#include "script_test_fixture.h"

namespace vandrell {

namespace {

class ConditionTest : public ScriptTest {
 protected:
  void setDoor(float open) { script.book().set("door", tExprNumber::Create(open)); }
  std::shared_ptr<tCondition> whenDoorOpens(const std::string& text) {
    auto condition = tCondition::Parse(text);
    condition->condition(tExpr::Create("door=1"));
    return condition;
  }
};

TEST_F(ConditionTest, FiresAtEveryCheckWhileItsExpressionHolds) {
  const auto condition = whenDoorOpens("show=a");
  condition->check();
  EXPECT_TRUE(shown().empty());
  setDoor(1);
  condition->check();
  EXPECT_EQ(shown(), (Texts{"a"})) << "firing runs the block at once";
  condition->update(0.02f);
  EXPECT_TRUE(shown().empty()) << "the finished block stays complete";
  EXPECT_EQ(condition->isPlay(), 1) << "a condition is not paused after its block";
  condition->check();
  EXPECT_EQ(shown(), (Texts{"a"}));

  const auto anyNumber = tCondition::Parse("show=b");
  anyNumber->condition(tExpr::Create("door"));
  setDoor(-0.5f);
  anyNumber->check();
  EXPECT_EQ(shown(), (Texts{"b"})) << "any non-zero number is true";
  setDoor(0);
  anyNumber->check();
  EXPECT_TRUE(shown().empty());
}

TEST_F(ConditionTest, PlaysItsBlocksInTurnAndLetsAWaitingBlockFinish) {
  const auto condition = whenDoorOpens("[show=a;waitms=100;show=b][show=c]");
  setDoor(1);
  condition->check();
  condition->check();  // the first block is still waiting
  EXPECT_EQ(shown(), (Texts{"a"}));
  condition->update(0.1f);
  EXPECT_EQ(shown(), (Texts{"b"}));
  condition->check();
  EXPECT_EQ(shown(), (Texts{"c"}));
}

TEST_F(ConditionTest, OneShotConditionFiresOnceUntilReArmed) {
  const auto condition = whenDoorOpens("show=a;waitms=100;show=b");
  condition->autodisable(1);
  setDoor(1);
  condition->check();
  condition->check();
  EXPECT_EQ(shown(), (Texts{"a"}));
  EXPECT_EQ(condition->isEnable(), 1) << "enabled until its block is done";
  condition->update(0.1f);
  EXPECT_EQ(shown(), (Texts{"b"}));
  EXPECT_EQ(condition->isEnable(), 0);
  condition->check();
  EXPECT_TRUE(shown().empty());

  condition->enable(1);
  condition->check();
  EXPECT_EQ(shown(), (Texts{"a"})) << "enabling re-arms it";
  condition->update(0.1f);
  shown();

  condition->genable(0);
  condition->genable(1);
  EXPECT_EQ(condition->isEnable(), 0) << "its own flag is still off";
  condition->enable(1);
  condition->check();
  EXPECT_EQ(shown(), (Texts{"a"}));
}

TEST_F(ConditionTest, ReArmingNeedsBothFlags) {
  const auto condition = whenDoorOpens("show=a");
  condition->autodisable(1);
  setDoor(1);
  condition->check();
  condition->update(0.02f);
  condition->genable(0);
  condition->enable(1);  // not enabled yet: the global flag is off
  condition->check();
  EXPECT_EQ(shown(), (Texts{"a"}));
  condition->genable(1);
  condition->check();
  EXPECT_EQ(shown(), (Texts{"a"}));
}

TEST_F(ConditionTest, DisabledOrExpressionlessConditionsNeverFire) {
  setDoor(1);
  const auto disabled = whenDoorOpens("show=a");
  disabled->enable(0);
  disabled->check();
  const auto globallyDisabled = whenDoorOpens("show=b");
  globallyDisabled->genable(0);
  globallyDisabled->check();
  const auto expressionless = tCondition::Parse("show=c");
  expressionless->check();
  EXPECT_TRUE(shown().empty());
}

TEST_F(ConditionTest, SaveKeepsWhetherItStillListens) {
  const auto condition = whenDoorOpens("show=a");
  condition->autodisable(1);
  setDoor(1);
  condition->check();
  shown();
  tConfig save;
  condition->saveInstant(save, "command=cond");
  EXPECT_EQ(save.GetInt("command=cond", "condenable", -1), 0);
  EXPECT_EQ(save.GetInt("command=cond", "play", -1), 1);

  const auto restored = whenDoorOpens("show=a");
  restored->autodisable(1);
  restored->loadInstant(save, "command=cond");
  restored->check();
  EXPECT_TRUE(shown().empty()) << "it had fired before the save";
  restored->enable(1);
  restored->check();
  EXPECT_EQ(shown(), (Texts{"a"}));
}

TEST_F(ConditionTest, GroupsStartAndPlayOnlyPlainCommands) {
  const auto first = tCommand::Parse("[show=a][show=b]");
  const auto second = tCommand::Parse("show=c");
  const auto condition = whenDoorOpens("show=d");
  tCommandGroup group;
  group.add(first);
  group.add(second);
  group.add(condition);
  setDoor(1);

  group.start();
  EXPECT_EQ(condition->isPlay(), 0) << "conditions play only by firing";
  for (const auto& command : {first, second}) command->update(0.02f);
  condition->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"a", "c"}));

  group.play();
  first->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"b"}));

  condition->check();
  shown();
  group.pause();
  EXPECT_EQ(first->isPlay() + second->isPlay() + condition->isPlay(), 0);
  group.stop();
  EXPECT_EQ(condition->isBlockComplete(), 1);

  group.enable(0);
  group.start();
  condition->check();
  EXPECT_EQ(first->isPlay() + second->isPlay(), 0);
  EXPECT_TRUE(shown().empty());
  group.enable(1);
  group.genable(0);
  EXPECT_EQ(first->isEnable() + second->isEnable() + condition->isEnable(), 0);
  group.genable(1);
  condition->check();
  EXPECT_EQ(shown(), (Texts{"d"}));
}

}  // namespace

}  // namespace vandrell

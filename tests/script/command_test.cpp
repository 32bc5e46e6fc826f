#include "script/command.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/object_set.h"
#include "resources/config.h"
#include "script_test_fixture.h"

namespace vandrell {

namespace {

using CommandTest = ScriptTest;

// Delivers every emitted message to one object set, as the GUI root would.
class SetRoot : public tGuiMessageReceiver {
 public:
  SetRoot() { tGuiMessage::gui(this); }
  ~SetRoot() override { tGuiMessage::gui(nullptr); }
  void SendMessage(tGuiMessage& message) override { set->message(message, message.type()); }

  const std::shared_ptr<tGuiSet> set = std::make_shared<tGuiSet>();
};

TEST_F(CommandTest, StartsStoppedAndEnabled) {
  const auto command = tCommand::Parse("show=a");
  EXPECT_EQ(command->isPlay(), 0);
  EXPECT_EQ(command->isEnable(), 1);
  EXPECT_EQ(command->isBlockComplete(), 1);
  command->update(1.0f);
  EXPECT_TRUE(shown().empty()) << "a stopped command does not run";
}

TEST_F(CommandTest, WaitCountsDownOverUpdates) {
  const auto command = tCommand::Parse("waitms=1000;show=p");
  command->start();
  EXPECT_TRUE(shown().empty()) << "start alone runs nothing";
  command->update(0.4f);  // the wait begins: 1.0 s
  command->update(0.4f);
  command->update(0.4f);
  EXPECT_TRUE(shown().empty());
  command->update(0.4f);
  EXPECT_EQ(shown(), (Texts{"p"}));
  EXPECT_EQ(command->isPlay(), 0) << "the finished block pauses a plain command";
  command->update(5.0f);
  EXPECT_TRUE(shown().empty());
}

TEST_F(CommandTest, UpdateMessagesDriveTheCommand) {
  const auto command = tCommand::Parse("waitms=500;show=p");
  command->start();
  for (int i = 0; i < 3; ++i) tGuiObject::sendto(*command, vandrell::GUIMSG_UPDATE{}, tFloatArray{0.3f});
  EXPECT_EQ(shown(), (Texts{"p"}));
}

TEST_F(CommandTest, NonLoopingCommandPlaysOneBlockPerCall) {
  const auto command = tCommand::Parse("[show=a][show=b]");
  command->start();
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"a"}));
  command->update(0.02f);
  EXPECT_TRUE(shown().empty()) << "paused after the block";
  command->nextcall();
  EXPECT_EQ(shown(), (Texts{"b"})) << "nextcall runs the next block at once";
  command->nextcall();
  EXPECT_EQ(shown(), (Texts{"a"})) << "after the last block comes the first";
  command->play();
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"b"}));
  command->start();
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"a"})) << "start goes back to the first block";
}

TEST_F(CommandTest, LoopingCommandCyclesThroughItsBlocks) {
  const auto command = tCommand::Parse("[show=a][show=b]");
  command->looping(1);
  command->start();
  for (int i = 0; i < 5; ++i) command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"a", "b", "a", "b", "a"}));
  command->pause();
  command->update(0.02f);
  EXPECT_TRUE(shown().empty());
  command->play();
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"b"})) << "play resumes with the next block";
}

TEST_F(CommandTest, PlayInsideAWaitingBlockResumesThatBlock) {
  const auto command = tCommand::Parse("[show=a;waitms=100;show=b][show=c]");
  command->start();
  command->update(0.0f);
  command->pause();
  command->update(1.0f);
  EXPECT_EQ(shown(), (Texts{"a"}));
  command->play();
  command->update(0.1f);
  EXPECT_EQ(shown(), (Texts{"b"}));
}

TEST_F(CommandTest, NegativeWaitsReportTheBlockCompleteOneUpdateLater) {
  TestActionHook() = [](tAction&) { return -1.0f; };
  const auto command = tCommand::Parse("show=a;hook");
  command->start();
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"a"}));
  EXPECT_EQ(command->isPlay(), 1);
  EXPECT_EQ(command->isBlockComplete(), 0);
  command->update(0.02f);
  EXPECT_EQ(command->isPlay(), 0);
  EXPECT_TRUE(shown().empty());
}

TEST_F(CommandTest, EmptyCommandsCompleteAtOnce) {
  for (const std::string text : {"", "[show=a", "nosuch"}) {
    const auto command = tCommand::Parse(text);
    command->start();
    command->update(0.02f);
    EXPECT_EQ(command->isPlay(), 0) << text;
  }
  // A command built without blocks has nothing to move on to.
  const auto blockless = std::make_shared<tCommand>();
  blockless->start();
  blockless->nextcall();
  blockless->update(0.02f);
  EXPECT_EQ(blockless->isPlay(), 0);
  EXPECT_EQ(blockless->isBlockComplete(), 1);
  blockless->looping(1);
  blockless->start();
  blockless->update(0.02f);
  EXPECT_EQ(blockless->isBlockComplete(), 1);
}

TEST_F(CommandTest, DisabledCommandsKeepTheirStateAndIgnoreCalls) {
  const auto command = tCommand::Parse("[show=a;waitms=100;show=b][show=c]");
  command->enable(0);
  command->start();
  command->nextcall();
  command->playcall();
  command->update(0.02f);
  EXPECT_EQ(command->isPlay(), 0);
  EXPECT_TRUE(shown().empty());

  command->enable(1);
  command->start();
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"a"}));
  command->genable(0);
  EXPECT_EQ(command->isEnable(), 0);
  command->update(1.0f);
  command->nextcall();
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(command->isPlay(), 1) << "disabling does not pause";
  command->genable(1);
  command->update(0.1f);
  EXPECT_EQ(shown(), (Texts{"b"})) << "the wait went on where it was";

  command->start();
  command->enable(0);
  command->stop();
  EXPECT_EQ(command->isPlay(), 0) << "stop works regardless of the flags";
  command->enable(1);
  command->play();
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"a"})) << "a stopped command plays from its first block";
}

TEST_F(CommandTest, PlaycallHonoursOnlyTheOwnFlagBeforePlaying) {
  const auto command = tCommand::Parse("[show=a][show=b]");
  command->playcall();
  EXPECT_EQ(shown(), (Texts{"a"})) << "playcall plays and runs at once";
  command->playcall();
  EXPECT_EQ(shown(), (Texts{"b"}));
  command->genable(0);
  command->playcall();
  EXPECT_TRUE(shown().empty());
}

TEST_F(CommandTest, SaveAndRestoreInTheMiddleOfAWaitingBlock) {
  const std::string text = "[show=a][show=b;waitms=1000;show=c;waitms=500;show=d]";
  const auto command = tCommand::Parse(text);
  command->start();
  command->update(0.02f);
  command->nextcall();
  command->update(0.25f);
  EXPECT_EQ(shown(), (Texts{"a", "b"}));

  tConfig save;
  command->saveInstant(save, "command=x");
  EXPECT_EQ(save.GetInt("command=x", "play", -9), 1);
  EXPECT_EQ(save.GetInt("command=x", "enable", -9), 1);
  EXPECT_EQ(save.GetInt("command=x", "genable", -9), 1);
  EXPECT_EQ(save.GetInt("command=x", "n", -9), 1);
  EXPECT_EQ(save.GetInt("command=x", "block.n", -9), 2);
  EXPECT_FLOAT_EQ(save.GetFloat("command=x", "wait", -9.0f), 0.75f);
  EXPECT_FALSE(save.Contains("command=x", "condenable"));

  // The level is built again from its files, then restored.
  const auto restored = tCommand::Parse(text);
  restored->loadInstant(save, "command=x");
  restored->update(0.5f);
  EXPECT_TRUE(shown().empty());
  restored->update(0.25f);
  EXPECT_EQ(shown(), (Texts{"c"}));
  restored->update(0.5f);
  EXPECT_EQ(shown(), (Texts{"d"}));
  EXPECT_EQ(restored->isPlay(), 0);
  restored->nextcall();
  EXPECT_EQ(shown(), (Texts{"a"}));
}

TEST_F(CommandTest, SavingAStoppedCommandLeavesOutTheBlockPosition) {
  const auto command = tCommand::Parse("[show=a][show=b]");
  tConfig save;
  command->saveInstant(save, "c");
  EXPECT_EQ(save.GetInt("c", "n", 0), -1);
  EXPECT_FALSE(save.Contains("c", "block.n"));

  const auto restored = tCommand::Parse("[show=a][show=b]");
  tConfig empty;
  restored->loadInstant(empty, "c");  // nothing saved: every key reads 0
  EXPECT_EQ(restored->isEnable(), 0);
  EXPECT_EQ(restored->isPlay(), 0);
}

TEST_F(CommandTest, DamagedSavesNeitherCrashNorResumeOutsideTheScript) {
  tConfig save;
  save.SetInt("c", "play", 1);
  save.SetInt("c", "enable", 1);
  save.SetInt("c", "genable", 1);
  save.SetInt("c", "n", 7);
  const auto command = tCommand::Parse("[show=a][show=b]");
  command->loadInstant(save, "c");
  EXPECT_TRUE(log.contains("saved block 7")) << "a block index beyond the command is reported";
  EXPECT_EQ(command->isPlay(), 0) << "and the command is stopped";
  command->update(0.02f);
  command->play();
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"a"}));

  save.SetInt("c", "n", 1);
  save.SetInt("c", "block.n", -3);
  command->loadInstant(save, "c");
  command->update(0.02f);
  EXPECT_EQ(shown(), (Texts{"b"}));
  save.SetInt("c", "block.n", 99);
  command->loadInstant(save, "c");
  command->update(0.02f);
  EXPECT_TRUE(shown().empty()) << "an action index past the end completes the block";
  EXPECT_TRUE(log.contains("Action index 99"));
}

TEST_F(CommandTest, RunOnceCommandLeavesItsSetWhenDone) {
  SetRoot root;
  auto command = tRunableCommand::Parse("show=a;waitms=100;show=b");
  root.set->insert(command, "eval");
  command->nextcall();
  EXPECT_EQ(shown(), (Texts{"a"}));
  EXPECT_NE(root.set->find("eval"), nullptr);
  const std::weak_ptr<tCommand> watch = command;
  command.reset();
  tGuiObject::send(vandrell::GUIMSG_UPDATE{}, tFloatArray{0.05f});
  EXPECT_NE(watch.lock(), nullptr) << "the set keeps it while it waits";
  tGuiObject::send(vandrell::GUIMSG_UPDATE{}, tFloatArray{0.1f});
  EXPECT_EQ(shown(), (Texts{"b"}));
  EXPECT_EQ(root.set->find("eval"), nullptr);
  EXPECT_TRUE(watch.expired());
}

TEST_F(CommandTest, CommandsCallingThemselvesEndWithADiagnostic) {
  std::shared_ptr<tCommand> command = tCommand::Parse("show=a;hook");
  int calls = 0;
  TestActionHook() = [&](tAction&) {
    ++calls;
    command->nextcall();
    return 0.0f;
  };
  command->nextcall();
  EXPECT_GT(calls, 100);
  EXPECT_LT(calls, 1000);
  EXPECT_EQ(log.lines(), (Texts{"Command : commands call each other without end; the calls are dropped."}));
  TestActionHook() = nullptr;
  log.clear();
  command->nextcall();
  EXPECT_TRUE(log.lines().empty()) << "the limits hold for one run only";
}

TEST_F(CommandTest, LoopingCommandsCallingThemselvesStayBounded) {
  // Every level the calls unwind through restarts the looping block, which
  // calls again: without a limit on calls per run this would never end.
  std::shared_ptr<tCommand> command = tCommand::Parse("show=a;hook");
  command->looping(1);
  int calls = 0;
  TestActionHook() = [&](tAction&) {
    ++calls;
    command->nextcall();
    return 0.0f;
  };
  command->start();
  command->update(0.02f);
  EXPECT_GT(calls, 100);
  EXPECT_LT(calls, 10000);
  EXPECT_EQ(log.lines().size(), 1u);
  log.clear();
  calls = 0;
  command->update(0.02f);
  EXPECT_GT(calls, 100) << "the next update runs again";
}

TEST_F(CommandTest, CommandsMayCallThemselvesAsACountedLoop) {
  std::shared_ptr<tCommand> command = tCommand::Parse("show=a;hook");
  int calls = 0;
  TestActionHook() = [&](tAction&) {
    if (++calls < 150) command->nextcall();
    return 0.0f;
  };
  command->nextcall();
  EXPECT_EQ(shown().size(), 150u);
  EXPECT_TRUE(log.lines().empty());
  EXPECT_EQ(command->isPlay(), 0);
}

TEST_F(CommandTest, BlocksRestartingThemselvesAreCutShort) {
  std::shared_ptr<tCommand> command = tCommand::Parse("[hook][show=b]");
  int calls = 0;
  TestActionHook() = [&](tAction&) {
    ++calls;
    command->start();  // back to the first block, which is running
    return 0.0f;
  };
  command->start();
  command->update(0.02f);
  EXPECT_GT(calls, 50);
  EXPECT_LT(calls, 1000);
  EXPECT_TRUE(log.contains("without end"));
  TestActionHook() = nullptr;
  command->nextcall();
  EXPECT_EQ(shown(), (Texts{"b"})) << "the command goes on afterwards";
}

}  // namespace

}  // namespace vandrell

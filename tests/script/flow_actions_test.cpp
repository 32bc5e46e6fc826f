#include "script/flow_actions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/core.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "platform/process.h"
#include "resources/profile.h"
#include "script/zeb_profile.h"
#include "script_level.h"
#include "support/manual_time.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

using FlowActionsTest = ScriptLevelTest;
using Heards = std::vector<std::string>;

// The frame loop driving the GUI root until the script variable "done" is set;
// it notes the clock at its first update and when "done" turns up.
class ScriptLoop : public tCore {
 public:
  void update(float delta) override {
    if (started < 0) started = Milliseconds();
    tGui::Current().update(delta);
    if (tExprBook::Current().get("done")->ToNumber() != 0.0f) {
      done = Milliseconds();
      quit();
    }
  }
  void event(const TEvent&) override {}
  void render() override {}

  // Milliseconds of the clock from the first update to "done".
  int32_t runUntilDone() {
    try {
      run();
    } catch (const TProcessExit&) {
    }
    return done - started;
  }

  int32_t started = -1;
  int32_t done = -1;
};

// The application as scripts reach it: closing the program is written down
// where the level writes what it hears.
class TerminateProbe : public tSettings {
 public:
  explicit TerminateProbe(Heards& heard) : _heard(heard) {}
  void terminate() override { _heard.push_back("terminate"); }

 private:
  Heards& _heard;
};

}  // namespace

TEST_F(FlowActionsTest, GameoverSendsTheResultItsNumberNamesExactly) {
  TerminateProbe application(level->heard);
  tCurrentScope<tSettings> settings(application);
  const struct {
    const char* n;
    Heards heard;
  } cases[] = {
      {"0", {Heard<M_GAME_FAIL>(), "terminate"}},
      {"1", {Heard<M_LEVEL_FAIL>()}},
      {"2", {Heard<M_LEVEL_COMPLETE>()}},
      {"3", {Heard<M_LEVEL_FASTCOMPLETE>()}},
      {"4", {Heard<M_LEVEL_GAME>()}},
      {"5", {Heard<M_LEVEL_EXTRA>()}},
      {"1+1", {Heard<M_LEVEL_COMPLETE>()}},
      {"2.5", {}},
      {"6", {}},
      {"-1", {}},
  };
  for (const auto& each : cases) {
    level->heard.clear();
    run(std::string("gameover=") + each.n);
    EXPECT_EQ(level->heard, each.heard) << "gameover=" << each.n;
  }
  EXPECT_TRUE(log.contains("Command script: not available yet: the in-game menu's fail page of gameover"));
  level->heard.clear();
  run("save;progress=9;load;gameover");
  EXPECT_EQ(level->heard,
            (Heards{Heard<M_GAME_AUTOSAVE>(), Heard<M_GAME_RESTARTLEVEL>(), Heard<M_GAME_FAIL>(), "terminate"}))
      << "a gameover written without its number fails the game, and the parser said so";
  EXPECT_TRUE(log.contains("args: gameover (gameover takes 1 argument, not 0)"));
}

TEST_F(FlowActionsTest, WaitsCountGameTimeInTicksAndMilliseconds) {
  ManualTime time;
  const struct {
    const char* text;
    float speed;
    int32_t ms;
  } cases[] = {{"wait=25;set=done,1", 1.0f, 500},
               {"waitms=250;set=done,1", 1.0f, 250},
               {"wait=25;set=done,1", 0.5f, 1000},
               {"waitms=2*100;wait=5;set=done,1", 1.0f, 300}};
  for (const auto& each : cases) {
    script.book().set("done", nullptr);
    level->command("waiting", each.text)->start();
    ScriptLoop loop;
    loop.fps(50);
    loop.speed(each.speed);
    EXPECT_NEAR(loop.runUntilDone(), each.ms, 20) << each.text << " at speed " << each.speed;
  }
}

TEST_F(FlowActionsTest, SetStoresNumbersAndObjectsAsTheyAre) {
  const auto door = std::make_shared<tObject>();
  script.book().set("p", tExprObject::Create(door));
  run("set=door,p;set=count,count+1;set=count,count+1;set=nothing;set=,5");
  EXPECT_EQ(script.book().get("door")->ToObject(), door);
  EXPECT_FLOAT_EQ(var("count"), 2.0f);
  const auto nothing = script.book().get("nothing");
  EXPECT_EQ(std::dynamic_pointer_cast<tExprNumber>(nothing), nullptr) << "the empty value, not the number 0";
  EXPECT_EQ(nothing->ToNumber(), 0.0f);
  EXPECT_EQ(nothing->ToObject(), nullptr);
  EXPECT_FLOAT_EQ(var(""), 0.0f) << "an empty name stores nothing";
}

TEST_F(FlowActionsTest, AConditionSeesAVariableSetAndCheckedWithinTheSameUpdate) {
  level->condition("door_open", "open=1", "set=fired,fired+1");
  level->command("opener", "set=open,1;check")->start();
  tGui::Current().update(0.02f);
  EXPECT_FLOAT_EQ(var("fired"), 1.0f) << "the check plays the condition at once";

  script.book().set("open", tExprNumber::Create(0.0f));
  level->command("closer", "set=open,0;check;set=open,1")->start();
  tGui::Current().update(0.02f);
  EXPECT_FLOAT_EQ(var("fired"), 1.0f) << "the condition saw the value at the check, not the later one";
  EXPECT_FLOAT_EQ(var("open"), 1.0f);
}

TEST_F(FlowActionsTest, CommandActionsSwitchAndCallTheNamedCommand) {
  const auto steps = level->command("steps", "[set=step,1][set=step,2]");
  run("go=steps");
  EXPECT_FLOAT_EQ(var("step"), 1.0f) << "nextcall runs the first block at once";
  run("nextcall=steps;set=after,step");
  EXPECT_FLOAT_EQ(var("after"), 2.0f) << "the called block ran before the caller's next action";

  const auto ticker = level->command("ticker", "[set=ticks,ticks+1;waitms=100]", 1);
  ticker->start();
  tGui::Current().update(0.1f);
  run("cc=ticker");
  EXPECT_EQ(ticker->isPlay(), 0);
  EXPECT_EQ(ticker->isEnable(), 0);
  run("startc=ticker");
  EXPECT_EQ(ticker->isPlay(), 0) << "a closed command starts only once enabled again";
  run("ec=ticker;startc=ticker;pausec=ticker");
  EXPECT_EQ(ticker->isPlay(), 0);
  run("playc=ticker");
  EXPECT_EQ(ticker->isPlay(), 1);
  run("gdc=ticker");
  EXPECT_EQ(ticker->isEnable(), 0);
  run("gec=ticker;dc=ticker");
  EXPECT_EQ(ticker->isEnable(), 0);
  run("enablecommand=ticker;stopc=ticker");
  EXPECT_EQ(ticker->isEnable(), 1);
  EXPECT_EQ(ticker->isPlay(), 0);
  EXPECT_TRUE(log.lines().empty()) << log.lines().front();
}

TEST_F(FlowActionsTest, IfcallAndElsecallCallByTheirNumber) {
  TempDir folder;
  const auto profile = std::make_shared<tProfile>();
  tCurrentScope<tProfile> current(profile);
  profile->loadProfile(folder.path() + "/");
  profile->user(1);
  script.book().set("uv", tExprObject::Create(tZebProfile::Create(*profile)));
  level->command("a", "set=a,a+1");
  level->command("b", "set=b,b+1");

  run("ifcall=a,0;if=a,1;else=a,b,0");
  EXPECT_EQ(level->calls, (std::vector<std::string>{"a", "b"}));
  run("uv=coins,3;elsecall=a,b,uv:coins>2");
  EXPECT_FLOAT_EQ(profile->zeb_property("coins"), 3.0f);
  EXPECT_FLOAT_EQ(var("a"), 2.0f);
  EXPECT_FLOAT_EQ(var("b"), 1.0f);

  tProfile saved;
  saved.loadProfile(folder.path() + "/");
  saved.user(1);
  EXPECT_FLOAT_EQ(saved.zeb_property("coins"), 3.0f) << "a player's variable is kept at once";
}

TEST_F(FlowActionsTest, GroupsPlayStopAndCloseTheirMembersButNeverPlayConditions) {
  const auto looping = level->command("looping", "[set=loops,loops+1;waitms=100]", 1);
  const auto once = level->command("once", "[set=once,once+1;waitms=100]");
  const auto condition = level->condition("cond", "1", "set=fired,1");
  auto group = std::make_shared<tCommandGroup>();
  for (const auto& member : {looping, once, std::static_pointer_cast<tCommand>(condition)}) group->add(member);
  level->groups["g"] = group;

  run("pg=g");
  for (int i = 0; i < 5; ++i) tGui::Current().update(0.1f);
  EXPECT_GE(var("loops"), 2.0f) << "a looping member goes round";
  EXPECT_FLOAT_EQ(var("once"), 1.0f);
  EXPECT_EQ(condition->isPlay(), 0);
  EXPECT_FLOAT_EQ(var("fired"), 0.0f);

  run("sg=g");
  const float stoppedAt = var("loops");
  tGui::Current().update(0.5f);
  EXPECT_FLOAT_EQ(var("loops"), stoppedAt);
  run("cg=g;playgroup=g");
  tGui::Current().update(0.5f);
  EXPECT_FLOAT_EQ(var("loops"), stoppedAt) << "a closed group stays quiet";
  EXPECT_EQ(condition->isEnable(), 0);
  run("eg=g;pg=g");
  tGui::Current().update(0.05f);
  EXPECT_FLOAT_EQ(var("loops"), stoppedAt + 1.0f) << "played again from the first block";
  run("dg=g");
  EXPECT_EQ(looping->isEnable(), 0);
  EXPECT_EQ(once->isEnable(), 0);
}

TEST_F(FlowActionsTest, ANameThatFindsNothingIsReportedOnceNamingCommandKeywordAndArgument) {
  const auto door = level->command("door", "[startc=nosuch;pg=gone;if=ghost,1;set=runs,runs+1;waitms=100]", 1);
  door->start();
  for (int i = 0; i < 5; ++i) tGui::Current().update(0.1f);
  ASSERT_GE(var("runs"), 2.0f);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Command door: startc argument 1 'nosuch' names no command",
                                                   "Command door: pg argument 1 'gone' names no command group",
                                                   "Command door: if argument 1 'ghost' names no command"}));
  EXPECT_EQ(level->calls, std::vector<std::string>(static_cast<size_t>(var("runs")), "ghost"))
      << "the call still goes out";
}

}  // namespace vandrell

#include "scene/scene_actions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "scene/location.h"
#include "scene/mission.h"
#include "scene/pic_image.h"
#include "scene_test_support.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "script/script_actions.h"
#include "script/zeb_script_scope.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

// The level's side of the mission and location actions: it finds missions
// and locations by name, and writes down the commands it is asked to call and
// how often missions ask it to check the mission groups.
class tSceneLevel : public tLevelStandIn {
  VANDRELL_GUI_HOOKS(tSceneLevel, tLevelStandIn, &tSceneLevel::M_MISSION_FIND, &tSceneLevel::M_LOCATION_FIND,
                     &tSceneLevel::M_COMMAND_NEXTCALL, &tSceneLevel::M_MISSIONGROUP_CHECK)

 public:
  virtual int32_t M_MISSION_FIND(vandrell::M_MISSION_FIND& msg) {
    const auto found = missions.find(msg.input());
    if (found != missions.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_LOCATION_FIND(vandrell::M_LOCATION_FIND& msg) {
    const auto found = locations.find(msg.input());
    if (found != locations.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_COMMAND_NEXTCALL(vandrell::M_COMMAND_NEXTCALL& msg) {
    calls.push_back(msg.input());
    return 0;
  }
  virtual int32_t M_MISSIONGROUP_CHECK(vandrell::M_MISSIONGROUP_CHECK&) {
    ++groupChecks;
    return 0;
  }

  std::map<std::string, tMissionPtr> missions;
  std::map<std::string, std::shared_ptr<tLocation>> locations;
  int groupChecks = 0;
  std::vector<std::string> calls;
};

class SceneActionsTest : public SceneTest {
 protected:
  SceneActionsTest() {
    RegisterScriptActions();
    RegisterSceneActions();
    tGui::Current().insert(level, "location_lookups");
    tGui::Current().insert(commands, "commands");
  }

  // A shown, enabled mission with `counter` left to do.
  tMissionPtr mission(const std::string& name, int32_t counter) {
    auto made = std::make_shared<tMission>();
    made->loadId(name);
    made->loadParams({"0", "0", std::to_string(counter)});
    level->missions[name] = made;
    return made;
  }
  std::shared_ptr<tLocation> location(const std::string& name) {
    auto made = std::make_shared<tLocation>();
    tGui::Current().insert(made, name);
    level->locations[name] = made;
    return made;
  }
  void run(const std::string& text) { RunScript(*commands, text); }

  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  LogCapture log;
  std::shared_ptr<tSceneLevel> level = std::make_shared<tSceneLevel>();
  std::shared_ptr<tGuiSet> commands = std::make_shared<tGuiSet>();
};

}  // namespace

TEST_F(SceneActionsTest, MissionActionsSwitchTheNamedMissionsAndFinishOnlyOpenOnes) {
  const auto m1 = mission("m1", 2);
  const auto m2 = mission("m2", 3);
  const auto finished = tCommand::Parse("set=finished,finished+1");
  m1->loadAction(finished);

  run("hm=m1|m2;dm=m1");
  EXPECT_FALSE(m1->isShow() || m2->isShow());
  EXPECT_FALSE(m1->isEnable());
  run("sm=m1|m2;em=m1");
  EXPECT_TRUE(m1->isShow() && m2->isShow() && m1->isEnable());

  run("pm=m1");
  EXPECT_EQ(m1->getCount(), 1);
  EXPECT_EQ(level->groupChecks, 0);
  run("processmission=m1");
  EXPECT_TRUE(m1->isComplete());
  EXPECT_FLOAT_EQ(script.book().get("finished")->ToNumber(), 1.0f) << "the completion command played";
  EXPECT_EQ(level->groupChecks, 1);
  run("pm=m1;endm=m1");
  EXPECT_FLOAT_EQ(script.book().get("finished")->ToNumber(), 1.0f) << "a complete mission is left alone";
  EXPECT_EQ(level->groupChecks, 1);
  EXPECT_EQ(m1->getCount(), 0);

  run("endmission=m2");
  EXPECT_TRUE(m2->isComplete());
  EXPECT_EQ(level->groupChecks, 2);
  EXPECT_TRUE(log.lines().empty()) << log.lines().front();
  run("sm=m3");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Command script: sm argument 1 'm3' names no mission"}));
}

TEST_F(SceneActionsTest, LocationActionsShowHideEnableAndFadeTheNamedLocation) {
  tTrace trace;
  const auto room = location("room");
  const auto closeUp = location("close_up");
  room->pics().insert(std::make_shared<tTracePic>("room", trace, POSTDRAW_NORMAL), "room_pic");
  closeUp->pics().insert(std::make_shared<tTracePic>("close", trace, POSTDRAW_NORMAL), "close_pic");

  run("hsl=close_up");
  EXPECT_FALSE(closeUp->isShow());
  EXPECT_TRUE(room->isShow());
  run("dsl=room");
  EXPECT_FALSE(room->isEnable());
  EXPECT_TRUE(room->isShow());
  trace.clear();
  tGui::Current().update(0.1f);
  EXPECT_TRUE(trace.empty()) << "a disabled location stands still and a hidden one is out: " << trace.front();

  run("showsublocation=close_up;esl=room");
  EXPECT_TRUE(closeUp->isShow());
  EXPECT_TRUE(room->isEnable());
  trace.clear();
  tGui::Current().update(0.1f);
  EXPECT_EQ(trace, (tTrace{"room:UPDATE", "close:UPDATE"}));
  EXPECT_EQ(level->calls, (std::vector<std::string>{"__sosclear", "__sosstop"}));
  EXPECT_TRUE(log.lines().empty()) << log.lines().front();

  scene.putImage("box.png", 2, 2, {0xFFFFFFFF});
  const auto box = scene.load<tPicImage>("box", "box.png", Record(0, 0));
  room->pics().insert(box, "box");
  run("hosl=room");
  frame(0.2f);
  EXPECT_FLOAT_EQ(box->zeb_property_alpha(), 0.5f) << "fading out over 20 ticks";
  EXPECT_TRUE(room->isShow());
}

TEST_F(SceneActionsTest, ALocationNotFoundChangesNothingAndIsReported) {
  const auto room = location("room");
  run("hsl=attic;dsl=room|cellar");
  EXPECT_TRUE(room->isShow());
  EXPECT_FALSE(room->isEnable());
  EXPECT_TRUE(level->calls.empty()) << "no system command without a location";
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Command script: hsl argument 1 'attic' names no location",
                                                   "Command script: dsl argument 1 'cellar' names no location"}));
}

TEST_F(SceneActionsTest, PicValuesAreSetOnPicsAlone) {
  tTrace trace;
  const auto pic = std::make_shared<tTracePic>("p", trace, POSTDRAW_NORMAL);
  script.book().set("p", tExprObject::Create(pic));
  script.book().set("plain", tExprObject::Create(std::make_shared<tObject>()));
  run("seta0=p,2.5;seta1=p,1+2;seta0=plain,9;seta1=3,9");
  EXPECT_FLOAT_EQ(pic->zeb_property_a0(), 2.5f);
  EXPECT_FLOAT_EQ(pic->zeb_property_a1(), 3.0f);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"Command script: seta0 argument 1 'plain' names no pic",
                                                   "Command script: seta1 argument 1 '3' names no pic"}));
}

TEST_F(SceneActionsTest, TheScriptAndSceneRegistrationsBindTheFlowAndMissionRowsAlone) {
  // The rows whose targets exist below the HUD and the menus.
  const std::set<std::string> bound = {
      "tZebAction_showmission", "tZebAction_hidemission", "tZebAction_enablemission",
      "tZebAction_disablemission", "tZebAction_applymission", "tZebAction_completemission",
      "tAction", "tZebAction_set", "tZebAction_wait", "tZebAction_waitms", "tZebAction_uv", "tZebAction_gameover",
      "tZebAction_progress", "tZebAction_save", "tZebAction_load", "tZebAction_check",
      "tZebAction_genablecommand", "tZebAction_gdisablecommand", "tZebAction_enablecommand",
      "tZebAction_disablecommand", "tZebAction_startcommand", "tZebAction_stopcommand", "tZebAction_playcommand",
      "tZebAction_pausecommand", "tZebAction_closecommand", "tZebAction_nextcall", "tZebAction_ifcall",
      "tZebAction_elsecall", "tZebAction_enablegroup", "tZebAction_disablegroup", "tZebAction_stopgroup",
      "tZebAction_playgroup", "tZebAction_closegroup", "tZebAction_showlocation", "tZebAction_hidelocation",
      "tZebAction_enablelocation", "tZebAction_disablelocation", "tZebAction_fadelocation", "tZebAction_seta0",
      "tZebAction_seta1"};
  for (const tActionRow& row : tActionKeywords::Current().rows()) {
    EXPECT_EQ(row.available, bound.contains(row.className)) << row.className;
  }
}

}  // namespace vandrell

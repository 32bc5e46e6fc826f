#include "scene/pic_actions.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/random.h"
#include "scene/location.h"
#include "scene/scene_actions.h"
#include "scene_test_support.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "script/script_actions.h"
#include "script/zeb_script_scope.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

// The level's side of the pic actions: the pics tagged with each mission,
// missions and commands by name, and one location whose sets a pic can be
// moved to the top of.
class tPicLevel : public tGuiObject {
  VANDRELL_GUI_HOOKS(tPicLevel, tGuiObject, &tPicLevel::M_PIC_FINDBYMISSION, &tPicLevel::M_MISSION_FIND,
                     &tPicLevel::M_COMMAND_FIND, &tPicLevel::M_LOCATION_PICTOTOP)

 public:
  virtual int32_t M_PIC_FINDBYMISSION(vandrell::M_PIC_FINDBYMISSION& msg) {
    const auto found = tags.find(msg.input());
    if (found != tags.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_MISSION_FIND(vandrell::M_MISSION_FIND& msg) {
    if (tags.contains(msg.input())) msg.answer(std::make_shared<tMission>());
    return 0;
  }
  virtual int32_t M_COMMAND_FIND(vandrell::M_COMMAND_FIND& msg) {
    const auto found = commands.find(msg.input());
    if (found != commands.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_LOCATION_PICTOTOP(vandrell::M_LOCATION_PICTOTOP& msg) {
    room->pics().toTop(msg.input());
    return 0;
  }

  // A mission listed here with no pics exists but tags nothing.
  std::map<std::string, tPicList> tags;
  std::map<std::string, tCommandPtr> commands;
  std::shared_ptr<tLocation> room = std::make_shared<tLocation>();
};

class PicActionsTest : public SceneTest {
 protected:
  PicActionsTest() {
    RegisterScriptActions();
    RegisterSceneActions();
    RegisterPicActions();
    SeedRnd(7);
    scene.putImage("box.png", 10, 10, {0xFFFFFFFF});
    // Ten 8 x 8 frames.
    scene.putImage("strip.png", 80, 8, {0xFFFFFFFF});
    tGui::Current().insert(level, "pic_lookups");
    tGui::Current().insert(level->room, "room");
    tGui::Current().insert(commands, "commands");
  }

  // A picture in the room that scripts know by its name.
  std::shared_ptr<tPicImage> box(const std::string& name, int32_t x, int32_t y, const std::string& mission = "") {
    return place(name, scene.load<tPicImage>(name, "box.png", Record(x, y)), mission);
  }
  std::shared_ptr<tPicAnim> strip(const std::string& name) {
    return place(name, scene.load<tPicAnim>(name, "strip.png", Record(0, 0, {{15, "8"}, {16, "8"}, {17, "10"}})));
  }
  template <class Pic>
  std::shared_ptr<Pic> place(const std::string& name, std::shared_ptr<Pic> pic, const std::string& mission = "") {
    level->room->pics().insert(pic, name);
    script.book().set(name, tExprObject::Create(pic));
    if (!mission.empty()) level->tags[mission].push_back(pic);
    return pic;
  }
  // A command the level knows by that name.
  void command(const std::string& name, const std::string& text) {
    level->commands[name] = tCommand::Parse(text);
    commands->insert(level->commands[name], name);
  }

  void run(const std::string& text) { RunScript(*commands, text); }
  // A frame of the running level: the scene and the scripts move, then the
  // linked pics follow.
  static void step(float delta) {
    frame(delta);
    tPicProperty::Current().layoutAttach();
  }
  // What the action written as `text` asks its block to wait.
  static float waitOf(const std::string& text) { return tAction::Parse(text).front()->exec(); }
  float value(const std::string& variable) { return script.book().get(variable)->ToNumber(); }
  // What the scripts reported, without the image cache's progress.
  std::vector<std::string> reports() const {
    std::vector<std::string> lines;
    for (const std::string& line : log.lines()) {
      if (!line.starts_with("rm> ")) lines.push_back(line);
    }
    return lines;
  }

  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  LogCapture log;
  std::shared_ptr<tPicLevel> level = std::make_shared<tPicLevel>();
  std::shared_ptr<tGuiSet> commands = std::make_shared<tGuiSet>();
};

}  // namespace

TEST_F(PicActionsTest, TimedTwinsWaitForTheirChangeEvenWithoutThePic) {
  box("p", 0, 0);
  strip("a");
  for (const char* instant : {"walpha=p,0.5", "wrgb=p,255,0,0", "wposition=p,1,2", "wscale=p,2,2", "wrotation=p,0",
                              "wsetanim=a,1,2", "wsetanim=a,0", "wposition=ghost,1,2"}) {
    EXPECT_FLOAT_EQ(waitOf(instant), 0.001f) << instant;
  }
  EXPECT_FLOAT_EQ(waitOf("walphing=p,0,50"), 1.0f);
  EXPECT_FLOAT_EQ(waitOf("walphing=ghost,0,50"), 1.0f);
  EXPECT_FLOAT_EQ(waitOf("wcoloring=p,0,0,0,25"), 0.5f);
  EXPECT_FLOAT_EQ(waitOf("wtranslatexy=p,10,10,100"), 2.0f);
  EXPECT_FLOAT_EQ(waitOf("wresize=ghost,2,2,5"), 0.1f);
  EXPECT_FLOAT_EQ(waitOf("wmove=p,1,0,25.9"), 0.5f) << "part of a tick does not count";
  EXPECT_FLOAT_EQ(waitOf("wmove=ghost,1,0,10"), 0.2f);

  EXPECT_FLOAT_EQ(waitOf("wrotate=p,90,1"), 1.8f) << "90 degrees at 50 a second";
  EXPECT_FLOAT_EQ(waitOf("wturn=p,-45,-1"), 0.9f);
  EXPECT_FLOAT_EQ(waitOf("wturn=ghost,-45,-1"), 0.0f);

  EXPECT_FLOAT_EQ(waitOf("wanim=a,1,1,10,1,2"), 0.36f) << "twice nine frames at 50 a second";
  EXPECT_FLOAT_EQ(waitOf("wanim=a,1,10,1,-1,1"), 0.18f) << "backwards";
  EXPECT_FLOAT_EQ(waitOf("wanim=a,1,1,10,1,0"), 1000000.0f) << "endless";
  EXPECT_FLOAT_EQ(waitOf("wanim=a,1,1,10,0,1"), 1000000.0f) << "standing still never ends either";
  EXPECT_FLOAT_EQ(waitOf("wanim=a,0"), 0.0f) << "stopping";
  EXPECT_FLOAT_EQ(waitOf("wanim=ghost,1,1,10,1,2"), 0.0f);

  for (const char* plain : {"alphing=p,0,50", "coloring=p,0,0,0,25", "move=p,1,0,10", "rotate=p,90,1",
                            "anim=a,1,1,10,1,2", "setanim=a,1,1", "alpha=p,1"}) {
    EXPECT_FLOAT_EQ(waitOf(plain), 0.0f) << plain;
  }
}

TEST_F(PicActionsTest, TheBlockGoesOnWhenTheChangeIsDone) {
  const auto p = box("p", 0, 0);
  strip("a");
  run("walphing=p,0,50;set=faded,1;walphing=ghost,1,50;set=after,1");
  step(0.75f);
  EXPECT_FLOAT_EQ(p->zeb_property_alpha(), 0.25f);
  EXPECT_EQ(value("faded"), 0.0f);
  step(0.25f);
  EXPECT_FLOAT_EQ(p->zeb_property_alpha(), 0.0f);
  EXPECT_EQ(value("faded"), 1.0f);
  step(0.999f);
  EXPECT_EQ(value("after"), 0.0f) << "a missing pic still takes its second";
  step(0.002f);
  EXPECT_EQ(value("after"), 1.0f);
  EXPECT_EQ(reports(), (std::vector<std::string>{"Command script: walphing argument 1 'ghost' names no image pic"}));

  run("wanim=a,1,1,10,1,0;set=played,1");
  step(1000.0f);
  EXPECT_EQ(value("played"), 0.0f) << "an endless animation holds the block";
}

TEST_F(PicActionsTest, MovesAreTickStepsAndColoursAreBytes) {
  const auto p = box("p", 100, 100);
  run("move=p,2,-1,25.5;rgb=p,255,51,0;position=q,5,5");
  step(0.25f);
  EXPECT_FLOAT_EQ(p->zeb_property_x(), 125);
  EXPECT_FLOAT_EQ(p->zeb_property_y(), 87.5f);
  step(0.5f);
  EXPECT_FLOAT_EQ(p->zeb_property_x(), 150) << "25 steps of 2";
  EXPECT_FLOAT_EQ(p->zeb_property_y(), 75);
  const tColorf& color = *p->visual().color();
  EXPECT_FLOAT_EQ(color.r, 1.0f);
  EXPECT_FLOAT_EQ(color.g, 0.2f);
  EXPECT_FLOAT_EQ(color.b, 0.0f);

  run("translatexy=p,0,75,10;resize=p,3,2,10");
  step(0.2f);
  EXPECT_FLOAT_EQ(p->zeb_property_x(), 0);
  EXPECT_FLOAT_EQ(p->zeb_property_sx(), 3);
  EXPECT_FLOAT_EQ(p->zeb_property_sy(), 2);
}

TEST_F(PicActionsTest, LinkedPicsFollowTheirLeaderOrThePointerUntilUnlinked) {
  const auto leader = box("leader", 100, 100);
  const auto follower = box("follower", 110, 90);
  const auto tag = box("tag", 0, 0);
  run("lto=follower,leader;ltoc=tag,ghost;ltm=tag;position=leader,300,200");
  pointAt(50, 60);
  step(0.02f);
  EXPECT_FLOAT_EQ(follower->zeb_property_x(), 310);
  EXPECT_FLOAT_EQ(follower->zeb_property_y(), 190) << "at the offset it had when linked";
  EXPECT_FLOAT_EQ(tag->zeb_property_x(), 50);
  EXPECT_FLOAT_EQ(tag->zeb_property_y(), 60 + 30) << "the pointer, less the origin offset";

  run("unlink=follower;ultm=tag;position=leader,0,0");
  pointAt(400, 400);
  step(0.02f);
  EXPECT_FLOAT_EQ(follower->zeb_property_x(), 310);
  EXPECT_FLOAT_EQ(tag->zeb_property_x(), 50);
  EXPECT_EQ(reports(), (std::vector<std::string>{"Command script: ltoc argument 2 'ghost' names no pic"}));
}

TEST_F(PicActionsTest, SwapWithZeroAlwaysHappensAndOtherwiseOnACoinToss) {
  const auto a = box("a", 10, 20);
  const auto b = box("b", 30, 40);
  run("swapxy=a,b,0");
  EXPECT_FLOAT_EQ(a->zeb_property_x(), 30);
  EXPECT_FLOAT_EQ(a->zeb_property_y(), 40);
  EXPECT_FLOAT_EQ(b->zeb_property_x(), 10);
  EXPECT_FLOAT_EQ(b->zeb_property_y(), 20);
  run("swapxy=a,b;swapxy=a,ghost,0");
  EXPECT_FLOAT_EQ(a->zeb_property_x(), 10) << "written without the number it swaps too";

  int swaps = 0;
  for (int i = 0; i < 200; ++i) {
    const float before = a->zeb_property_x();
    run("swapxy=a,b,1");
    if (a->zeb_property_x() != before) ++swaps;
  }
  EXPECT_GT(swaps, 60);
  EXPECT_LT(swaps, 140);
}

TEST_F(PicActionsTest, MissionActionsReachEveryPicTaggedWithTheMission) {
  const auto gem1 = box("gem1", 10, 0, "gems");
  const auto gem2 = box("gem2", 20, 0, "gems");
  const auto other = box("other", 30, 0);
  level->tags["empty"];
  run("hobym=gems;setcurbym=gems,3.7;gdbym=empty");
  EXPECT_FALSE(gem1->isShow() || gem2->isShow());
  EXPECT_TRUE(other->isShow());
  EXPECT_EQ(gem2->getCursor(), 3);
  EXPECT_EQ(other->getCursor(), 0);
  EXPECT_TRUE(reports().empty()) << "a mission without pics is no slip: " << reports().front();

  command("visit", "seta0=object_input,order;set=order,order+1;wait=10;seta1=object_input,1");
  run("pobym=gems,visit");
  EXPECT_FLOAT_EQ(gem1->zeb_property_a0(), 0);
  EXPECT_FLOAT_EQ(gem2->zeb_property_a0(), 1) << "one call per pic, in the mission's order";
  EXPECT_EQ(value("order"), 2.0f);
  EXPECT_FLOAT_EQ(gem1->zeb_property_a1(), 0) << "each as far as the first wait";
  run("opobym=empty,visit;pobym=gems,nosuch");
  EXPECT_EQ(value("order"), 2.0f);
  EXPECT_EQ(reports(), (std::vector<std::string>{"Command script: pobym argument 2 'nosuch' names no command"}));
}

TEST_F(PicActionsTest, ObjectByMissionPicksAPicOrLeavesTheVariableAlone) {
  const auto gem1 = box("gem1", 10, 0, "gems");
  const auto gem2 = box("gem2", 20, 0, "gems");
  level->tags["empty"];
  std::set<tObjectPtr> picked;
  for (int i = 0; i < 20; ++i) {
    run("obym=chosen,gems");
    picked.insert(script.book().get("chosen")->ToObject());
  }
  EXPECT_EQ(picked, (std::set<tObjectPtr>{gem1, gem2}));

  run("set=chosen,7;objectbymission=chosen,empty;obym=chosen,nosuch;obym=,gems");
  EXPECT_EQ(value("chosen"), 7.0f);
  EXPECT_EQ(reports(), (std::vector<std::string>{"Command script: obym argument 2 'nosuch' names no mission"}));
}

TEST_F(PicActionsTest, SortOnTopDrawsThePicLastAndPutsItAtTheTopOfItsSet) {
  const auto first = box("first", 0, 0);
  box("second", 0, 0);
  run("sortontop=first");
  EXPECT_EQ(first->postdraw(), POSTDRAW_TOP);
  EXPECT_EQ(level->room->pics().order().back(), first);
  run("dpd=first");
  EXPECT_EQ(first->postdraw(), POSTDRAW_NORMAL);
  run("eud=first");
  EXPECT_EQ(first->postdraw(), POSTDRAW_UNDER);
  run("postdraw=first,3.9");
  EXPECT_EQ(first->postdraw(), 3);
}

TEST_F(PicActionsTest, PropertySwitchesFreezeBlockAndMoveTheOrigin) {
  const auto p = box("p", 0, 0);
  const tPicProperty& property = tPicProperty::Current();
  run("freezeobj=p;blockclick=2.5;originoff=1");
  EXPECT_TRUE(property.isHold(p.get()));
  EXPECT_EQ(property.isBlockClick(), 2);
  EXPECT_EQ(property.isOffset(), 0);
  run("unfreeze;blockclick=0;originoff=0");
  EXPECT_FALSE(property.isHolding());
  EXPECT_EQ(property.isBlockClick(), 0);
  EXPECT_EQ(property.isOffset(), 1);
}

}  // namespace vandrell

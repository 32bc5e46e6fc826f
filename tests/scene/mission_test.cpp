#include "scene/mission.h"

#include <gtest/gtest.h>

#include <limits>

#include "mission_test_support.h"
#include "scene/item_mission.h"
#include "scene/mission_book.h"
#include "scene/mission_property.h"
#include "scene_test_support.h"
#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

using tNotices = std::vector<std::string>;

class MissionTest : public SceneTest {
 protected:
  // A click on a pic of `missions`, as the level counts it.
  void click(const tMissionList& missions) { world.book.apply(tMissionBook::accepting(missions)); }
  tNotices notices() { return scene.level->takeNotices(); }

  tMissionWorld world;
};

TEST_F(MissionTest, EveryTagNamingAMissionCountsAndTheLastClickCompletesIt) {
  auto command = std::make_shared<tCountingCommand>();
  const tMissionPtr vase = world.book.add("vase", "textmission", {"", "gong"}, MissionParams(2), command);
  const tMissionList twice = world.book.count({"vase", "nosuch", "vase"});
  const tMissionList once = world.book.count({"vase"});
  ASSERT_EQ(twice, (tMissionList{vase, vase}));
  EXPECT_EQ(vase->getCount(), 5);
  for (int clicks = 0; clicks < 4; ++clicks) click(once);
  EXPECT_FALSE(vase->isComplete());
  // One pic carrying the tag twice counts for both tags at one click; here
  // the first tag finishes the mission.
  click(twice);
  EXPECT_TRUE(vase->isComplete());
  EXPECT_EQ(vase->getCount(), 0);
  EXPECT_EQ(command->plays, 1);
  EXPECT_EQ(world.sounds->played,
            (std::vector<std::string>{"get1 1.0", "get1 1.0", "get1 1.0", "get1 1.0", "get1 1.0", "gong 1.0"}));
  EXPECT_TRUE(tMissionBook::accepting(once).empty());
}

TEST_F(MissionTest, CompletionPlaysTheCommandOnceWithBothSoundsInOrder) {
  auto command = std::make_shared<tCountingCommand>();
  const tMissionPtr clock =
      world.book.add("clock", "textmission", {"tick=0.5", "fanfare"}, MissionParams(2), command);
  notices();
  click({clock});
  EXPECT_EQ(notices(), (tNotices{"counter clock=1"}));
  EXPECT_EQ(world.sounds->played, (std::vector<std::string>{"tick 0.5"}));
  click({clock});
  EXPECT_EQ(command->plays, 1);
  EXPECT_EQ(world.sounds->played, (std::vector<std::string>{"tick 0.5", "tick 0.5", "fanfare 1.0"}));
  // The level asks for the group check once per click, not the mission.
  EXPECT_EQ(notices(), (tNotices{"counter clock=0", "mutable", "clearcursor clock=0"}));
  click({clock});
  EXPECT_EQ(command->plays, 1);
  EXPECT_EQ(world.sounds->played.size(), 3u);

  // A script ending a mission asks for the check itself.
  const tMissionPtr door = world.text("door", 3);
  door->complete(1);
  EXPECT_EQ(notices(), (tNotices{"mutable", "clearcursor door=0", "groupcheck"}));
}

TEST_F(MissionTest, SoundFieldsChooseTheDefaultANamedSoundAtAVolumeOrSilence) {
  const auto sounds = [](const std::vector<std::string>& fields) {
    tMission mission;
    mission.loadSounds(fields);
    return std::vector<std::string>{mission.sound(tMission::SOUND_APPLY), mission.sound(tMission::SOUND_COMPLETE)};
  };
  using tPair = std::vector<std::string>;
  EXPECT_EQ(sounds({}), (tPair{"get1", ""}));
  EXPECT_EQ(sounds({" "}), (tPair{"get1", ""}));
  EXPECT_EQ(sounds({"0", "0"}), (tPair{"get1", "get1"}));
  EXPECT_EQ(sounds({"nosound", "-1"}), (tPair{"", ""}));
  EXPECT_EQ(sounds({"-1", ""}), (tPair{"", ""}));
  EXPECT_EQ(sounds({" bell = 0.5 ", "gong"}), (tPair{"bell", "gong"}));
  tMission bell;
  bell.loadSounds({"bell=0.5", "gong=x"});
  EXPECT_FLOAT_EQ(bell.volume(tMission::SOUND_APPLY), 0.5f);
  EXPECT_FLOAT_EQ(bell.volume(tMission::SOUND_COMPLETE), 0.0f) << "a volume that is no number";
}

TEST_F(MissionTest, WhileAnItemIsHeldOnlyItCountsClicks) {
  const tMissionPtr vase = world.text("vase");
  const auto wheel = world.item("wheel");
  const auto key = world.item("key");
  tMissionProperty& hand = tMissionProperty::Current();
  EXPECT_EQ(tMissionBook::accepting({vase, wheel, key}), (tMissionList{vase}));
  notices();
  hand.hold(wheel);
  EXPECT_EQ(tMissionBook::accepting({vase, wheel, key}), (tMissionList{wheel}));
  hand.hold(wheel);
  hand.hold(key);
  EXPECT_EQ(notices(), (tNotices{"mutable", "playcall wheel_on", "playcall wheel_off", "mutable", "playcall key_on"}));
  // Completing the held item puts it down without its "_off".
  click({key});
  EXPECT_FALSE(hand.isHolding());
  EXPECT_EQ(notices(), (tNotices{"counter key=0", "mutable", "mutable", "clearcursor key=0"}));
  EXPECT_EQ(tMissionBook::accepting({vase, wheel, key}), (tMissionList{vase}));
}

TEST_F(MissionTest, SystemMissionsTakeEveryClickForEverAndHintsSkipThemAndHiddenOnes) {
  world.book.addSystem("look", MissionParams(0));
  const tMissionPtr look = world.book.addSystem("look", MissionParams(0, true));
  const tMissionPtr secret = world.book.add("secret", "hidden", {}, MissionParams(1), nullptr);
  EXPECT_EQ(world.book.list(), (tMissionList{look, secret})) << "the later system record replaces the earlier";
  tMissionProperty::Current().hold(world.item("wheel"));
  for (int clicks = 0; clicks < 3; ++clicks) click({look});
  EXPECT_TRUE(look->test());
  EXPECT_FALSE(look->isComplete());
  EXPECT_FALSE(look->sosAvail());
  tMissionProperty::Current().hold(nullptr);
  EXPECT_TRUE(secret->test());
  EXPECT_FALSE(secret->sosAvail());
  EXPECT_EQ(world.book.add("secret", "textmission", {}, MissionParams(1), nullptr), nullptr) << "first one wins";
  EXPECT_EQ(world.book.add("odd", "sidequest", {}, MissionParams(1), nullptr), nullptr);
  EXPECT_EQ(world.book.find("odd"), nullptr);
}

TEST_F(MissionTest, ShowingHandsOutCursorAndCounterAndHidingTakesTheCursorBack) {
  const tMissionPtr vase = world.book.add("vase", "textmission", {}, MissionParams(2, true), nullptr);
  notices();
  vase->show(0);
  vase->enable(1);
  EXPECT_TRUE(notices().empty()) << "nothing changed";
  vase->show(1);
  EXPECT_EQ(notices(), (tNotices{"mutable", "cursor vase=2", "counter vase=2"}));
  vase->show(0);
  vase->enable(0);
  EXPECT_EQ(notices(), (tNotices{"mutable", "clearcursor vase=2", "mutable"}));
  EXPECT_EQ(vase->cursor(), -1) << "cursor code 0 in the file";
}

TEST_F(MissionTest, AnItemWithDecoysIsHintedOnceEnoughWereFound) {
  const auto wheel = world.item("wheel", 2);
  wheel->fake(3);
  wheel->addFake(2);
  EXPECT_FALSE(wheel->sosAvail());
  wheel->addFake(1);
  EXPECT_TRUE(wheel->sosAvail());
  wheel->fake(1);
  EXPECT_FALSE(wheel->sosAvail()) << "a new requirement starts over";
  wheel->addFake(std::numeric_limits<int32_t>::max());
  EXPECT_EQ(wheel->fakeCount(), std::numeric_limits<int32_t>::max());
  EXPECT_TRUE(wheel->isFakeComplete());
}

TEST_F(MissionTest, TheMissionPropertyObjectTellsScriptsWhetherAnItemIsHeld) {
  ZebScriptScope script;
  AddMissionPropertyOwners();
  script.book().set("hand", tExprObject::Create(tMissionProperty::shared()));
  const auto holding = [&] { return tExprBook::Current().property("hand", "holding")->ToNumber(); };
  EXPECT_EQ(holding(), 0.0f);
  tMissionProperty::Current().hold(world.item("wheel"));
  EXPECT_EQ(holding(), 1.0f);
}

}  // namespace

}  // namespace vandrell

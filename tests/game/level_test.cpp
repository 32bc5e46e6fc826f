// Levels from their files: the hand-written levels of tests/data/levels load
// into locations, pics, missions, commands and texts tied together by name.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/level.h"
#include "game/level_loader.h"
#include "game/level_test_support.h"
#include "gui/gui_test_support.h"
#include "hud/panel.h"
#include "hud/resist.h"
#include "hud/unibutton.h"
#include "scene/item_mission.h"
#include "scene/pic_anim.h"
#include "scene/pic_label.h"
#include "scene/pic_particle.h"
#include "scene/pic_text.h"
#include "script/condition.h"
#include "script/expr_book.h"
#include "support/manual_time.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

class LevelTest : public GuiTest {
 protected:
  std::shared_ptr<tLevel> load(const std::string& path) {
    auto level = world.load(path);
    tGui::Current().insert(level);
    return level;
  }

  template <class T = tPic>
  static std::shared_ptr<T> pic(const tLevel& level, const std::string& name) {
    const auto found = level.pics().find(name);
    return found == level.pics().end() ? nullptr : std::dynamic_pointer_cast<T>(found->second.lock());
  }
  static tCommandPtr command(const tLevel& level, const std::string& name) {
    const auto found = level.commands().find(name);
    return found == level.commands().end() ? nullptr : found->second.lock();
  }
  template <class Map>
  static std::vector<std::string> keys(const Map& map) {
    std::vector<std::string> names;
    for (const auto& [name, value] : map) names.push_back(name);
    return names;
  }
  static std::vector<std::string> ids(const tGuiSet& set) {
    std::vector<std::string> names;
    for (const auto& member : set.order()) names.push_back(member->id());
    return names;
  }
  static std::vector<std::string> ids(const tMissionList& missions) {
    std::vector<std::string> names;
    for (const auto& mission : missions) names.push_back(mission->id());
    return names;
  }
  static std::vector<std::string> names(const tLevel::tPicList& pics) {
    std::vector<std::string> names;
    for (const auto& ref : pics) names.push_back(ref.lock() ? ref.lock()->id() : "(gone)");
    return names;
  }

  tLevelWorld world;
};

using tRnds = std::vector<std::array<int32_t, 2>>;

}  // namespace

TEST_F(LevelTest, LocationsStackInTheirLayersUnderTheHudAndTheShade) {
  const auto level = load("basic");
  ASSERT_EQ(world.loaded, 1);
  EXPECT_EQ(keys(level->locations()), (std::vector<std::string>{"__sys0", "__sys1", "__sys2", "close", "room", "top"}));
  EXPECT_EQ(ids(level->layer0()), (std::vector<std::string>{"__sys0", "room", "close", "__sys1"}));
  EXPECT_EQ(ids(level->layer1()), (std::vector<std::string>{"top", "__sys2"}));
  const std::vector<const tGuiObject*> stacking = {&level->layer0(), &tUnibutton::Current(), &tResist::Current(),
                                                   &tPanel::Current(),
                                                   &level->txts(), &level->layer1(), &level->bg()};
  EXPECT_EQ(&tPanel::Current().items(), &level->items()) << "the panel shows the level's item row";
  ASSERT_EQ(level->order().size(), stacking.size());
  for (size_t i = 0; i < stacking.size(); ++i) EXPECT_EQ(level->order()[i].get(), stacking[i]) << i;
  EXPECT_EQ(level->bg().color()->a, 1.0f) << "a level starts black";

  const auto& locations = level->locations();
  EXPECT_EQ(locations.at("room")->getName(), "basic") << "the main location's folder is the level's";
  EXPECT_EQ(locations.at("close")->getName(), "basic/close");
  EXPECT_EQ(locations.at("__sys2")->getName(), "sys2");
  EXPECT_FALSE(locations.at("close")->isShow());
  EXPECT_TRUE(locations.at("close")->isEnable());
  EXPECT_TRUE(locations.at("top")->isShow());
  EXPECT_FALSE(locations.at("top")->isEnable());
  EXPECT_EQ(tAudio::Current().tracks(0), std::vector<std::string>{"theme"});
  EXPECT_EQ(world.problems(), std::vector<std::string>{});
}

TEST_F(LevelTest, WordAndParticlePicsAreMadeOfTheirKind) {
  const auto level = load("kinds");
  const tLocation& room = *level->locations().at("kinds");
  EXPECT_EQ(ids(room.pics()), (std::vector<std::string>{"caption", "note", "banner"}));
  EXPECT_TRUE(pic<tPicLabel>(*level, "caption")) << "a word list is made of label pics";
  EXPECT_TRUE(pic<tPicLeftText>(*level, "note"));
  EXPECT_TRUE(pic<tPicCenterText>(*level, "banner"));
  EXPECT_EQ(ids(room.particles()), std::vector<std::string>{"sparks"});
  EXPECT_TRUE(pic<tPicParticle>(*level, "sparks")) << "a particle pic without its file still takes its place";
}

TEST_F(LevelTest, PicsAreOfTheirKindInTheirLocationWithTheirCommandsAndMissions) {
  const auto level = load("basic");
  const tLocation& room = *level->locations().at("room");
  EXPECT_EQ(ids(room.pics()), (std::vector<std::string>{"bg", "key", "clock"}));
  EXPECT_EQ(ids(level->locations().at("close")->pics()), std::vector<std::string>{"lens"});
  EXPECT_FALSE(pic<tPicAnim>(*level, "bg"));
  ASSERT_TRUE(pic<tPicAnim>(*level, "clock"));
  EXPECT_EQ(pic<tPicAnim>(*level, "clock")->animVisual().getPixmap()->width, 8) << "cut into its cells";

  const auto key = pic<tPicImage>(*level, "key");
  ASSERT_TRUE(key);
  EXPECT_EQ(tExprBook::Current().get("key")->ToObject(), key) << "a pic is a script variable of its name";
  EXPECT_EQ(key->rnds(), (tRnds{{5, 40}, {30, 50}}));
  ASSERT_TRUE(key->poly());
  EXPECT_EQ(key->poly()->psets.size(), 3u);
  EXPECT_EQ(ids(key->missions()), (std::vector<std::string>{"find", "look"}));
  EXPECT_EQ(key->a(), command(*level, "key_a"));
  EXPECT_EQ(room.commands().find("key_a"), key->a()) << "click commands live in the pic's location";
  EXPECT_EQ(key->hidetype(), HIDETYPE_STAY);
  key->a()->start();
  key->a()->update(0.0f);
  EXPECT_EQ(TestActionLog(), std::vector<std::string>{"key,room"}) << "&me& and &locname& are filled in";

  const auto bg = pic<tPicImage>(*level, "bg");
  EXPECT_FALSE(bg->a());
  EXPECT_EQ(bg->fa(), command(*level, "bg_fa"));
  EXPECT_EQ(bg->hidetype(), HIDETYPE_SLOW);
  EXPECT_EQ(pic<tPicImage>(*level, "clock")->visual().color()->blend, LIGHTBLEND);
  const auto lens = pic<tPicImage>(*level, "lens");
  EXPECT_EQ(lens->hidetype(), HIDETYPE_NOW);
  EXPECT_EQ(lens->visual().color()->blend, SHADEBLEND);

  EXPECT_EQ(names(level->mtags().at("")), std::vector<std::string>{"bg"});
  EXPECT_EQ(names(level->mtags().at("find")), (std::vector<std::string>{"key", "clock"}));
  EXPECT_EQ(names(level->mtags().at("wheel")), std::vector<std::string>{"lens"});

  ASSERT_EQ(keys(level->txttags()), std::vector<std::string>{"welcome"});
  const auto note = level->txttags().at("welcome").front().lock();
  ASSERT_TRUE(note);
  EXPECT_EQ(level->txts().find("note"), note);
  EXPECT_FALSE(level->pics().count("note")) << "on-screen texts are no pics";
}

TEST_F(LevelTest, MissionsCountTheirPicsAndCarryCommandsItemsAndGroups) {
  const auto level = load("basic");
  const tMissionBook& book = level->missions();
  EXPECT_EQ(ids(book.list()), (std::vector<std::string>{"look", "use", "find", "wheel"}))
      << "system missions first, then file order";
  const auto find = book.find("find");
  EXPECT_EQ(find->getCount(), 2);
  EXPECT_EQ(find->cursor(), -3);
  EXPECT_EQ(find->sound(tMission::SOUND_APPLY), "ding");
  EXPECT_EQ(find->sound(tMission::SOUND_COMPLETE), "done");
  EXPECT_EQ(find->a(), command(*level, "find_ma"));
  EXPECT_EQ(level->sys0().commands().find("find_ma"), find->a());
  EXPECT_EQ(book.find("look")->getCount(), 1);

  const auto wheel = std::dynamic_pointer_cast<tItemMission>(book.find("wheel"));
  ASSERT_TRUE(wheel);
  EXPECT_FALSE(wheel->isShow());
  EXPECT_EQ(wheel->getCount(), 1);
  EXPECT_FALSE(wheel->a()) << "an empty command line is no command";
  const auto slot = level->items().item("wheel");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->getMission(), wheel);

  ASSERT_EQ(level->mgroups().size(), 1u);
  const auto& group = level->mgroups().front();
  EXPECT_EQ(ids(group->missions()), (std::vector<std::string>{"find", "wheel"}));
  EXPECT_EQ(group->a(), command(*level, "room(0)_mg")) << "named by the location and the record's byte position";
}

TEST_F(LevelTest, MessagesAndExtensionCommandsFollowTheirFiles) {
  const auto level = load("basic");
  EXPECT_EQ(keys(level->messages()), (std::vector<std::string>{"clue", "welcome", "wheel_name"}));
  EXPECT_EQ(level->messages().at("welcome")->getText(), (std::vector<std::string>{"Hello", "world"}));
  const auto& clue = level->messages().at("clue");
  EXPECT_TRUE(clue->getImage());
  EXPECT_EQ(clue->getScale(), 2.0f);
  EXPECT_EQ(clue->getOffset(), 5.0f);

  const auto start = command(*level, "start");
  ASSERT_TRUE(start);
  EXPECT_TRUE(start->isPlay()) << "started at once";
  start->update(0.0f);
  EXPECT_EQ(TestActionLog(), std::vector<std::string>{"start,room"}) << "&cmd& and &locname& are filled in";
  const auto condition = std::dynamic_pointer_cast<tCondition>(command(*level, "room(72)_cond"));
  ASSERT_TRUE(condition) << "named by the byte position of its directive";
  const auto idle = command(*level, "idle");
  ASSERT_TRUE(idle);
  EXPECT_FALSE(idle->isEnable());

  ASSERT_EQ(keys(level->cgroups()), std::vector<std::string>{"doors"});
  level->cgroups().at("doors")->enable(0);
  EXPECT_FALSE(start->isEnable());
  EXPECT_FALSE(condition->isEnable());
  level->cgroups().at("doors")->enable(1);
  EXPECT_FALSE(idle->isEnable()) << "closed before it";
}

TEST_F(LevelTest, ShapeLinesTagsAndMessageLinesAtTheirEdges) {
  const auto level = load("edge");
  EXPECT_EQ(pic(*level, "one")->rnds(), (tRnds{{1, 42}})) << "an empty shape line: the record's own position";
  EXPECT_EQ(pic(*level, "two")->rnds(), (tRnds{{10, 60}, {3, 44}}));
  EXPECT_EQ(pic(*level, "three")->rnds(), (tRnds{{5, 46}})) << "the single entry is replaced";
  EXPECT_FALSE(pic<tPicImage>(*level, "one")->poly());
  const auto sep = pic<tPicImage>(*level, "sep");
  ASSERT_TRUE(sep->poly()) << "the separator alone gives a polygon";
  EXPECT_TRUE(sep->poly()->psets.empty());
  EXPECT_FALSE(sep->visual().hovering(7.0f, 18.0f)) << "which nothing is ever inside";

  EXPECT_EQ(level->missions().find("m")->getCount(), 5) << "one, two, three, and twice twice";
  EXPECT_EQ(ids(pic(*level, "twice")->missions()), (std::vector<std::string>{"m", "m"}));
  EXPECT_EQ(names(level->mtags().at("")), (std::vector<std::string>{"untagged", "far"}));
  EXPECT_TRUE(pic(*level, "untagged")->missions().empty());
  EXPECT_EQ(names(level->mtags().at("nothing")), std::vector<std::string>{"sep"}) << "listed without a mission";

  EXPECT_EQ(keys(level->messages()), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(level->messages().at("first")->getText(), std::vector<std::string>{"One"});
}

TEST_F(LevelTest, ConditionsReplaceAndAndOrEvenInsideNames) {
  const auto level = load("edge");
  std::vector<std::shared_ptr<tCondition>> conditions;
  for (const auto& [name, ref] : level->commands()) {
    if (auto condition = std::dynamic_pointer_cast<tCondition>(ref.lock())) conditions.push_back(condition);
  }
  ASSERT_EQ(conditions.size(), 3u) << "identical directives at different positions are different records";
  tExprBook& book = tExprBook::Current();
  book.set("b", tExprNumber::Create(2.0f));
  book.set("x", tExprNumber::Create(3.0f));
  book.set("do", tExprNumber::Create(0.0f));
  for (const auto& condition : conditions) condition->check();
  std::vector<std::string> fired = TestActionLog();
  std::sort(fired.begin(), fired.end());
  EXPECT_EQ(fired, (std::vector<std::string>{"band", "door", "door"})) << "bandx reads b*x, doorx reads do+x";
}

TEST_F(LevelTest, MissionsExistBeforeAnyPicNamesOne) {
  const auto level = load("order");
  ASSERT_EQ(world.loaded, 1);
  const auto late = level->missions().find("late");
  ASSERT_TRUE(late) << "defined in a location loaded after the one that tags it";
  EXPECT_EQ(late->getCount(), 1);
  EXPECT_EQ(ids(pic(*level, "early")->missions()), std::vector<std::string>{"late"});
}

TEST_F(LevelTest, MissingFilesLeaveTheRestOfTheLevel) {
  const auto single = load("oneline");
  EXPECT_EQ(world.loaded, 1);
  EXPECT_EQ(keys(single->locations()), (std::vector<std::string>{"__sys0", "__sys1", "__sys2", "single"}));
  EXPECT_TRUE(world.log.contains("Can't load pics for oneline (single)."));
  EXPECT_TRUE(world.log.contains(" Can't load extensions commands for oneline (single)."));
  EXPECT_TRUE(world.log.contains("System missions loaded."));
  EXPECT_FALSE(single->missions().list().empty()) << "the shared system missions still load";
  EXPECT_EQ(world.problems(), std::vector<std::string>{});
  single->clear();

  const auto none = load("nowhere");
  EXPECT_EQ(world.loaded, 0);
  EXPECT_EQ(keys(none->locations()), std::vector<std::string>{"__sys0"});
  EXPECT_EQ(world.problems(),
            std::vector<std::string>{"locations/nowhere/location.cfg: level> Can't load the level's locations!"});
}

TEST_F(LevelTest, BadRecordsAreReportedWhereTheyAreAndSkipped) {
  const auto level = load("broken");
  const std::string numbers = "400,300,1,1,0,0,255,255,255,255,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
  EXPECT_EQ(world.problems(),
            (std::vector<std::string>{
                "locations/broken/missions.cfg:1: level> Undefined type for mission: typo!",
                "locations/broken/mission_groups.cfg:1: level> Mission group broken(0) names no mission missing!",
                "locations/broken/objects.cfg:1: level> Undefined type for object: weird!",
                "locations/broken/objects.cfg:13: undef: frobnicate=1",
                "locations/broken/objects.cfg:17: level> Can't load the image basic/nowhere.png of object ghost!",
                "locations/broken/objects.cfg:22: level> Object name after is taken; the object is skipped!",
                "locations/broken/objects.cfg:29: level> \"" + numbers +
                    "\" looks like a parameter record where a pic's name belongs: are the records out of step?",
                "locations/broken/objects.cfg:29: level> Undefined type for object: " + numbers + "!",
                "locations/broken/extcommands.cfg:1: level> \"comand x;1\" is no directive; it is ignored!",
                "locations/broken/extcommands.cfg:2: level> \"rec=x\" is no directive; it is ignored!",
            }));
  EXPECT_EQ(level->missions().find("fixed")->getCount(), 1) << "the records after a bad one stay in step";
  EXPECT_EQ(pic(*level, "after")->rnds(), (tRnds{{2, 2}})) << "the first of two pics of a name stays";
  EXPECT_TRUE(pic(*level, "ghost")) << "a pic without its image is still there";
  EXPECT_TRUE(command(*level, "y"));
}

TEST_F(LevelTest, AClearedAndFreedLevelLeavesNothingAlive) {
  auto level = load("basic");
  std::vector<std::weak_ptr<void>> loaded;
  for (const auto& [name, ref] : level->pics()) loaded.push_back(ref.lock());
  for (const auto& [name, ref] : level->commands()) loaded.push_back(ref.lock());
  for (const auto& [id, mission] : level->missions().missions()) loaded.push_back(mission);
  for (const auto& [id, location] : level->locations()) loaded.push_back(location);
  for (const auto& [key, message] : level->messages()) loaded.push_back(message);
  for (const auto& [name, group] : level->cgroups()) loaded.push_back(group);
  for (const auto& group : level->mgroups()) loaded.push_back(group);
  for (const auto& member : level->txts().order()) loaded.push_back(member);
  for (const auto& member : level->items().order()) loaded.push_back(member);
  loaded.push_back(level);
  ASSERT_GT(loaded.size(), 20u);
  level->clear();
  level->free();
  level.reset();
  for (size_t i = 0; i < loaded.size(); ++i) EXPECT_TRUE(loaded[i].expired()) << i;
}

TEST_F(LevelTest, TheLoadingScreenIsCalledBetweenFilesAndRecords) {
  const auto level = load("basic");
  // One call at each file of the system missions, five files for each of the
  // six locations, one before each of the five pics, one at the end.
  EXPECT_EQ(world.loading.calls, 1 + 5 * 6 + 5 + 1);
}

namespace {

// A load whose every step takes 40 ms.
class tSlowProgressLoading : public tProgressLoading {
 public:
  explicit tSlowProgressLoading(TManualClock& clock) : _clock(clock) {}
  void interrupt() override {
    _clock.advance(40);
    tProgressLoading::interrupt();
  }

 private:
  TManualClock& _clock;
};

class LevelLoadingTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    SetPresentHook([](void* presents) { ++*static_cast<int32_t*>(presents); }, &presents);
  }
  void TearDown() override {
    SetPresentHook(nullptr, nullptr);
    RenderTest::TearDown();
  }

  ManualTime time;
  tLevelWorld world;
  int32_t presents = 0;
};

}  // namespace

TEST_F(LevelLoadingTest, TheLoadingScreenPresentsFramesWhileALevelLoads) {
  tSlowProgressLoading loading(time.clock);
  ASSERT_EQ(presents, 1);
  tLevel level;
  ASSERT_EQ(tLevelLoader(level).load("basic", loading), 1);
  // 37 steps of 40 ms are 1.48 s: the 10 frames per second animation moves
  // on 14 times (give or take the rounding of its clock).
  EXPECT_NEAR(presents - 1, 14, 1);
  level.clear();
}

}  // namespace vandrell

// Script actions on the panel's item missions: the slot's text, the decoys,
// and dropping the held item.
#include "scene/item_mission_actions.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "scene/mission_property.h"
#include "scene_test_support.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "support/run_script.h"
#include "script/zeb_script_scope.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

// The level's lookup of missions by name.
class tMissionIndex : public tGuiObject {
  VANDRELL_GUI_HOOKS(tMissionIndex, tGuiObject, &tMissionIndex::M_MISSION_FIND)

 public:
  virtual int32_t M_MISSION_FIND(vandrell::M_MISSION_FIND& msg) {
    const auto found = missions.find(msg.input());
    if (found != missions.end()) msg.answer(found->second);
    return 0;
  }

  std::map<std::string, tMissionPtr> missions;
};

class ItemMissionActionsTest : public SceneTest {
 protected:
  ItemMissionActionsTest() {
    RegisterItemMissionActions();
    tGui::Current().insert(index);
    tGui::Current().insert(commands);
  }

  template <class Mission>
  std::shared_ptr<Mission> mission(const std::string& name) {
    auto made = std::make_shared<Mission>();
    made->loadId(name);
    made->loadParams({"0", "0", "1"});
    index->missions[name] = made;
    return made;
  }
  void run(const std::string& text) { RunScript(*commands, text); }

  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  LogCapture log;
  std::shared_ptr<tMissionIndex> index = std::make_shared<tMissionIndex>();
  std::shared_ptr<tGuiSet> commands = std::make_shared<tGuiSet>();
};

}  // namespace

TEST_F(ItemMissionActionsTest, DecoysAndTheSlotTextOfAnItemMission) {
  const auto key = mission<tItemMission>("key");
  run("setmaxfakecounter=key,3.9;addfakecounter=key,2");
  EXPECT_EQ(key->getFake(), 3);
  EXPECT_EQ(key->fakeCount(), 2);
  EXPECT_FALSE(key->isFakeComplete());
  run("addfakecounter=key,1");
  EXPECT_TRUE(key->isFakeComplete());
  run("setmaxfakecounter=key,5");
  EXPECT_FALSE(key->isFakeComplete()) << "a new requirement starts over";

  run("txtmission=key,locked");
  EXPECT_TRUE(key->isMessage());
  run("txtmission=key,");
  EXPECT_FALSE(key->isMessage());
}

TEST_F(ItemMissionActionsTest, OtherMissionsAreLeftAloneAndDropitemEmptiesTheHand) {
  mission<tMission>("plain");
  run("setmaxfakecounter=plain,2;txtmission=plain,x;addfakecounter=ghost,1");
  EXPECT_TRUE(log.contains("plain")) << "the slip is reported";

  const auto key = mission<tItemMission>("key");
  tMissionProperty::Current().hold(key);
  ASSERT_TRUE(tMissionProperty::Current().isHolding());
  run("dropitem");
  EXPECT_FALSE(tMissionProperty::Current().isHolding());
}

}  // namespace vandrell

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/pause_owners.h"
#include "gui_test_support.h"

namespace vandrell {

namespace {

// A scene layer: owns its members, keeps the pausers by identity.
class tLayer : public tGuiSet {
  VANDRELL_GUI_HOOKS(tLayer, tGuiSet)

 public:
  tPauseOwners pauses;
};

// A scene object with every kind of back reference a level object keeps.
class tSceneObject : public tGuiObject {
  VANDRELL_GUI_HOOKS(tSceneObject, tGuiObject)

 public:
  std::weak_ptr<tLayer> location;
  std::vector<std::weak_ptr<tSceneObject>> attached;
  std::vector<std::string> missions;  // by name
};

// A text that knows its level and pauses a layer while it shows.
class tShownText : public tGuiObject {
  VANDRELL_GUI_HOOKS(tShownText, tGuiObject)

 public:
  std::weak_ptr<tGuiSet> level;
};

using OwnershipTest = GuiTest;

}  // namespace

TEST_F(OwnershipTest, FreeingALevelDestroysEveryObjectDespiteBackReferences) {
  std::vector<std::weak_ptr<tGuiObject>> alive;
  {
    auto level = std::make_shared<tGuiSet>();
    auto scene = std::make_shared<tLayer>();
    auto closeUp = std::make_shared<tLayer>();
    level->insert(scene, "scene");
    level->insert(closeUp, "close-up");
    auto clock = std::make_shared<tSceneObject>();
    auto key = std::make_shared<tSceneObject>();
    scene->insert(clock, "clock");
    closeUp->insert(key, "key");
    // Each pic points back at its location, the clock and the key at each
    // other across locations, and both name a mission.
    clock->location = scene;
    key->location = closeUp;
    clock->attached.push_back(key);
    key->attached.push_back(clock);
    clock->missions = {"find_key"};
    key->missions = {"find_key"};
    auto text = std::make_shared<tShownText>();
    level->insert(text, "text");
    text->level = level;
    scene->pauses.pause(true, text.get());
    tGui::Current().insert(level, "level");
    alive = {level, scene, closeUp, clock, key, text};
    level->free();
  }
  for (const auto& object : alive) EXPECT_TRUE(object.expired());
  EXPECT_EQ(tGui::Current().objects().find("level"), nullptr);
}

}  // namespace vandrell

#include "scene/item.h"

#include <gtest/gtest.h>

#include "mission_test_support.h"
#include "scene/item_art.h"
#include "scene/item_layer.h"
#include "scene/mission_property.h"
#include "scene_test_support.h"

namespace vandrell {

namespace {

using tNotices = std::vector<std::string>;

// Every option of the configuration as "section/name=value" lines.
std::string ConfigText(const tConfigBase& cfg) {
  std::string text;
  for (const std::string& section : cfg.Sections()) {
    for (const std::string& name : cfg.Options(section)) {
      text += section + "/" + name + "=" + cfg.GetString(section, name, "") + "\n";
    }
  }
  return text;
}

// Slots of a row in a scene, with cushions of 64 x 64 units and a level that
// writes down what the row tells it.
class ItemTest : public SceneTest {
 protected:
  ItemTest() { tGui::Current().insert(row); }

  // The slot of a new item mission with one thing to find.
  tItemPtr slot(const std::string& id, bool hidden = false) {
    return row->add(world.item(id, 1, hidden), TPixmap::Create(8, 8), 1.0f);
  }
  static void settle() {
    for (int frames = 0; frames < 40; ++frames) frame(0.1f);
  }
  // The slot centres from the left, of the slots in view.
  std::vector<float> places() const {
    std::vector<float> x;
    for (const auto& member : row->order()) {
      const auto item = std::dynamic_pointer_cast<tItem>(member);
      if (item->isVisible()) x.push_back(item->h());
    }
    return x;
  }
  static std::any pressAnywhere(int32_t button) {
    GUIMSG_MOUSEDOWN press;
    return tGuiObject::send(press, tIntArray{button});
  }
  tNotices notices() { return scene.level->takeNotices(); }

  static std::shared_ptr<tItemArt> cushions() {
    auto art = std::make_shared<tItemArt>();
    art->bg = TImage::Create(64, 64);
    art->hover = TImage::Create(64, 64);
    art->border = TImage::Create(84, 84);
    return art;
  }

  tCurrentScope<tItemArt> art{cushions()};
  tMissionWorld world;
  std::shared_ptr<tItemLayer> row = std::make_shared<tItemLayer>();
};

TEST_F(ItemTest, ShownSlotsTakeTheirPlacesAndCloseRanksWhenAMiddleOneIsDone) {
  const tItemPtr a = slot("a");
  const tItemPtr b = slot("b", true);
  const tItemPtr c = slot("c");
  settle();
  EXPECT_EQ(places(), (std::vector<float>{50, 120}));
  EXPECT_FLOAT_EQ(c->v(), 560.0f);
  world.book.find("b")->show(1);
  settle();
  EXPECT_EQ(places(), (std::vector<float>{50, 120, 190}));

  world.book.find("b")->complete(0);
  frame(0.25f);
  EXPECT_FLOAT_EQ(c->h(), 155.0f) << "half way to the place b leaves";
  EXPECT_FLOAT_EQ(b->v(), 610.0f) << "half way down";
  frame(0.25f);
  EXPECT_EQ(places(), (std::vector<float>{50, 120}));
  EXPECT_FALSE(b->isVisible());
  EXPECT_FLOAT_EQ(a->h(), 50.0f);
}

TEST_F(ItemTest, TheFirstButtonTakesAnItemUpAndTheSecondOrTheSlotAgainPutsItDown) {
  const tItemPtr wheel = slot("wheel");
  settle();
  notices();
  pointAt(50, 530);
  press(1);
  EXPECT_TRUE(tMissionProperty::Current().isHold(wheel->getMission().get()));
  EXPECT_EQ(notices(), (tNotices{"mutable", "playcall wheel_on"}));
  frame(0.1f);
  EXPECT_FLOAT_EQ(wheel->v(), 555.0f);
  frame(0.1f);
  EXPECT_FLOAT_EQ(wheel->v(), 550.0f) << "raised by 10 within 0.2 seconds";

  pointAt(400, 100);
  const std::any taken = pressAnywhere(2);
  ASSERT_TRUE(taken.has_value());
  EXPECT_EQ(std::any_cast<std::shared_ptr<tGuiObject>>(taken), wheel);
  EXPECT_FALSE(tMissionProperty::Current().isHolding());
  EXPECT_EQ(notices(), (tNotices{"playcall wheel_off", "mutable"}));
  EXPECT_FALSE(pressAnywhere(2).has_value()) << "with nothing held the press passes";

  pointAt(50, 530);
  press(1);
  press(1);
  EXPECT_FALSE(tMissionProperty::Current().isHolding());
  frame(0.2f);
  EXPECT_FLOAT_EQ(wheel->v(), 560.0f);
}

TEST_F(ItemTest, AMessageOrMissingDecoysAnswerTheClickInsteadOfTakingTheItemUp) {
  const tItemPtr letter = slot("letter");
  const tItemPtr wheel = slot("wheel");
  letter->getMission()->message("t_sealed");
  wheel->getMission()->fake(2);
  settle();
  notices();
  pointAt(50, 530);
  press(1);
  EXPECT_EQ(scene.level->commands, (std::vector<std::string>{"txtmm=t_sealed"}));
  pointAt(120, 530);
  press(1);
  EXPECT_EQ(notices(), (tNotices{"playcall __fakemission"}));
  wheel->getMission()->addFake(2);
  press(1);
  EXPECT_TRUE(tMissionProperty::Current().isHold(wheel->getMission().get()));
}

TEST_F(ItemTest, TheCaptionComesFromTheMessageTableAndGivesWayWhileTheItemIsHeld) {
  scene.level->messages["wheel_name"] = tMessage::Create("The golden wheel[br]of the clock");
  const tItemPtr wheel = slot("wheel");
  const tItemPtr key = slot("key");
  EXPECT_EQ(wheel->getComment(), "The golden wheel of the clock");
  EXPECT_EQ(key->getComment(), "");
  tMissionProperty::Current().hold(wheel->getMission());
  EXPECT_EQ(wheel->getComment(), "");
  EXPECT_EQ(row->add(world.item("wheel2"), nullptr, 1.0f)->getComment(), "");
  EXPECT_EQ(row->add(wheel->getMission(), nullptr, 1.0f), nullptr) << "one slot per mission";
}

TEST_F(ItemTest, MissionsAndTheRowRoundTripThroughASaveMidAnimation) {
  scene.putImage("glove.png", 6, 4, {0xFF806040});
  const auto glove = scene.load<tPicImage>("glove", "glove.png", Record(300, 200));
  tGui::Current().insert(glove, "glove");
  // Builds a level's missions and row from the same records.
  struct tBuiltLevel {
    tMissionWorld world;
    std::shared_ptr<tItemLayer> row = std::make_shared<tItemLayer>();
    tMissionPtr vase = world.text("vase", 3);
    tItemPtr wheel = row->add(world.item("wheel", 2), TPixmap::Create(8, 8), 0.5f);
    tItemPtr cap = row->add(world.item("cap", 1), TPixmap::Create(8, 8), 0.5f);
    tItemPtr key = row->add(world.item("key", 1, true), TPixmap::Create(8, 8), 0.5f);

    void save(tConfig& cfg) const {
      world.book.saveInstant(cfg);
      row->saveInstant(cfg, "item=");
    }
    std::string save() const {
      tConfig cfg;
      save(cfg);
      return ConfigText(cfg);
    }
  };
  tBuiltLevel played;
  tGui::Current().insert(played.row);
  frame(0.3f);
  played.wheel->dragIcon(glove);
  std::dynamic_pointer_cast<tItemMission>(played.world.book.find("wheel"))->fake(3);
  std::dynamic_pointer_cast<tItemMission>(played.world.book.find("wheel"))->addFake(1);
  played.world.book.apply({played.cap->getMission()});
  played.world.book.apply({played.vase});
  tMissionProperty::Current().hold(played.wheel->getMission());
  frame(0.1f);
  tConfig cfg;
  played.save(cfg);
  tMissionProperty::Current().saveInstant(cfg, "mission_property=");

  tBuiltLevel restored;
  tGui::Current().insert(restored.row);
  restored.world.book.loadInstant(cfg);
  restored.row->loadInstant(cfg, "item=");
  tMissionProperty::Current().loadInstant(cfg, "mission_property=");
  EXPECT_NE(played.save().find("item=wheel/drag=glove"), std::string::npos);
  EXPECT_EQ(restored.save(), played.save());
  EXPECT_EQ(restored.world.book.list(),
            (tMissionList{restored.vase, restored.cap->getMission(), restored.wheel->getMission(),
                          restored.key->getMission()}));

  // Restored with empty hands, both rows come to rest alike.
  settle();
  for (const auto& [a, b] : {std::pair{played.wheel, restored.wheel}, {played.cap, restored.cap},
                             {played.key, restored.key}}) {
    EXPECT_EQ(b->isVisible(), a->isVisible()) << a->id();
    if (!a->isVisible()) continue;
    EXPECT_FLOAT_EQ(b->h(), a->h()) << a->id();
    EXPECT_FLOAT_EQ(b->v(), a->v()) << a->id();
  }
  EXPECT_FLOAT_EQ(restored.wheel->h(), 50.0f);
  EXPECT_FALSE(restored.cap->isVisible());
}

}  // namespace

}  // namespace vandrell

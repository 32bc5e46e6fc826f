#include "scene/location.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/config.h"
#include "scene/location_layer.h"
#include "scene/pic_image.h"
#include "scene_test_support.h"

namespace vandrell {

namespace {

class LocationTest : public SceneTest {
 protected:
  LocationTest() { tGui::Current().insert(layer, "layer0"); }

  std::shared_ptr<tLocation> location(const std::string& id) {
    auto made = std::make_shared<tLocation>();
    layer->insert(made, id);
    return made;
  }
  std::shared_ptr<tTracePic> tracePic(tLocation& where, const std::string& name, int32_t postdraw = 0) {
    auto pic = std::make_shared<tTracePic>(name, trace, postdraw);
    where.pics().insert(pic, name);
    return pic;
  }
  // What reaches the pics in one frame with a click on the pointer.
  tTrace oneFrame() {
    trace.clear();
    frame(0.1f);
    press(1);
    tGuiObject::send(M_PIC_MUTABLE{});
    tGui::Current().render();
    return trace;
  }
  static tTrace names(const tGuiSet& set) {
    tTrace list;
    for (const auto& member : set.order()) list.push_back(member->id());
    return list;
  }

  tTrace trace;
  std::shared_ptr<tLocationLayer> layer = std::make_shared<tLocationLayer>();
};

const tTrace LIVING = {"p:UPDATE", "p:HOVER", "p:TREAT", "p:MOUSEDOWN", "p:MUTABLE", "p:RENDER"};

}  // namespace

TEST_F(LocationTest, PassesDrawUnderAndOverAcrossTheLocationsOfALayer) {
  auto room = location("room");
  auto closeUp = location("close_up");
  tracePic(*room, "room_normal", POSTDRAW_NORMAL);
  tracePic(*room, "room_over", POSTDRAW_OVER);
  tracePic(*closeUp, "close_under", POSTDRAW_UNDER);
  tracePic(*closeUp, "close_top", POSTDRAW_TOP);
  tracePic(*closeUp, "close_normal", POSTDRAW_NORMAL);
  tracePic(*room, "room_top", POSTDRAW_TOP);
  tGui::Current().render();
  EXPECT_EQ(trace, (tTrace{"close_under:RENDER", "room_normal:RENDER", "close_normal:RENDER", "room_over:RENDER",
                           "room_top:RENDER", "close_top:RENDER"}));
}

TEST_F(LocationTest, AHiddenLocationReceivesNothingADisabledOneIsDrawnButFrozen) {
  auto room = location("room");
  tracePic(*room, "p");
  pointAt(1, 1);
  EXPECT_EQ(oneFrame(), LIVING);
  room->enable(0);
  EXPECT_EQ(oneFrame(), (tTrace{"p:RENDER"}));
  room->show(0);
  room->enable(1);
  EXPECT_EQ(oneFrame(), tTrace{});
  room->show(1);
  EXPECT_EQ(oneFrame(), LIVING);
}

TEST_F(LocationTest, ChangingAFlagRefreshesTheMembersAndTellsEveryPicOnce) {
  auto room = location("room");
  tracePic(*room, "p");
  room->show(0);
  EXPECT_EQ(trace, tTrace{}) << "hidden members get neither the refresh nor the news";
  const int mutables = scene.level->mutables;
  room->show(0);
  EXPECT_EQ(scene.level->mutables, mutables) << "hiding twice tells once";
  room->show(1);
  EXPECT_EQ(trace, (tTrace{"p:UPDATE", "p:MUTABLE"}));
  EXPECT_EQ(scene.level->mutables, mutables + 1);

  tConfig save;
  room->enable(0);
  room->saveInstant(save, "location=room");
  auto restored = location("restored");
  tracePic(*restored, "q");
  trace.clear();
  restored->loadInstant(save, "location=room");
  EXPECT_EQ(trace, tTrace{}) << "restoring refreshes and tells nothing";
  EXPECT_EQ(restored->isShow(), 1);
  EXPECT_EQ(restored->isEnable(), 0);
  EXPECT_EQ(oneFrame(), (tTrace{"p:RENDER", "q:RENDER"}));
}

TEST_F(LocationTest, APausedLayerStillDrawsAndTakesThePointerButTimeStands) {
  auto room = location("room");
  tracePic(*room, "p");
  pointAt(1, 1);
  const int menu = 0, dialog = 0;
  layer->pause(1, &menu);
  layer->pause(1, &dialog);
  layer->pause(1, &dialog);
  tTrace paused = LIVING;
  paused.erase(paused.begin());
  EXPECT_EQ(oneFrame(), paused);
  layer->pause(0, &menu);
  EXPECT_TRUE(layer->isPause()) << "the dialog still holds it";
  EXPECT_EQ(oneFrame(), paused);
  layer->pause(0, &dialog);
  EXPECT_FALSE(layer->isPause());
  EXPECT_EQ(oneFrame(), LIVING);
}

TEST_F(LocationTest, PausedLayerFreezesTweensWhileTheScriptedPicStillHovers) {
  scene.putImage("box.png", 20, 20, {0xFFFFFFFF});
  auto room = location("room");
  auto pic = scene.load<tPicImage>("box", "box.png", Record(100, 130));
  room->pics().insert(pic, "box");
  pic->zeb_alphing(0, 1);
  layer->pause(1, this);
  frame(0.5f);
  pointAt(100, 100);
  EXPECT_FLOAT_EQ(pic->zeb_property_alpha(), 1);
  EXPECT_TRUE(pic->visual().isHover());
  layer->pause(0, this);
  frame(0.5f);
  EXPECT_FLOAT_EQ(pic->zeb_property_alpha(), 0.5f);
}

TEST_F(LocationTest, RestoredStackingKeepsThePicsAndDropsWhatTheOrderDoesNotName) {
  auto room = location("room");
  auto a = tracePic(*room, "a"), b = tracePic(*room, "b"), c = tracePic(*room, "c");
  tConfig save;
  room->savePics(save, "pic_order=room");
  room->pics().toBottom("c");
  room->pics().insert(std::make_shared<tTracePic>("new", trace, 0), "new");
  save.SetString("pic_order=room", "1", "renamed");
  room->loadPics(save, "pic_order=room");
  EXPECT_EQ(names(room->pics()), (tTrace{"a", "c"})) << "\"b\" was renamed away, \"new\" never saved";
  EXPECT_EQ(room->pics().find("a"), a);
  EXPECT_EQ(room->pics().find("c"), c);
}

TEST_F(LocationTest, FadeTurnsEveryPictureOutOverTwentyTicks) {
  scene.putImage("box.png", 2, 2, {0xFFFFFFFF});
  auto room = location("room");
  auto first = scene.load<tPicImage>("first", "box.png", Record(0, 0));
  auto second = scene.load<tPicImage>("second", "box.png", Record(0, 0, {{6, "128"}}));
  room->pics().insert(first, "first");
  room->pics().insert(second, "second");
  tracePic(*room, "trace");
  room->fade();
  frame(0.2f);
  EXPECT_FLOAT_EQ(first->zeb_property_alpha(), 0.5f);
  frame(0.2f);
  EXPECT_EQ(first->zeb_property_alpha(), 0);
  frame(0.1f);
  EXPECT_EQ(second->zeb_property_alpha(), 0) << "from half opaque, in the same time";
  EXPECT_TRUE(room->isShow());
}

TEST_F(LocationTest, ALocationOwnsItsPicsAndNoReferenceBetweenPicsKeepsOneAlive) {
  scene.putImage("box.png", 2, 2, {0xFFFFFFFF});
  std::weak_ptr<tPicImage> a, b;
  std::weak_ptr<tLocation> watch;
  {
    auto room = location("room");
    auto first = scene.load<tPicImage>("a", "box.png", Record(0, 0));
    auto second = scene.load<tPicImage>("b", "box.png", Record(0, 0));
    room->pics().insert(first, "a");
    room->pics().insert(second, "b");
    first->zeb_link(second);
    second->zeb_link(first);
    tPicProperty::Current().hold(first);
    a = first;
    b = second;
    watch = room;
    room->clear();
    EXPECT_TRUE(room->order().empty());
    EXPECT_TRUE(room->pics().order().empty());
    room->free();
  }
  EXPECT_TRUE(watch.expired());
  EXPECT_TRUE(a.expired());
  EXPECT_TRUE(b.expired());
  tPicProperty::Current().layoutAttach();
  EXPECT_FALSE(tPicProperty::Current().isHolding()) << "a held pic that is gone holds nothing";
}

}  // namespace vandrell

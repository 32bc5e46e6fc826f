#include "scene/pic_image.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/random.h"
#include "resources/config.h"
#include "scene_test_support.h"

namespace vandrell {

namespace {

class PicImageTest : public SceneTest {
 protected:
  PicImageTest() {
    scene.putImage("box.png", 20, 10, {0xFF808080});
    // Logical positions equal design positions unless a test wants the offset.
    tPicProperty::Current().offset(0);
  }

  // A 20 x 10 grey box at (x, y), in the GUI under its name.
  std::shared_ptr<tPicImage> box(const std::string& name, int32_t x, int32_t y,
                                 const std::map<size_t, std::string>& changes = {}) {
    auto pic = scene.load<tPicImage>(name, "box.png", Record(x, y, changes));
    tGui::Current().insert(pic, name);
    return pic;
  }
};

// Every value a save keeps, read from the pic and its visual.
std::vector<float> state(tPicImage& pic) {
  const tGuiImage& v = pic.visual();
  const tColorf& c = *v.color();
  return {c.a,      c.r,      c.g,         c.b,         v.h(),
          v.v(),    v.l(),    v.t(),       v.angle(),   v.hHotspot(),
          v.vHotspot(), static_cast<float>(pic.getCursor()), static_cast<float>(pic.isShow()),
          static_cast<float>(pic.isEnable()), static_cast<float>(pic.postdraw()), pic.zeb_property_a0()};
}

}  // namespace

TEST_F(PicImageTest, RecordGivesPositionPivotScaleAngleColourAndHovering) {
  tPicProperty::Current().offset(1);
  auto pic = box("lamp", 100, 200,
                 {{2, "2"}, {3, "1.5"}, {4, "30"}, {6, "128"}, {7, "255"}, {8, "51"}, {9, "0"}, {12, "4"}, {13, "-2"},
                  {28, "7"}, {29, "9"}});
  const tGuiImage& v = pic->visual();
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 100);
  EXPECT_FLOAT_EQ(pic->zeb_property_y(), 200);
  EXPECT_FLOAT_EQ(v.h(), 104) << "the visual stands at x + ox + the origin offset";
  EXPECT_FLOAT_EQ(v.v(), 200 - 2 - 30);
  EXPECT_FLOAT_EQ(v.hHotspot(), 0.5f + 4.0f / 20);
  EXPECT_FLOAT_EQ(v.vHotspot(), 0.5f - 2.0f / 10);
  EXPECT_FLOAT_EQ(v.l(), 40);
  EXPECT_FLOAT_EQ(v.t(), 15);
  EXPECT_FLOAT_EQ(pic->zeb_property_sx(), 2);
  EXPECT_FLOAT_EQ(pic->zeb_property_sy(), 1.5f);
  EXPECT_FLOAT_EQ(pic->zeb_property_rot(), 30);
  EXPECT_FLOAT_EQ(v.color()->a, 128.0f / 255);
  EXPECT_FLOAT_EQ(v.color()->g, 0.2f);
  EXPECT_FLOAT_EQ(pic->zeb_property_xsos(), 7);
  EXPECT_FLOAT_EQ(pic->zeb_property_ysos(), 9);
  EXPECT_TRUE(pic->isShow());
  EXPECT_TRUE(pic->isEnable());
}

TEST_F(PicImageTest, PositionIsOneOfTheCandidatesChosenAtRandom) {
  SeedRnd(7);
  std::set<std::pair<float, float>> seen;
  for (int i = 0; i < 40; ++i) {
    auto pic = scene.load<tPicImage>("coin", "box.png", Record(300, 400), {"10,20", "bad", "30,40"});
    EXPECT_EQ(pic->rnds().size(), 3u) << "an entry without a comma is skipped";
    seen.insert({pic->zeb_property_x(), pic->zeb_property_y()});
  }
  EXPECT_EQ(seen, (std::set<std::pair<float, float>>{{10, 20}, {30, 40}, {300, 400}}));
}

TEST_F(PicImageTest, ShortOrBrokenRecordsStillGiveAPic) {
  auto pic = scene.load<tPicImage>("stub", "box.png", tPicParams{"12", "x"});
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 12);
  EXPECT_FLOAT_EQ(pic->zeb_property_y(), 0) << "a malformed field reads 0";
  EXPECT_TRUE(pic->isShow());
  EXPECT_FLOAT_EQ(pic->zeb_property_alpha(), 0);
  auto missing = scene.load<tPicImage>("ghost", "nothing.png", Record(5, 5));
  EXPECT_FLOAT_EQ(missing->zeb_property_sx(), 0) << "no image, no scale, and no division by zero";
}

TEST_F(PicImageTest, GlidesArriveExactlyAndNeverOvershootOnLargeSteps) {
  auto pic = box("cart", 0, 0);
  pic->zeb_translate(100, 50, 2);
  pic->zeb_resize(3, 0.5f, 1);
  pic->zeb_alphing(0.25f, 0.5f);
  pic->zeb_coloring(0, 0.5f, 1, 4);
  frame(0.5f);
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 25);
  EXPECT_FLOAT_EQ(pic->zeb_property_y(), 12.5f);
  EXPECT_FLOAT_EQ(pic->visual().l(), 40);
  EXPECT_FLOAT_EQ(pic->visual().t(), 7.5f);
  EXPECT_FLOAT_EQ(pic->zeb_property_alpha(), 0.25f);
  EXPECT_FLOAT_EQ(pic->visual().color()->r, 0.875f);
  for (int i = 0; i < 3; ++i) frame(10);
  EXPECT_EQ(pic->zeb_property_x(), 100);
  EXPECT_EQ(pic->zeb_property_y(), 50);
  EXPECT_EQ(pic->zeb_property_sx(), 3);
  EXPECT_EQ(pic->zeb_property_sy(), 0.5f);
  EXPECT_EQ(pic->visual().color()->r, 0);
  EXPECT_EQ(pic->visual().color()->g, 0.5f);
  EXPECT_EQ(pic->visual().color()->b, 1);
}

TEST_F(PicImageTest, SettingAValueStopsItsGlideAndAMoveGlidesFromThere) {
  auto pic = box("cart", 0, 0);
  pic->zeb_translate(100, 0, 1);
  frame(0.5f);
  pic->zeb_position(10, 10);
  frame(1);
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 10) << "the glide stopped where the value was set";
  pic->zeb_move(-10, 20, 2);
  frame(1);
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 5);
  EXPECT_FLOAT_EQ(pic->zeb_property_y(), 20);
}

TEST_F(PicImageTest, ZeroTimeArrivesAtTheNextRealUpdateAndATargetAlreadyHeldStays) {
  auto pic = box("cart", 0, 0);
  pic->zeb_translate(70, 0, 0);
  pic->zeb_alphing(1, 0);
  frame(0);
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 0) << "no time passed";
  frame(0.001f);
  EXPECT_EQ(pic->zeb_property_x(), 70);
  EXPECT_EQ(pic->zeb_property_alpha(), 1);
  tConfig save;
  pic->saveInstant(save, "pic");
  EXPECT_EQ(save.GetFloat("pic", "aSpeed", -1), 0) << "0 / 0 gives no speed, not a broken value";
}

TEST_F(PicImageTest, RotateTurnsInTheDirectionOfItsSpeed) {
  auto pic = box("wheel", 0, 0, {{4, "350"}});
  EXPECT_FLOAT_EQ(pic->zeb_rotate(10, 90), 20.0f / 90);
  EXPECT_FLOAT_EQ(pic->zeb_property_rot(), -10) << "350 became -10, below the target";
  frame(0.1f);
  EXPECT_FLOAT_EQ(pic->zeb_property_rot(), -1);
  frame(5);
  EXPECT_EQ(pic->zeb_property_rot(), 10);

  pic->zeb_rotation(350);
  EXPECT_FLOAT_EQ(pic->zeb_rotate(10, -90), (10.0f - 350) / -90);
  frame(1);
  EXPECT_FLOAT_EQ(pic->zeb_property_rot(), 260);
  frame(10);
  EXPECT_EQ(pic->zeb_property_rot(), 10);

  EXPECT_EQ(pic->zeb_turn(90, -30), 1000000.0f);
  frame(1);
  EXPECT_FLOAT_EQ(pic->zeb_property_rot(), -20) << "a speed pointing away turns away for ever";
  EXPECT_EQ(pic->zeb_turn(0, 0), 0) << "on target without speed takes no time";
}

TEST_F(PicImageTest, OffsetMovesThePivotNotThePicture) {
  auto pic = box("door", 50, 60);
  const float left = pic->visual().rect().x;
  pic->zeb_offset(-10, 5);
  EXPECT_FLOAT_EQ(pic->visual().rect().x, left) << "the picture stays where it was";
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 50) << "and so does its logical position";
  EXPECT_FLOAT_EQ(pic->visual().h(), 40) << "the pivot is at the door's left edge";
}

TEST_F(PicImageTest, RestoredMidGlideEveryValueMatchesAndTheGlidesGoOnAlike) {
  auto original = box("cart", 10, 20);
  original->zeb_translate(200, 100, 4);
  original->zeb_resize(2, 3, 2);
  original->zeb_alphing(0.2f, 1);
  original->zeb_coloring(1, 0, 0.5f, 2);
  original->zeb_offset(3, 4);
  original->zeb_rotate(120, 60);
  original->cursor(6);
  original->zeb_seta0(2.5f);
  original->zeb_ghide();
  original->zeb_postdraw(2);
  frame(0.5f);
  tConfig save;
  original->saveInstant(save, "pic=cart");

  auto restored = box("cart_restored", 10, 20);
  restored->loadInstant(save, "pic=cart");
  EXPECT_EQ(state(*restored), state(*original));
  for (float step : {0.25f, 1.0f, 0.5f, 10.0f}) {
    frame(step);
    EXPECT_EQ(state(*restored), state(*original)) << "after a step of " << step;
  }
  EXPECT_FLOAT_EQ(restored->zeb_property_x(), 200);
  EXPECT_FLOAT_EQ(restored->zeb_property_rot(), 120);
}

TEST_F(PicImageTest, PolygonReplacesTheRectangleAsHitShape) {
  scene.putImage("glass.png", 40, 40, {0x00FFFFFF});  // fully transparent
  auto poly = std::make_shared<tPoly>();
  for (auto [x, y] : {std::pair{-20, -20}, {20, -20}, {-20, 20}}) poly->AddPoint(x, y);
  auto pic = scene.load<tPicImage>("shard", "glass.png", Record(100, 100, {{10, "1"}}), {}, poly);
  tGui::Current().insert(pic);
  pointAt(85, 85);
  EXPECT_TRUE(pic->visual().isHover()) << "inside the triangle, whatever the pixels";
  pointAt(115, 115);
  EXPECT_FALSE(pic->visual().isHover()) << "in the rectangle but outside the triangle";
  pointAt(85, 85);
  pic->loadPoly(nullptr);
  passes();
  EXPECT_FALSE(pic->visual().isHover()) << "without the polygon, the transparent pixels decide";
}

TEST_F(PicImageTest, RotatedPicHoversByItsTurnedShape) {
  auto pic = box("plank", 100, 100, {{2, "2"}, {3, "1"}, {4, "90"}});  // 40 x 10, standing upright
  pointAt(100, 115);
  EXPECT_TRUE(pic->visual().isHover());
  pointAt(115, 100);
  EXPECT_FALSE(pic->visual().isHover()) << "inside the unturned rectangle only";
}

TEST_F(PicImageTest, WhileAPicIsHeldOnlyHeldPicsHover) {
  auto under = box("under", 100, 100, {{2, "4"}, {3, "4"}});
  auto held = box("held", 100, 100);
  tPicProperty::Current().hold(under);
  pointAt(100, 100);
  EXPECT_TRUE(under->visual().isHover());
  EXPECT_FALSE(held->visual().isHover());
  tPicProperty::Current().clearHold();
  passes();
  EXPECT_TRUE(held->visual().isHover());
}

TEST_F(PicImageTest, FirstButtonOnTheTreatedPicClicksIt) {
  const auto everyClick = std::make_shared<tCommand>();
  auto pic = box("key", 100, 100);
  auto plain = box("plain", 300, 300);
  pic->loadAction(nullptr, everyClick);
  pic->setupAvail();

  pointAt(100, 100);
  press(3);
  EXPECT_TRUE(scene.level->clicks.empty()) << "another button";
  tGuiObject::send(GUIMSG_MOUSEDOWN{}, tIntArray{1}, std::string("taken"));
  EXPECT_TRUE(scene.level->clicks.empty()) << "a press another object took";
  tPicProperty::Current().blockClick(1);
  press(1);
  EXPECT_TRUE(scene.level->clicks.empty()) << "clicks blocked";
  tPicProperty::Current().blockClick(0);
  press(1);
  EXPECT_EQ(scene.level->clicks, (std::vector<std::string>{"key"}));

  pointAt(300, 300);
  press(1);
  EXPECT_EQ(scene.level->clicks.size(), 1u) << "a pic without click command or mission is not treated";
}

TEST_F(PicImageTest, APicIsTreatedWhileOneOfItsMissionsAcceptsIt) {
  auto mission = std::make_shared<tMission>();
  mission->loadParams({"0", "1", "1"});  // shown, disabled, one to find
  auto pic = box("vase", 100, 100);
  pic->loadMission({mission});
  pic->setupAvail();
  pointAt(100, 100);
  EXPECT_EQ(tGuiHoverable::getTreat(), nullptr);
  mission->enable(1);  // tells every pic
  passes();
  EXPECT_EQ(tGuiHoverable::getTreat().get(), &pic->visual());
}

TEST_F(PicImageTest, SlowHideLeavesTheLocationGrowsAndFadesByScript) {
  auto leader = box("hand", 0, 0);
  auto pic = box("ring", 50, 50);
  pic->zeb_link(leader);
  pic->zeb_hideslow();
  EXPECT_EQ(scene.level->evaluated, (std::vector<std::string>{"ring"}));
  EXPECT_FALSE(pic->isEnable());
  EXPECT_TRUE(pic->isShow()) << "the script hides it after the fade";
  EXPECT_EQ(pic->postdraw(), POSTDRAW_OVER);
  EXPECT_TRUE(tPicProperty::Current().attachments().empty());
  EXPECT_EQ(scene.level->commands, (std::vector<std::string>{"wait=15;walphing=ring,0,25;ho=ring"}));
  frame(0.4f);
  EXPECT_FLOAT_EQ(pic->zeb_property_sx(), 1.5f);
  frame(1);
  EXPECT_FLOAT_EQ(pic->zeb_property_sx(), 2);
}

TEST_F(PicImageTest, SlowShowFadesInOverTwentyTicks) {
  auto pic = box("ghost", 0, 0, {{5, "1"}});
  pic->zeb_showslow();
  EXPECT_TRUE(pic->visual().isVisible());
  EXPECT_FLOAT_EQ(pic->zeb_property_alpha(), 0);
  frame(0.2f);
  EXPECT_FLOAT_EQ(pic->zeb_property_alpha(), 0.5f);
  frame(0.2f);
  EXPECT_FLOAT_EQ(pic->zeb_property_alpha(), 1);
}

}  // namespace vandrell

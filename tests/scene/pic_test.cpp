#include "scene/pic.h"

#include <gtest/gtest.h>

#include "resources/config.h"
#include "scene/pic_anim.h"
#include "scene/pic_image.h"
#include "scene/pic_property.h"
#include "scene_test_support.h"
#include "script/expr.h"
#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

class PicTest : public SceneTest {
 protected:
  PicTest() { scene.putImage("dot.png", 4, 4, {0xFFFFFFFF}); }

  std::shared_ptr<tPicImage> dot(const std::string& name, int32_t x = 0, int32_t y = 0,
                                 const std::map<size_t, std::string>& changes = {}, size_t size = 30) {
    auto pic = scene.load<tPicImage>(name, "dot.png", Record(x, y, changes, size));
    tGui::Current().insert(pic, name);
    return pic;
  }

  // The followers of the attachments in list order, as "leader>follower"
  // with "*" for the pointer.
  static std::vector<std::string> attachments() {
    std::vector<std::string> list;
    for (const tPicAttach& a : tPicProperty::Current().attachments()) {
      list.push_back((a.pointer ? "*" : a.a.lock()->id()) + ">" + a.b.lock()->id());
    }
    return list;
  }

  tPicProperty& property = tPicProperty::Current();
};

}  // namespace

TEST_F(PicTest, AShownPicNeedsBothItsOwnAndTheGlobalFlag) {
  auto pic = std::make_shared<tPicImage>();
  EXPECT_FALSE(pic->isShow()) << "nothing is shown before its record is read";
  EXPECT_FALSE(pic->isEnable());
  pic = dot("lamp");
  pic->zeb_ghide();
  EXPECT_FALSE(pic->visual().isVisible());
  pic->zeb_show();
  EXPECT_FALSE(pic->visual().isVisible()) << "the global flag still hides it";
  EXPECT_EQ(pic->zeb_property("hidden")->ToNumber(), 0) << "\"hidden\" reads the own flag only";
  pic->zeb_hide();
  EXPECT_EQ(pic->zeb_property("hidden")->ToNumber(), 1);
  pic->zeb_show();
  pic->zeb_gshow();
  EXPECT_TRUE(pic->visual().isVisible());
  pic->visual().visible(0);
  pic->zeb_show();
  EXPECT_FALSE(pic->visual().isVisible()) << "setting the flag it has re-evaluates nothing";
}

TEST_F(PicTest, RecordGivesTheOwnFlagsThePassAndTheHintPointWhenLongEnough) {
  auto pic = dot("a", 0, 0, {{5, "1"}, {11, "3"}, {14, "-1"}, {28, "7"}, {29, "9"}}, 29);
  EXPECT_FALSE(pic->isShow());
  EXPECT_FALSE(pic->isEnable());
  EXPECT_EQ(pic->postdraw(), POSTDRAW_UNDER);
  EXPECT_EQ(pic->zeb_property("xsos")->ToNumber(), 7);
  EXPECT_EQ(pic->zeb_property("ysos")->ToNumber(), 0) << "a record of 29 fields has no field 29";
  EXPECT_EQ(dot("b", 0, 0, {{29, "9"}})->zeb_property_ysos(), 9);
}

TEST_F(PicTest, PicDrawsOnlyInItsOwnPass) {
  tTrace trace;
  auto pic = std::make_shared<tTracePic>("p", trace, POSTDRAW_OVER);
  tGui::Current().insert(pic);
  tGui::Current().render();
  for (int32_t pass : {-1, 0, 2, 3}) M_PIC_POSTDRAW::send({pass});
  EXPECT_TRUE(trace.empty()) << "a plain render and the other passes draw nothing";
  M_PIC_POSTDRAW::send({POSTDRAW_OVER});
  EXPECT_EQ(trace, (tTrace{"p:RENDER"}));
  pic->zeb_postdraw(3);
  for (int32_t pass : {-1, 0, 1, 2}) M_PIC_POSTDRAW::send({pass});
  EXPECT_EQ(trace.size(), 1u) << "pass 3 is never drawn";
}

TEST_F(PicTest, ReleasingTheVisualReleasesThePic) {
  auto set = std::make_shared<tGuiSet>();
  tGui::Current().insert(set);
  std::weak_ptr<tPicImage> watch;
  {
    auto pic = dot("vase");
    set->insert(pic, "vase");
    watch = pic;
    tGuiObject::send(GUIMSG_FREE{}, pic->wrapped());
    EXPECT_EQ(pic->wrapped(), nullptr);
  }
  EXPECT_EQ(set->find("vase"), nullptr);
  EXPECT_EQ(tGui::Current().objects().find("vase"), nullptr);
  EXPECT_TRUE(watch.expired());
}

TEST_F(PicTest, OriginOffsetSwitchesOnceAndTellsThePicsHowFarToMove) {
  EXPECT_EQ(property.offsetY(), -30);
  property.offset(0);
  property.offset(0);
  EXPECT_EQ(property.offsetY(), 0);
  property.offset(1);
  using tMoves = std::vector<std::pair<int32_t, int32_t>>;
  EXPECT_EQ(scene.level->offsets, (tMoves{{0, 30}, {0, -30}}));
}

TEST_F(PicTest, HoldingAndReleasingTellEveryPicOncePerChange) {
  auto a = dot("a");
  const int before = scene.level->mutables;
  property.hold(a);
  property.hold(a);
  EXPECT_EQ(scene.level->mutables, before + 1);
  EXPECT_TRUE(property.isHold(a.get()));
  property.clearHold();
  property.clearHold();
  EXPECT_EQ(scene.level->mutables, before + 2);
  EXPECT_FALSE(property.isHolding());
}

TEST_F(PicTest, AttachmentsKeepLeadersAheadOfTheirFollowers) {
  auto a = dot("a", 0, 0), b = dot("b", 10, 0), c = dot("c", 50, 50);
  property.attach(a, b);
  property.attach(c, a);
  EXPECT_EQ(attachments(), (std::vector<std::string>{"c>a", "a>b"}));
  b->zeb_position(20, 5);
  property.attach(c, a);
  property.attach(a, b);
  EXPECT_EQ(attachments(), (std::vector<std::string>{"c>a", "a>b"})) << "the same pair stays in its place";
  EXPECT_FLOAT_EQ(property.attachments()[1].x, 20) << "with the offsets of the second time";
  EXPECT_FLOAT_EQ(property.attachments()[1].y, 5);

  c->zeb_position(100, 100);
  c->zeb_rotation(30);
  property.layoutAttach();
  EXPECT_FLOAT_EQ(a->zeb_property_x(), 50) << "one pass moves the whole chain";
  EXPECT_FLOAT_EQ(b->zeb_property_x(), 70);
  EXPECT_FLOAT_EQ(b->zeb_property_y(), 55);
  EXPECT_FLOAT_EQ(b->zeb_property_rot(), 30);

  property.detach(a.get());
  EXPECT_EQ(attachments(), (std::vector<std::string>{"a>b"})) << "a still leads b";
}

TEST_F(PicTest, LinkedToTheMouseAPicCentresOnThePointerAndFollowsIt) {
  auto pic = dot("cursor_item");
  pointAt(200, 150);
  pic->zeb_linkmouse();
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 200);
  EXPECT_FLOAT_EQ(pic->zeb_property_y(), 180) << "the origin offset lifts the pointer's place";
  pointAt(300, 250);
  property.layoutAttach();
  EXPECT_FLOAT_EQ(pic->visual().h(), 300);
  EXPECT_FLOAT_EQ(pic->visual().v(), 250);
  pic->zeb_unlink();
  EXPECT_TRUE(property.attachments().empty());
}

TEST_F(PicTest, HeldPicsAndAttachmentsRestoreByNameSkippingPicsThatAreGone) {
  auto a = dot("a", 0, 0), b = dot("b", 10, 20), gone = dot("gone");
  property.hold(a);
  property.hold(gone);
  property.attach(a, b);
  property.attachPointer(a);
  property.attach(gone, b);
  property.blockClick(1);
  property.offset(0);
  tConfig save;
  property.saveInstant(save, "pic_property=");
  property.saveHold(save, "pic_hold=");
  property.saveAttach(save, "pic_attach=");
  scene.level->pics.erase("gone");

  tCurrentScope<tPicProperty> fresh(std::make_shared<tPicProperty>());
  tPicProperty& restored = tPicProperty::Current();
  const int mutables = scene.level->mutables;
  restored.loadInstant(save, "pic_property=");
  restored.loadHold(save, "pic_hold=");
  restored.loadAttach(save, "pic_attach=");
  EXPECT_EQ(restored.isBlockClick(), 1);
  EXPECT_EQ(restored.isOffset(), 0);
  EXPECT_TRUE(restored.isHold(a.get()));
  EXPECT_EQ(scene.level->mutables, mutables) << "restoring tells no pic";
  EXPECT_EQ(attachments(), (std::vector<std::string>{"*>a", "a>b"})) << "in saved order, the lost pic's dropped";
  EXPECT_FLOAT_EQ(restored.attachments()[1].y, 20);
  EXPECT_TRUE(scene.level->offsets.size() == 1) << "restoring the offset moves nothing";

  restored.loadHold(save, "nothing=");
  EXPECT_FALSE(restored.isHolding());
}

TEST_F(PicTest, ScriptsReadPicsAndThePropertyObject) {
  ZebScriptScope script;
  AddPicPropertyOwners();
  scene.putImage("strip.png", 16, 4, {0xFFFFFFFF});
  auto pic = dot("lamp", 40, 50, {{12, "2"}});
  const tPicParams strip = Record(0, 0, {{15, "4"}, {16, "4"}, {17, "4"}, {18, "1"}, {20, "1"}, {21, "4"}, {23, "3"}});
  auto anim = scene.load<tPicAnim>("flame", "strip.png", strip);
  script.book().set("lamp", tExprObject::Create(pic));
  script.book().set("flame", tExprObject::Create(anim));
  script.book().set("uo", tExprObject::Create(tPicProperty::shared()));
  pointAt(120, 80);
  const auto value = [](const std::string& text) { return tExpr::Create(text)->calc(); };
  EXPECT_FLOAT_EQ(value("lamp:x")->ToNumber(), 40);
  EXPECT_FLOAT_EQ(value("lamp:ox")->ToNumber(), 2);
  EXPECT_FLOAT_EQ(value("lamp:alpha")->ToNumber(), 1);
  EXPECT_EQ(value("lamp:id")->ToObject(), pic);
  EXPECT_FLOAT_EQ(value("flame:frame")->ToNumber(), 3);
  EXPECT_FLOAT_EQ(value("flame:sx")->ToNumber(), 1);
  EXPECT_FLOAT_EQ(value("uo:mousex")->ToNumber(), 120);
  EXPECT_FLOAT_EQ(value("uo:mousey")->ToNumber(), 110);
  const tExprValuePtr unknown = value("lamp:colour");
  EXPECT_NE(std::dynamic_pointer_cast<tExprObject>(unknown), nullptr);
  EXPECT_EQ(unknown->ToObject(), nullptr) << "an unknown property is a null object";
}

}  // namespace vandrell

#include "gui/link.h"

#include "gui_test_support.h"
#include "surface_probe.h"
#include "visual_test_support.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "support/block_font.h"

namespace vandrell {

namespace {

class tCountingLink : public tInspected<tGuiHref> {
  VANDRELL_GUI_HOOKS(tCountingLink, tInspected<tGuiHref>)

 public:
  void click(int32_t button) override { clicks.push_back(button); }
  std::vector<int32_t> clicks;
};

// A link "ab", 20 by 8 at (100, 100), on a screen of scale 1.
class LinkTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    link->letter(WordFont(), 0);
    link->value("ab");
    link->move(100, 100, 0);
    tGui::Current().insert(link);
  }

  // One frame's hover and treat passes with the pointer at (x, y).
  static void pointAt(int32_t x, int32_t y) {
    movePointer(x, y);
    tGuiHoverCatcher::Current().update();
    tGuiTreatCatcher::Current().update();
  }
  static void press(int32_t button) { post(EVENT_MOUSEDOWN, button); }
  static void release(int32_t button) { post(EVENT_MOUSEUP, button); }

  const ScreenScope screen{1, 1, 0, 0};
  const std::shared_ptr<tCountingLink> link = std::make_shared<tCountingLink>();
};

TEST_F(LinkTest, ItsColourFollowsItsState) {
  EXPECT_EQ(link->color(), link->ncolor());
  pointAt(110, 104);
  EXPECT_TRUE(link->isTreat());
  EXPECT_EQ(link->color(), link->hcolor());
  press(1);
  EXPECT_EQ(link->color(), link->acolor());
  pointAt(300, 300);  // dragged off while pressed
  EXPECT_EQ(link->color(), link->ncolor());
  pointAt(110, 104);
  EXPECT_EQ(link->color(), link->acolor());
  release(1);
  EXPECT_EQ(link->color(), link->hcolor());
}

TEST_F(LinkTest, DisablingShowsAtOnceAndDropsHoverAtTheNextPass) {
  pointAt(110, 104);
  link->enable(0);
  EXPECT_EQ(link->isEnable(), 0);
  EXPECT_EQ(link->color(), link->dcolor());
  EXPECT_TRUE(link->isHover());
  pointAt(111, 104);
  EXPECT_FALSE(link->isHover());
  EXPECT_FALSE(link->isTreat());
  press(1);
  release(1);
  EXPECT_TRUE(link->clicks.empty());
  link->enable(1);
  pointAt(110, 104);
  EXPECT_EQ(link->color(), link->hcolor());
}

TEST_F(LinkTest, ClicksOnPressAndReleaseOverIt) {
  pointAt(110, 104);
  press(1);
  release(1);
  EXPECT_EQ(link->clicks, (std::vector<int32_t>{1}));
  release(1);  // a release without a press does nothing
  EXPECT_EQ(link->clicks.size(), 1u);
}

TEST_F(LinkTest, ADragOffAndBackStillClicksOnce) {
  pointAt(110, 104);
  press(3);
  pointAt(300, 300);
  pointAt(119, 107);
  release(3);
  EXPECT_EQ(link->clicks, (std::vector<int32_t>{3}));
}

TEST_F(LinkTest, AReleaseElsewhereOrOfAnotherButtonDoesNotClick) {
  pointAt(110, 104);
  press(1);
  pointAt(300, 300);
  release(1);
  pointAt(110, 104);
  EXPECT_TRUE(link->clicks.empty());

  press(1);
  release(3);
  EXPECT_TRUE(link->clicks.empty());

  pointAt(300, 300);  // pressed elsewhere, released over it
  press(1);
  pointAt(110, 104);
  release(1);
  EXPECT_TRUE(link->clicks.empty());
}

TEST_F(LinkTest, AStateColourWithoutAlphaHidesTheLink) {
  link->makeSurface();
  EXPECT_TRUE(link->isPaint());
  link->ncolor()->SetA(0.0f);
  EXPECT_FALSE(link->isPaint());
  pointAt(110, 104);  // still hovered, and shown in its hover colour
  EXPECT_TRUE(link->isTreat());
  EXPECT_TRUE(link->isPaint());
}

TEST_F(LinkTest, DrawsInTheColourOfItsState) {
  const TGraphicsPtr graphics = CreateGraphics(160, 120, 0, 0, 2);
  ASSERT_TRUE(graphics);
  SetGraphics(graphics);
  SetClsColor(0, 0, 0);
  link->hcolor()->SetRGB(1.0f, 0.0f, 0.0f);
  link->ncolor()->SetRGB(0.0f, 0.0f, 1.0f);

  const auto drawnAt = [&](int32_t x, int32_t y) {
    Cls();
    link->render();
    return static_cast<uint32_t>(GrabPixmap(0, 0, 160, 120)->ReadPixel(x, y)) & 0xffffff;
  };
  EXPECT_EQ(drawnAt(105, 104), 0x0000ffu);
  pointAt(110, 104);
  EXPECT_EQ(drawnAt(105, 104), 0xff0000u);
  EXPECT_EQ(drawnAt(125, 104), 0x000000u);
  CloseGraphics(graphics);
}

}  // namespace

}  // namespace vandrell

#include "gui/gui_rect.h"

#include <cmath>

#include "gui/hover_catchers.h"
#include "gui_test_support.h"
#include "visual_test_support.h"

namespace vandrell {

namespace {

std::shared_ptr<tGuiRect> rectAt(float h, float v, float l, float t) {
  auto r = std::make_shared<tGuiRect>();
  r->move(h, v, 0);
  r->resize(l, t, 0);
  return r;
}

void reshape(tGuiObject& target, const tRect& oldRect, const tRect& newRect) {
  tGuiObject::sendto(target, vandrell::GUIMSG_PARENTRESHAPE(), tRectPair{oldRect, newRect});
}

TEST(VisualRectTest, NewObjectsAreVisibleWhiteUnitRectanglesAtTheOrigin) {
  tGuiRect r;
  EXPECT_EQ(r.isVisible(), 1);
  EXPECT_EQ(r.isHover(), 0);
  EXPECT_EQ(r.color()->GetInt(), static_cast<int32_t>(0xFFFFFFFF));
  EXPECT_EQ(r.color()->blend, 3);
  EXPECT_EQ(r.rect(), tRect::Create(0, 0, 1, 1));
}

TEST(VisualRectTest, HotspotPlacesTheRectangleAroundThePosition) {
  ScreenScope screen(1, 1, 0, 0);
  const auto r = rectAt(100, 50, 40, 20);
  r->hotspot(0.5f, 0.5f);
  EXPECT_EQ(r->rect(), tRect::Create(80, 40, 40, 20));
  EXPECT_EQ(r->hovering(120, 60), 1);  // edges count
  EXPECT_EQ(r->hovering(80, 40), 1);
  EXPECT_EQ(r->hovering(120.5f, 50), 0);
  r->hotspot(1, 1);
  EXPECT_EQ(r->rect(), tRect::Create(60, 30, 40, 20));
}

TEST(VisualRectTest, WindowRectangleFollowsTheVirtualScreen) {
  ScreenScope screen(2, 1.5f, 10, 20);
  const auto r = rectAt(100, 50, 40, 20);
  EXPECT_EQ(r->xrect(), tRect::Create(210, 95, 80, 30));
  EXPECT_EQ(r->hovering(290, 125), 1);
  EXPECT_EQ(r->hovering(140, 70), 0);  // the design coordinates are not window pixels
}

TEST(VisualRectTest, ResizingOperations) {
  auto r = rectAt(0, 0, 100, 50);
  EXPECT_FLOAT_EQ(r->aspect(), 2);
  r->wideResize(200, 0);
  EXPECT_FLOAT_EQ(r->l(), 200);
  EXPECT_FLOAT_EQ(r->t(), 100);
  r->highResize(30, 2);
  EXPECT_FLOAT_EQ(r->l(), 60);
  EXPECT_FLOAT_EQ(r->t(), 30);

  r = rectAt(0, 0, 100, 50);
  r->scale(0.5f, 2);
  EXPECT_FLOAT_EQ(r->l(), 50);
  EXPECT_FLOAT_EQ(r->t(), 100);
  r->resize(5, -10, 1);
  EXPECT_FLOAT_EQ(r->l(), 55);
  EXPECT_FLOAT_EQ(r->t(), 90);
  r->highResize(45, 0);  // keeps the current aspect
  EXPECT_FLOAT_EQ(r->l(), 27.5f);
  EXPECT_FLOAT_EQ(r->t(), 45);
}

TEST(VisualRectTest, MovesAddWhenRelative) {
  tGuiRect r;
  r.move(5, 5, 1);
  r.move(5, 5, 1);
  EXPECT_FLOAT_EQ(r.h(), 10);
  EXPECT_FLOAT_EQ(r.v(), 10);
  r.move(-3, 7, 0);
  EXPECT_FLOAT_EQ(r.h(), -3);
  EXPECT_FLOAT_EQ(r.v(), 7);
}

TEST(VisualRectTest, PositionAnchorsFollowAGrowingParent) {
  const tRect before = tRect::Create(0, 0, 800, 600);
  const tRect after = tRect::Create(0, 0, 1000, 600);
  const auto endAnchored = rectAt(790, 300, 1, 1);
  endAnchored->anchorPosition(ANCHOR_END, ANCHOR_START);
  const auto proportional = rectAt(790, 300, 1, 1);
  const auto startAnchored = rectAt(790, 300, 1, 1);
  startAnchored->anchorPosition(ANCHOR_START, ANCHOR_START);
  for (const auto& r : {endAnchored, proportional, startAnchored}) reshape(*r, before, after);
  EXPECT_FLOAT_EQ(endAnchored->h(), 990);  // still 10 from the right edge
  EXPECT_FLOAT_EQ(proportional->h(), 987.5f);
  EXPECT_FLOAT_EQ(startAnchored->h(), 790);
  for (const auto& r : {endAnchored, proportional, startAnchored}) EXPECT_FLOAT_EQ(r->v(), 300);
}

TEST(VisualRectTest, AnchorsFollowAParentThatMovesAndShrinks) {
  const tRect before = tRect::Create(100, 100, 200, 100);
  const tRect after = tRect::Create(50, 120, 100, 50);
  const auto r = rectAt(150, 180, 40, 20);
  r->anchorPosition(ANCHOR_START, ANCHOR_END);
  r->anchorSize(ANCHOR_END, ANCHOR_PROPORTIONAL);
  reshape(*r, before, after);
  EXPECT_FLOAT_EQ(r->h(), 100);  // 50 from the left edge
  EXPECT_FLOAT_EQ(r->v(), 150);  // 20 above the bottom edge
  EXPECT_FLOAT_EQ(r->l(), -60);  // shrinks by as much as the parent
  EXPECT_FLOAT_EQ(r->t(), 10);   // half, like the parent
}

TEST(VisualRectTest, SizeAnchors) {
  const tRect before = tRect::Create(0, 0, 800, 600);
  const tRect after = tRect::Create(0, 0, 1000, 300);
  const auto proportional = rectAt(0, 0, 80, 60);
  const auto fixed = rectAt(0, 0, 80, 60);
  fixed->anchorSize(ANCHOR_START, ANCHOR_START);
  const auto growing = rectAt(0, 0, 80, 60);
  growing->anchorSize(ANCHOR_END, ANCHOR_END);
  for (const auto& r : {proportional, fixed, growing}) reshape(*r, before, after);
  EXPECT_EQ(proportional->rect(), tRect::Create(0, 0, 100, 30));
  EXPECT_EQ(fixed->rect(), tRect::Create(0, 0, 80, 60));
  EXPECT_EQ(growing->rect(), tRect::Create(0, 0, 280, -240));
}

TEST(VisualRectTest, UnknownAnchorCodesGiveZero) {
  const auto r = rectAt(300, 200, 80, 60);
  r->anchorPosition(3, ANCHOR_START);
  r->anchorSize(7, 1);
  reshape(*r, tRect::Create(0, 0, 800, 600), tRect::Create(0, 0, 800, 600));
  EXPECT_EQ(r->rect(), tRect::Create(0, 200, 0, 60));
}

TEST(VisualRectTest, AParentWithoutExtentGivesNoNaN) {
  const auto r = rectAt(30, 40, 10, 20);
  reshape(*r, tRect::Create(0, 0, 0, 0), tRect::Create(5, 5, 100, 100));
  EXPECT_FLOAT_EQ(r->h(), 35);
  EXPECT_FLOAT_EQ(r->v(), 45);
  EXPECT_FLOAT_EQ(r->l(), 10);
  EXPECT_FLOAT_EQ(r->t(), 20);
}

TEST(VisualRectTest, ReshapeGoesThroughTheOverridableResize) {
  tCountingRect r;
  reshape(r, tRect::Create(0, 0, 10, 10), tRect::Create(0, 0, 20, 20));
  EXPECT_EQ(r.resizes, 1);
  EXPECT_EQ(r.rect(), tRect::Create(0, 0, 2, 2));
}

TEST(VisualRectTest, HiddenAndTransparentObjectsDrawNothing) {
  tCountingRect r;
  tGuiObject::sendto(r, vandrell::GUIMSG_RENDER());
  EXPECT_EQ(r.paints, 1);
  r.visible(0);
  tGuiObject::sendto(r, vandrell::GUIMSG_RENDER());
  EXPECT_EQ(r.paints, 1);
  r.visible(1);
  r.color()->a = 0;
  tGuiObject::sendto(r, vandrell::GUIMSG_RENDER());
  EXPECT_EQ(r.paints, 1);
  r.color()->a = 0.01f;
  r.render();
  EXPECT_EQ(r.paints, 2);
}

using VisualHoverTest = GuiTest;

TEST_F(VisualHoverTest, HoverNeedsKeepHoverAndVisibilityButNotOpacity) {
  ScreenScope screen(1, 1, 0, 0);
  const auto r = rectAt(10, 10, 20, 20);
  r->color()->a = 0;
  tGui::Current().insert(r, "r");
  movePointer(15, 15);
  tGuiHoverCatcher::Current().update();
  EXPECT_EQ(r->isHover(), 0);  // not hover-enabled
  r->keepHover(1);
  tGuiHoverCatcher::Current().update();
  EXPECT_EQ(r->isHover(), 1);  // invisible by colour, still hovered
  r->visible(0);
  tGuiHoverCatcher::Current().update();
  EXPECT_EQ(r->isHover(), 0);
}

TEST_F(VisualHoverTest, TheTopmostTreatEnabledVisualTakesThePointer) {
  ScreenScope screen(1, 1, 0, 0);
  const auto lower = rectAt(0, 0, 50, 50);
  const auto upper = rectAt(25, 25, 50, 50);
  for (const auto& r : {lower, upper}) {
    r->keepHover(1);
    r->keepTreat(1);
  }
  tGui::Current().insert(lower, "lower");
  tGui::Current().insert(upper, "upper");
  movePointer(30, 30);
  tGuiHoverCatcher::Current().update();
  tGuiTreatCatcher::Current().update();
  EXPECT_EQ(lower->isHover(), 1);
  EXPECT_EQ(upper->isTreat(), 1);
  EXPECT_EQ(lower->isTreat(), 0);
  upper->visible(0);
  tGuiHoverCatcher::Current().update();
  tGuiTreatCatcher::Current().update();
  EXPECT_EQ(lower->isTreat(), 1);
}

}  // namespace

}  // namespace vandrell

#include <gtest/gtest.h>

#include "gui/hoverable.h"
#include "gui_test_support.h"

namespace vandrell {

namespace {

// A rectangle in window pixels that notes the treat calls it gets.
class tSpot : public tGuiHoverable {
  VANDRELL_GUI_HOOKS(tSpot, tGuiHoverable)

 public:
  tSpot(int32_t left, int32_t top, int32_t right, int32_t bottom)
      : left(left), top(top), right(right), bottom(bottom) {
    keepHover(1);
    keepTreat(1);
  }
  int32_t isVisible() const override { return visible; }
  int32_t hovering(float x, float y) override { return left <= x && x <= right && top <= y && y <= bottom; }
  void treat(const std::shared_ptr<tGuiHoverable>& previous) override {
    treatCalls.push_back(previous);
  }

  int32_t left, top, right, bottom;
  int32_t visible = 1;
  std::vector<std::shared_ptr<tGuiHoverable>> treatCalls;
};

class HoverTreatTest : public GuiTest {
 protected:
  // One frame's passes after the pointer has moved to (x, y).
  static std::shared_ptr<tGuiHoverable> pointAt(int32_t x, int32_t y) {
    movePointer(x, y);
    tGuiHoverCatcher::Current().update();
    return tGuiTreatCatcher::Current().update();
  }
};

}  // namespace

TEST_F(HoverTreatTest, TopmostOfOverlappingSpotsIsTreatedAndToldWhoHadThePointer) {
  auto lower = std::make_shared<tSpot>(0, 0, 100, 100);
  auto upper = std::make_shared<tSpot>(50, 50, 150, 150);
  tGui::Current().insert(lower);
  tGui::Current().insert(upper);

  EXPECT_EQ(pointAt(75, 75), upper);
  EXPECT_TRUE(lower->isHover() && upper->isHover());
  EXPECT_TRUE(upper->isTreat() && !lower->isTreat());
  ASSERT_EQ(upper->treatCalls.size(), 1u);
  EXPECT_EQ(upper->treatCalls[0], nullptr);

  EXPECT_EQ(pointAt(80, 80), upper);  // unchanged: no new call
  EXPECT_EQ(upper->treatCalls.size(), 1u);

  EXPECT_EQ(pointAt(25, 25), lower);
  EXPECT_FALSE(upper->isHover());
  ASSERT_EQ(lower->treatCalls.size(), 1u);
  EXPECT_EQ(lower->treatCalls[0], upper);
  EXPECT_EQ(upper->treatCalls.size(), 1u);  // losing the pointer is not announced

  EXPECT_EQ(pointAt(500, 500), nullptr);
  EXPECT_EQ(tGuiTreatCatcher::Current().get(), nullptr);
  EXPECT_EQ(tGuiHoverable::getTreat(), nullptr);
  EXPECT_EQ(lower->treatCalls.size() + upper->treatCalls.size(), 2u);
}

TEST_F(HoverTreatTest, HiddenOrOptedOutSpotsAreNotHovered) {
  auto spot = std::make_shared<tSpot>(0, 0, 10, 10);
  tGui::Current().insert(spot);
  spot->visible = 0;
  pointAt(5, 5);
  EXPECT_FALSE(spot->isHover());
  spot->visible = 1;
  spot->keepHover(0);
  pointAt(5, 5);
  EXPECT_FALSE(spot->isHover());
  spot->keepHover(1);
  EXPECT_EQ(pointAt(5, 5), spot);
}

TEST_F(HoverTreatTest, HoveredSpotThatDoesNotTakeThePointerLetsTheOneBelowHaveIt) {
  auto lower = std::make_shared<tSpot>(0, 0, 10, 10);
  auto upper = std::make_shared<tSpot>(0, 0, 10, 10);
  upper->keepTreat(0);
  tGui::Current().insert(lower);
  tGui::Current().insert(upper);
  EXPECT_EQ(pointAt(5, 5), lower);
  EXPECT_TRUE(upper->isHover());
}

TEST_F(HoverTreatTest, FilterWithoutHoverFreezesTheFlags) {
  auto layer = std::make_shared<tGuiSet>();
  layer->filter(std::make_shared<tGuiMessageFilter>());
  auto spot = std::make_shared<tSpot>(0, 0, 10, 10);
  layer->insert(spot);
  tGui::Current().insert(layer);
  pointAt(50, 50);
  EXPECT_FALSE(spot->isHover());
  layer->filter(nullptr);
  pointAt(5, 5);
  EXPECT_TRUE(spot->isHover());
  layer->filter(std::make_shared<tGuiMessageFilter>());
  pointAt(50, 50);
  EXPECT_TRUE(spot->isHover());
}

TEST_F(HoverTreatTest, TreatUpdateRunsAPassOnlyWhenTheClaimChanged) {
  auto spot = std::make_shared<tSpot>(0, 0, 10, 10);
  tGui::Current().insert(spot);
  EXPECT_EQ(pointAt(5, 5), spot);

  spot->treatUpdate();  // claim and answer agree
  EXPECT_EQ(spot->treatCalls.size(), 1u);

  spot->keepTreat(0);
  spot->treatUpdate();
  EXPECT_EQ(tGuiTreatCatcher::Current().get(), nullptr);
  spot->keepTreat(1);
  spot->treatUpdate();
  EXPECT_EQ(tGuiTreatCatcher::Current().get(), spot);
  ASSERT_EQ(spot->treatCalls.size(), 2u);
  EXPECT_EQ(spot->treatCalls[1], nullptr);
}

}  // namespace vandrell

#include <gtest/gtest.h>

#include <cmath>

#include "core/screen.h"
#include "platform/window.h"

namespace vandrell {

namespace {
// Restores the current screen after each test, since it is process-wide.
class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override { saved = tScreen::Current(); }
  void TearDown() override { saved.Setup(); }
  tScreen saved;
};
}  // namespace

TEST_F(ScreenTest, ProjectionOntoLargerWindowScalesBothAxes) {
  auto screen = tScreen::CreateProjection(800, 600, 1024, 768, 0, 0);
  EXPECT_FLOAT_EQ(screen->aspectw(), 1.28f);
  EXPECT_FLOAT_EQ(screen->aspecth(), 1.28f);
  EXPECT_FLOAT_EQ(screen->H2X(400), 512.0f);
  EXPECT_FLOAT_EQ(screen->X2H(512), 400.0f);
  EXPECT_FLOAT_EQ(screen->V2Y(300), 384.0f);
  EXPECT_FLOAT_EQ(screen->Y2V(384), 300.0f);
}

TEST_F(ScreenTest, WideWindowStretchesEachAxisOnItsOwn) {
  auto screen = tScreen::CreateProjection(800, 600, 1280, 720, 0, 0);
  EXPECT_FLOAT_EQ(screen->aspectw(), 1.6f);
  EXPECT_FLOAT_EQ(screen->aspecth(), 1.2f);
  // A design square becomes a wider-than-tall rectangle: no bars, no letterbox.
  EXPECT_FLOAT_EQ(screen->L2W(100), 160.0f);
  EXPECT_FLOAT_EQ(screen->T2H(100), 120.0f);
  EXPECT_FLOAT_EQ(screen->W2L(160), 100.0f);
  EXPECT_FLOAT_EQ(screen->H2T(120), 100.0f);
}

TEST_F(ScreenTest, SnappedConversionsRoundHalvesAwayFromZero) {
  auto screen = tScreen::Create(1, 1, 0, 0);
  EXPECT_EQ(screen->rH2X(0.5f), 1);
  EXPECT_EQ(screen->rH2X(-0.5f), -1);
  EXPECT_EQ(screen->rV2Y(2.5f), 3);
  EXPECT_EQ(screen->rL2W(-2.5f), -3);
  EXPECT_EQ(screen->rT2H(0.4f), 0);
}

TEST_F(ScreenTest, OffsetsShiftPositionsButNotLengths) {
  auto screen = tScreen::Create(2, 3, 10, 20);
  EXPECT_FLOAT_EQ(screen->H2X(5), 20.0f);
  EXPECT_FLOAT_EQ(screen->V2Y(5), 35.0f);
  EXPECT_FLOAT_EQ(screen->X2H(20), 5.0f);
  EXPECT_FLOAT_EQ(screen->Y2V(35), 5.0f);
  EXPECT_FLOAT_EQ(screen->L2W(5), 10.0f);
  EXPECT_FLOAT_EQ(screen->T2H(5), 15.0f);
}

TEST_F(ScreenTest, NegativeOrNanScaleTakesGraphicsSize) {
  TGraphicsPtr g = CreateGraphics(640, 480, 0, 0, 2);
  ASSERT_TRUE(g);
  SetGraphics(g);
  auto screen = tScreen::Create(-1, std::nanf(""), 0, 0);
  EXPECT_FLOAT_EQ(screen->w, 640.0f);
  EXPECT_FLOAT_EQ(screen->h, 480.0f);
  auto projection = tScreen::CreateProjection(800, 600, -1, -1, 0, 0);
  EXPECT_FLOAT_EQ(projection->w, 0.8f);
  EXPECT_FLOAT_EQ(projection->h, 0.8f);
  CloseGraphics(g);
  EXPECT_EQ(GraphicsWidth(), 0);
}

TEST_F(ScreenTest, SetupChangesCurrentScreenInPlace) {
  tScreen& current = tScreen::Current();
  tScreen::CreateProjection(800, 600, 1600, 1200, 0, 0)->Setup();
  EXPECT_EQ(&current, &tScreen::Current());
  EXPECT_FLOAT_EQ(H2X(100), 200.0f);
  EXPECT_EQ(rV2Y(100), 200);
  EXPECT_FLOAT_EQ(aspectw(), 2.0f);

  tScreen::Create(1, 1, 5, 5)->Setup();
  EXPECT_FLOAT_EQ(H2X(100), 105.0f);
  EXPECT_FLOAT_EQ(X2H(105), 100.0f);
  EXPECT_FLOAT_EQ(current.x, 5.0f);
}

}  // namespace vandrell

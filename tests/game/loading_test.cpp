#include "game/loading.h"

#include <gtest/gtest.h>

#include "platform/draw.h"
#include "platform/window.h"
#include "resources/working_folder.h"
#include "support/manual_time.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

// Counts the frames presented, and keeps the last one.
class LoadingTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    SetPresentHook(&LoadingTest::presented, this);
  }
  void TearDown() override {
    SetPresentHook(nullptr, nullptr);
    RenderTest::TearDown();
  }

  static void presented(void* context) {
    auto* test = static_cast<LoadingTest*>(context);
    ++test->presents;
    test->last = GrabPixmap(0, 0, WIDTH, HEIGHT);
  }

  WorkingFolder folder;  // no art: the frame counter runs all the same
  ManualTime time;
  int32_t presents = 0;
  TPixmapPtr last;
};

}  // namespace

TEST_F(LoadingTest, ManyQuickCallsShowAtMostOneNewFrame) {
  tProgressLoading loading;
  EXPECT_EQ(presents, 1) << "the first frame shows at once";
  for (int32_t i = 0; i < 10; ++i) {
    time.clock.advance(5);
    loading.interrupt();
  }
  EXPECT_EQ(presents, 1) << "50 ms is half a frame of a 10 fps animation";
  time.clock.advance(60);
  loading.interrupt();
  EXPECT_EQ(presents, 2);
  EXPECT_EQ(loading.frame(), 1);
}

TEST_F(LoadingTest, ALongStepAdvancesOneFrameOnly) {
  tProgressLoading loading;
  time.clock.advance(3000);
  loading.interrupt();
  EXPECT_EQ(loading.frame(), 1);
  EXPECT_EQ(presents, 2);
  loading.restart();
  EXPECT_EQ(loading.frame(), 0) << "a restart rewinds";
}

TEST_F(LoadingTest, TheQuietScreenShowsBlackAtEachCall) {
  tQuietLoading loading;
  SetClsColor(0, 0, 0);
  for (int32_t i = 0; i < 3; ++i) {
    SetColor(255, 255, 255);
    DrawRect(0, 0, WIDTH, HEIGHT);
    loading.interrupt();
    ASSERT_EQ(presents, i + 1);
    EXPECT_TRUE(AreaNear(last, 0, 0, WIDTH, HEIGHT, 0x000000, 0));
  }
}

}  // namespace vandrell

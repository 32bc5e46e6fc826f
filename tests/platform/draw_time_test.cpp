// Counting the time spent in drawing calls, which benchmarks subtract from a
// frame to find the engine's own work.
#include "support/render_fixture.h"

namespace vandrell {

TEST_F(RenderTest, DrawTimeCountsOnlyTheDrawingCallsAndOnlyWhileOn) {
  const TImagePtr image = imageOf(2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF});
  const auto draw = [&] {
    Cls();
    for (int32_t i = 0; i < 20; ++i) DrawImage(image, 1.0f, 1.0f);
    Flip(0);
  };
  CountDrawTime(true);
  EXPECT_EQ(CountedDrawTime(), 0.0) << "nothing drawn yet";
  draw();
  const double counted = CountedDrawTime();
  EXPECT_GT(counted, 0.0);

  CountDrawTime(false);
  draw();
  EXPECT_EQ(CountedDrawTime(), counted) << "drawing while off adds nothing";
  CountDrawTime(true);
  EXPECT_EQ(CountedDrawTime(), 0.0) << "switching on starts a new count";
  CountDrawTime(false);
}

}  // namespace vandrell

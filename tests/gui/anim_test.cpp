#include "gui/anim.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace vandrell {

namespace {

// The frame after each of `updates` updates of one frame's time at 10 fps.
std::vector<int32_t> run(tAnim& anim, int updates) {
  std::vector<int32_t> frames;
  for (int i = 0; i < updates; ++i) {
    anim.update(0.1f);
    frames.push_back(anim.frame());
  }
  return frames;
}

TEST(AnimTest, NewCounterIsPausedOnFrameZero) {
  tAnim anim;
  EXPECT_EQ(anim._play, 0);
  EXPECT_EQ(anim.frame(), 0);
  EXPECT_EQ(anim.frame0(), 0);
  EXPECT_EQ(anim.frame1(), 0);
  anim.update(1.0f);
  EXPECT_EQ(anim.frame(), 0);
}

TEST(AnimTest, ForwardOnceStopsOnTheLastFrame) {
  tAnim anim;
  anim.anim(10, 0, 5, 1);
  EXPECT_EQ(anim.frame(), 0);
  EXPECT_EQ(run(anim, 7), (std::vector<int32_t>{1, 2, 3, 4, 5, 5, 5}));
  EXPECT_EQ(anim._play, 0);
  EXPECT_EQ(anim._anim, 0);
}

TEST(AnimTest, BackwardOnceStopsOnTheFirstFrame) {
  tAnim anim;
  anim.anim(10, 5, 0, 1);
  EXPECT_LT(anim.getSpeed(), 0);
  EXPECT_EQ(anim.frame0(), 0);
  EXPECT_EQ(anim.frame1(), 5);
  EXPECT_EQ(anim.frame(), 5);
  EXPECT_EQ(run(anim, 7), (std::vector<int32_t>{4, 3, 2, 1, 0, 0, 0}));
  EXPECT_EQ(anim._play, 0);
}

TEST(AnimTest, BackAndForthNeverRepeatsAFrameAtTheTurns) {
  tAnim anim;
  anim.anim(10, 0, 3, ANIM_PINGPONG);
  std::vector<int32_t> frames{anim.frame()};
  for (int32_t f : run(anim, 12)) frames.push_back(f);
  EXPECT_EQ(frames, (std::vector<int32_t>{0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0}));
  EXPECT_EQ(anim._play, 1);
}

TEST(AnimTest, TwoPassesThenStop) {
  tAnim anim;
  anim.anim(10, 0, 3, 2);
  EXPECT_EQ(run(anim, 9), (std::vector<int32_t>{1, 2, 3, 0, 1, 2, 3, 3, 3}));
  EXPECT_EQ(anim._play, 0);
}

TEST(AnimTest, LoopsForever) {
  tAnim anim;
  anim.anim(10, 2, 4, ANIM_LOOP);
  EXPECT_EQ(run(anim, 7), (std::vector<int32_t>{3, 4, 2, 3, 4, 2, 3}));
}

TEST(AnimTest, PlayDoesNotRestartAFinishedCounterButStartDoes) {
  tAnim anim;
  anim.anim(10, 0, 2, 1);
  run(anim, 3);
  ASSERT_EQ(anim._play, 0);
  anim.play();
  EXPECT_EQ(anim._play, 0);
  run(anim, 2);
  EXPECT_EQ(anim.frame(), 2);
  anim.start(1);
  EXPECT_EQ(anim._play, 1);
  EXPECT_EQ(anim.frame(), 0);
  EXPECT_EQ(run(anim, 2), (std::vector<int32_t>{1, 2}));
}

TEST(AnimTest, PauseAndPlayResumeWhereItWas) {
  tAnim anim;
  anim.anim(10, 0, 5, 1);
  run(anim, 2);
  anim.pause();
  run(anim, 3);
  EXPECT_EQ(anim.frame(), 2);
  anim.play();
  EXPECT_EQ(run(anim, 1), (std::vector<int32_t>{3}));
  anim.stop();
  EXPECT_EQ(anim.frame(), 0);
  EXPECT_EQ(anim._play, 0);
}

TEST(AnimTest, OneFrameStepPerUpdateAndTheRestCarriesOver) {
  tAnim anim;
  anim.anim(10, 0, 9, 1);
  anim.update(0.35f);  // three and a half frames' time
  EXPECT_EQ(anim.frame(), 1);
  EXPECT_NEAR(anim._time, 2.5f, 1e-5);
  anim.update(0.0f);  // no time: nothing
  EXPECT_EQ(anim.frame(), 1);
  anim.update(0.001f);  // 2.51 left: a step
  EXPECT_EQ(anim.frame(), 2);
  anim.update(0.001f);  // 1.52: a step
  EXPECT_EQ(anim.frame(), 3);
  anim.update(0.001f);  // 0.53: the carried time is used up
  EXPECT_EQ(anim.frame(), 3);
}

TEST(AnimTest, EqualBoundsRunBackwardAndZeroSpeedStandsStill) {
  tAnim anim;
  anim.anim(10, 3, 3, ANIM_LOOP);
  EXPECT_LT(anim.getSpeed(), 0);
  EXPECT_EQ(run(anim, 2), (std::vector<int32_t>{3, 3}));
  anim.anim(0, 0, 4, 1);
  EXPECT_EQ(run(anim, 3), (std::vector<int32_t>{4, 4, 4}));  // no speed: no direction, starts at the end
}

TEST(AnimTest, CopyIsIndependent) {
  tAnim anim;
  anim.anim(10, 0, 5, 3);
  run(anim, 2);
  const tAnimPtr twin = anim.copy();
  EXPECT_EQ(twin->frame(), 2);
  EXPECT_EQ(twin->_anim, 3);
  EXPECT_EQ(twin->_time, anim._time);
  run(*twin, 1);
  EXPECT_EQ(twin->frame(), 3);
  EXPECT_EQ(anim.frame(), 2);
}

TEST(AnimTest, FramesSetFarOutsideTheRangeComeBackWithoutOverflow) {
  tAnim anim;
  anim.anim(10, 0, 3, ANIM_LOOP);
  anim.go(std::numeric_limits<int32_t>::max());
  run(anim, 1);
  EXPECT_EQ(anim.frame(), 0);
  anim.anim(10, 3, 0, ANIM_LOOP);
  anim.go(std::numeric_limits<int32_t>::min());
  run(anim, 1);
  EXPECT_EQ(anim.frame(), 3);
  // A pass count that is neither a count nor a forever mode loops.
  anim.anim(10, 0, 1, -7);
  EXPECT_EQ(run(anim, 3), (std::vector<int32_t>{1, 0, 1}));
}

}  // namespace

}  // namespace vandrell

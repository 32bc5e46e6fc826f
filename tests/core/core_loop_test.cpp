#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <numeric>
#include <vector>

#include "core/automation.h"
#include "core/core.h"
#include "platform/event.h"
#include "platform/process.h"
#include "support/log_capture.h"
#include "support/manual_time.h"

namespace vandrell {

namespace {

TEvent makeEvent(int32_t id, int32_t data = 0) {
  TEvent ev;
  ev.id = id;
  ev.data = data;
  return ev;
}

// A frame loop that records what it is given and quits after a number of
// updates. `onFrame` runs inside render() to simulate work taking time.
class LoopProbe : public tCore {
 public:
  explicit LoopProbe(int frames) : framesLeft(frames) {}

  void update(float delta) override {
    deltas.push_back(delta);
    if (--framesLeft < 0) quit();
  }
  void event(const TEvent& ev) override { received.push_back(ev); }
  void render() override {
    if (onFrame) onFrame(static_cast<int>(deltas.size()));
  }
  void finalize() override { ++finalized; }

  // Runs until the loop quits; returns the exit code.
  int32_t runToExit() {
    try {
      run();
    } catch (const TProcessExit& exit) {
      return exit.code;
    }
    return -1;  // run() never returns normally
  }

  float fpsTarget() const { return _fps; }

  std::vector<float> deltas;
  std::vector<TEvent> received;
  std::function<void(int)> onFrame;
  int framesLeft;
  int finalized = 0;
};

}  // namespace

TEST(FrameLoop, SixtyFramesPerSecondGivesSteadyDeltasAndSleepsTheRest) {
  ManualTime time;
  LoopProbe loop(10);
  loop.fps(60);
  loop.onFrame = [&](int) { time.clock.advance(4); };  // 4 ms of work a frame
  EXPECT_EQ(loop.runToExit(), 0);
  ASSERT_EQ(loop.deltas.size(), 11u);
  EXPECT_FLOAT_EQ(loop.deltas[0], 0.0f) << "the first frame after near() advances by 0";
  for (size_t i = 2; i < loop.deltas.size(); ++i) EXPECT_NEAR(loop.deltas[i], 1.0f / 60.0f, 0.0011f) << i;
  EXPECT_GT(time.clock.sleepCalls(), 0);
}

TEST(FrameLoop, UnderFixedTimeFramesLastOnePeriodOnAverageThoughSleepsAreWholeMilliseconds) {
  tAutomation automation;
  automation.parse({"vandrell", "-fixedtime"});
  automation.start(60);
  LoopProbe loop(1500);
  loop.fps(60);
  loop.runToExit();
  ASSERT_EQ(loop.deltas.size(), 1501u);
  for (size_t i = 1; i < loop.deltas.size(); ++i) EXPECT_NEAR(loop.deltas[i], 1.0f / 60.0f, 0.0011f) << i;
  // 1500 frames are 25 seconds, as at 60 frames a second; a recharge of 60
  // seconds started before them has 35 left.
  EXPECT_NEAR(std::accumulate(loop.deltas.begin(), loop.deltas.end(), 0.0), 25.0, 0.001);
}

TEST(FrameLoop, LongStallIsCappedAtStepLimit) {
  ManualTime time;
  LoopProbe loop(6);
  loop.fps(60);
  loop.onFrame = [&](int frame) {
    if (frame == 3) time.clock.advance(2000);
  };
  loop.runToExit();
  ASSERT_GE(loop.deltas.size(), 5u);
  for (float d : loop.deltas) EXPECT_LE(d, 0.1f + 1e-6f);
  EXPECT_FLOAT_EQ(loop.deltas[3], 0.1f) << "the frame after the stall gets the step limit";
  EXPECT_NEAR(loop.deltas[4], 1.0f / 60.0f, 0.0011f) << "and then the pace returns to normal";
}

TEST(FrameLoop, NearHidesBlockingWorkFromTheNextDelta) {
  ManualTime time;
  LoopProbe loop(5);
  loop.fps(60);
  loop.onFrame = [&](int frame) {
    if (frame == 2) {
      time.clock.advance(500);  // a level load
      loop.near();
    }
  };
  loop.runToExit();
  ASSERT_GE(loop.deltas.size(), 4u);
  // The half second of loading is not passed on: the next frame is one
  // ordinary frame period long, not the 0.1 s step limit.
  EXPECT_NEAR(loop.deltas[2], 1.0f / 60.0f, 0.0011f);
}

TEST(FrameLoop, VsyncForcesSixtyAndNeverSleepsUnlessSuspended) {
  ManualTime time;
  LoopProbe loop(5);
  loop.fps(25);
  loop.vsync(1);
  loop.runToExit();
  EXPECT_FLOAT_EQ(loop.fpsTarget(), 60.0f);
  EXPECT_EQ(time.clock.sleepCalls(), 0);

  ManualTime time2;
  LoopProbe suspended(5);
  suspended.vsync(1);
  PostEvent(makeEvent(EVENT_APPSUSPEND));
  suspended.runToExit();
  EXPECT_EQ(suspended.isSuspend(), 1);
  EXPECT_GT(time2.clock.sleepCalls(), 0) << "a suspended program paces by sleeping";
}

TEST(FrameLoop, UnpacedLoopNeverSleepsButStillCapsSteps) {
  ManualTime time;
  LoopProbe loop(4);
  loop.onFrame = [&](int) { time.clock.advance(300); };
  loop.runToExit();
  EXPECT_EQ(time.clock.sleepCalls(), 0);
  for (float d : loop.deltas) EXPECT_LE(d, 0.1f + 1e-6f);
  EXPECT_FLOAT_EQ(loop.deltas[2], 0.1f);
}

TEST(FrameLoop, SpeedScalesTheDelta) {
  ManualTime time;
  LoopProbe loop(4);
  loop.fps(50);
  loop.speed(0.5f);
  loop.runToExit();
  EXPECT_NEAR(loop.deltas[3], 0.01f, 1e-5f);
}

TEST(FrameLoop, FrameRateIsSmoothedTowardTheAchievedRate) {
  ManualTime time;
  LoopProbe loop(200);
  loop.fps(50);
  loop.runToExit();
  EXPECT_NEAR(loop.getFps(), 50.0f, 0.5f);
}

TEST(FrameLoop, ClockWrapDoesNotStallTheLoop) {
  ManualTime time(INT32_MAX - 30);
  LoopProbe loop(8);
  loop.fps(60);
  loop.runToExit();
  for (size_t i = 1; i < loop.deltas.size(); ++i) EXPECT_NEAR(loop.deltas[i], 1.0f / 60.0f, 0.0011f) << i;
  EXPECT_LT(time.clock.sleptTotal(), 8 * 17) << "no sleep across the wrap may last longer than a frame";
}

TEST(FrameLoop, FlushDropsQueuedKeysButKeepsMoves) {
  ManualTime time;
  LoopProbe loop(0);
  PostEvent(makeEvent(EVENT_KEYDOWN, 'A'));
  PostEvent(makeEvent(EVENT_MOUSEMOVE));
  loop.flush();
  ASSERT_EQ(loop.received.size(), 1u);
  EXPECT_EQ(loop.received[0].id, EVENT_MOUSEMOVE);

  // The next frame's event pass drops input once more.
  PostEvent(makeEvent(EVENT_MOUSEDOWN, 1));
  PostEvent(makeEvent(EVENT_MOUSEMOVE));
  loop.framesLeft = 1;
  loop.onFrame = [&](int frame) {
    if (frame == 1) PostEvent(makeEvent(EVENT_KEYDOWN, 'B'));
  };
  loop.runToExit();
  ASSERT_EQ(loop.received.size(), 3u);
  EXPECT_EQ(loop.received[1].id, EVENT_MOUSEMOVE);
  EXPECT_EQ(loop.received[2].id, EVENT_KEYDOWN) << "only one frame is flushed";
  EXPECT_EQ(loop.received[2].data, 'B');
}

TEST(FrameLoop, StopKeyQuitsThroughFinalizeWithoutDeliveringTheKey) {
  ManualTime time;
  LogCapture log;
  LoopProbe loop(100);
  loop.keyStop(27);
  PostEvent(makeEvent(EVENT_KEYDOWN, 'A'));
  PostEvent(makeEvent(EVENT_KEYDOWN, 27));
  EXPECT_EQ(loop.runToExit(), 0);
  EXPECT_EQ(loop.finalized, 1);
  ASSERT_EQ(loop.received.size(), 1u);
  EXPECT_EQ(loop.received[0].data, 'A');
  EXPECT_TRUE(log.contains("Stop key pressed."));
  EXPECT_EQ(log.lines().back(), "Quit.");
}

TEST(FrameLoop, WithoutSpecialKeysEscapeIsOrdinaryInput) {
  ManualTime time;
  LoopProbe loop(1);
  PostEvent(makeEvent(EVENT_KEYDOWN, 27));
  PostEvent(makeEvent(EVENT_KEYDOWN, 0));
  loop.runToExit();
  ASSERT_EQ(loop.received.size(), 2u);
  EXPECT_EQ(loop.finalized, 1) << "only the frame limit of the probe ended it";
}

TEST(FrameLoop, PauseKeyDiscardsEverythingUntilPressedAgain) {
  ManualTime time;
  LogCapture log;
  LoopProbe loop(1);
  loop.keyPause(19);
  PostEvent(makeEvent(EVENT_KEYDOWN, 19));
  PostEvent(makeEvent(EVENT_KEYDOWN, 'A'));
  PostEvent(makeEvent(EVENT_APPTERMINATE));
  PostEvent(makeEvent(EVENT_KEYDOWN, 19));
  PostEvent(makeEvent(EVENT_KEYDOWN, 'B'));
  loop.runToExit();
  ASSERT_EQ(loop.received.size(), 2u);
  EXPECT_EQ(loop.received[0].data, 19) << "the key that ends the pause is dispatched";
  EXPECT_EQ(loop.received[1].data, 'B');
  EXPECT_TRUE(log.contains("Pause key pressed."));
}

TEST(FrameLoop, TerminateSuspendAndResumeReachTheirOperations) {
  ManualTime time;
  LogCapture log;
  LoopProbe loop(100);
  PostEvent(makeEvent(EVENT_APPSUSPEND));
  PostEvent(makeEvent(EVENT_APPRESUME));
  PostEvent(makeEvent(EVENT_APPTERMINATE));
  EXPECT_EQ(loop.runToExit(), 0);
  const std::vector<std::string> expected = {"Suspend...", "Resume...", "Terminate...", "Terminated.", "Quit."};
  EXPECT_EQ(log.lines(), expected);
  ASSERT_EQ(loop.received.size(), 2u) << "suspend and resume are dispatched after handling";
  EXPECT_EQ(loop.received[0].id, EVENT_APPSUSPEND);
  EXPECT_EQ(loop.received[1].id, EVENT_APPRESUME);
  EXPECT_EQ(loop.isSuspend(), 0);
}

}  // namespace vandrell

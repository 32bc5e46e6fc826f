#include <gtest/gtest.h>

#include "platform/event.h"
#include "platform/input.h"

namespace vandrell {

namespace {
class EventQueueTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearEvents(); }
  void TearDown() override { ClearEvents(); }
};

TEvent key(int32_t code) {
  TEvent ev;
  ev.id = EVENT_KEYDOWN;
  ev.data = code;
  return ev;
}
}  // namespace

TEST_F(EventQueueTest, EmptyQueuePollsZeroAndClearsCurrentEvent) {
  PostEvent(key('A'));
  ASSERT_EQ(PollEvent(), EVENT_KEYDOWN);
  EXPECT_EQ(CurrentEvent().data, 'A');
  EXPECT_EQ(PollEvent(), 0);
  EXPECT_EQ(CurrentEvent().id, 0);
  EXPECT_EQ(CurrentEvent().data, 0);
}

TEST_F(EventQueueTest, EventsLeaveInOrderAcrossTheRingBoundary) {
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(PostEvent(key(i)));
    for (int i = 0; i < 200; ++i) {
      ASSERT_EQ(PollEvent(), EVENT_KEYDOWN);
      ASSERT_EQ(CurrentEvent().data, i);
    }
  }
}

TEST_F(EventQueueTest, EventsBeyondCapacityAreLost) {
  for (int i = 0; i < EVENT_QUEUE_CAPACITY; ++i) ASSERT_TRUE(PostEvent(key(i)));
  EXPECT_FALSE(PostEvent(key(9999)));
  EXPECT_EQ(QueuedEvents(), EVENT_QUEUE_CAPACITY);
  int last = -1;
  while (PollEvent()) last = CurrentEvent().data;
  EXPECT_EQ(last, EVENT_QUEUE_CAPACITY - 1);
  EXPECT_TRUE(PostEvent(key(1))) << "space frees as events are polled";
}

TEST_F(EventQueueTest, MouseEventsMoveTheTrackedPointer) {
  TEvent move;
  move.id = EVENT_MOUSEMOVE;
  move.x = 120;
  move.y = 45;
  PostEvent(move);
  EXPECT_EQ(MouseX(), 120);
  EXPECT_EQ(MouseY(), 45);
  TEvent wheel;
  wheel.id = EVENT_MOUSEWHEEL;
  wheel.data = 1;
  PostEvent(wheel);
  EXPECT_EQ(MouseX(), 120) << "events without a position leave it alone";
  MoveMouse(7, 8);
  EXPECT_EQ(MouseX(), 7);
  EXPECT_EQ(MouseY(), 8);
}

}  // namespace vandrell

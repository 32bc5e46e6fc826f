#include <gtest/gtest.h>

#include <vector>

#include "platform/event.h"
#include "platform/input_record.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {
TEvent makeEvent(int32_t id, int32_t data, int32_t mods, int32_t x, int32_t y) {
  TEvent ev;
  ev.id = id;
  ev.data = data;
  ev.mods = mods;
  ev.x = x;
  ev.y = y;
  return ev;
}

bool sameEvent(const TEvent& a, const TEvent& b) {
  return a.id == b.id && a.data == b.data && a.mods == b.mods && a.x == b.x && a.y == b.y;
}
}  // namespace

TEST(InputRecord, RecordedSessionReplaysToTheSameEventsOnTheSameFrames) {
  ClearEvents();
  TempDir dir;
  const std::vector<TRecordedEvent> session = {
      {0, makeEvent(EVENT_MOUSEMOVE, 0, 0, 10, 20)},
      {0, makeEvent(EVENT_MOUSEDOWN, 1, 0, 10, 20)},
      {3, makeEvent(EVENT_KEYDOWN, 'A', MODIFIER_SHIFT, 10, 20)},
      {3, makeEvent(EVENT_KEYCHAR, 0xE9, 0, 10, 20)},
      {7, makeEvent(EVENT_APPTERMINATE, 0, 0, 0, 0)},
  };
  {
    auto recorder = TInputRecorder::Create(dir.file("session.txt"));
    ASSERT_TRUE(recorder);
    for (const TRecordedEvent& r : session) {
      recorder->setFrame(r.frame);
      PostEvent(r.event);
    }
  }
  ClearEvents();

  auto replay = TInputReplay::Load(dir.file("session.txt"));
  ASSERT_TRUE(replay);
  std::vector<TRecordedEvent> replayed;
  for (int32_t frame = 0; frame < 10; ++frame) {
    replay->feed(frame);
    while (PollEvent()) replayed.push_back({frame, CurrentEvent()});
  }
  EXPECT_TRUE(replay->finished());
  ASSERT_EQ(replayed.size(), session.size());
  for (size_t i = 0; i < session.size(); ++i) {
    EXPECT_EQ(replayed[i].frame, session[i].frame) << i;
    EXPECT_TRUE(sameEvent(replayed[i].event, session[i].event)) << i;
  }
}

TEST(InputRecord, MalformedLinesAreReportedAndSkipped) {
  LogCapture log;
  auto replay = TInputReplay::Parse(
      "# comment\n"
      "2 513 65 0 1 1\n"
      "two 513 65 0 1 1\n"
      "4 513 66 0 1\n"
      "-1 513 67 0 1 1\n"
      "\n"
      "1 1027 0 0 5 6 extra\n"
      "1 1027 0 0 5 6\r\n",
      "bad.txt");
  ASSERT_EQ(replay->events().size(), 2u);
  EXPECT_EQ(replay->events()[0].frame, 1) << "events are ordered by frame";
  EXPECT_EQ(replay->events()[1].event.data, 65);
  EXPECT_TRUE(log.contains("bad.txt:3:"));
  EXPECT_TRUE(log.contains("bad.txt:4:"));
  EXPECT_TRUE(log.contains("bad.txt:5:"));
  EXPECT_TRUE(log.contains("bad.txt:7:"));
}

TEST(InputRecord, MissingFileIsADiagnosticNotACrash) {
  LogCapture log;
  EXPECT_FALSE(TInputReplay::Load("/nonexistent/session.txt"));
  EXPECT_TRUE(log.contains("/nonexistent/session.txt"));
}

}  // namespace vandrell

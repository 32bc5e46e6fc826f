// Replayed input: the log marks the frame at which the recorded input ran
// out, so a test can tell what the program did with the last of it from
// what came before.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "core/automation.h"
#include "platform/event.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vandrell {

TEST(AutomationReplay, SaysOnceAtWhichFrameTheRecordedInputRanOut) {
  TempDir dir;
  const std::string session = dir.file("session.txt");
  std::ofstream(session) << "# frame id data mods x y\n4 514 65 0 0 0\n2 513 65 0 0 0\n";
  LogCapture log;
  {
    tAutomation automation;
    automation.parse({"vandrell", "-fixedtime", "-frames", "8", "-replay", session});
    automation.start(60);
    int32_t events = 0;
    while (!automation.endFrame()) {
      while (PollEvent()) ++events;
      EXPECT_EQ(log.contains("Replay finished"), automation.frame() >= 4) << "frame " << automation.frame();
    }
    EXPECT_EQ(events, 2);
  }
  EXPECT_EQ(std::count(log.lines().begin(), log.lines().end(), "Replay finished at frame 4."), 1);
}

}  // namespace vandrell

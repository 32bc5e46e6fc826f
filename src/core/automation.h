// Switches for running the program unattended: a fixed number of frames,
// recorded input and its replay, a clock that advances exactly one frame
// period per frame, and where diagnostics go. The game ignores switches it
// does not know, so these never clash with its own.
//
//   -frames N      run N frames, then quit with exit code 0
//   -record FILE   write every input event with its frame number to FILE
//   -replay FILE   feed such a file back as input (window input is ignored)
//   -fixedtime     run on a manual clock: deterministic and as fast as possible
//   -headless      no display and no sound card, whatever the machine has
//   -log FILE      write diagnostics to FILE ("-" for standard error)
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/input_record.h"

class tAutomation {
 public:
  tAutomation() = default;
  tAutomation(const tAutomation&) = delete;
  tAutomation& operator=(const tAutomation&) = delete;
  ~tAutomation();

  // Reads the switches; applies the log and headless ones at once.
  void parse(const std::vector<std::string>& args);
  // Opens the record and replay files and installs the clock. Call before the
  // frame loop starts.
  void start();
  // Called once per frame after the program was advanced: counts the frame and
  // queues the replayed input of the next one. True when the frame limit is
  // reached.
  bool endFrame();

  int32_t frame() const { return _frame; }
  int32_t frameLimit() const { return _frameLimit; }
  bool fixedTime() const { return _fixedTime; }

 private:
  int32_t _frameLimit = 0;  // 0 = run until quit
  int32_t _frame = 0;
  bool _fixedTime = false;
  std::string _recordPath;
  std::string _replayPath;
  std::unique_ptr<TInputRecorder> _recorder;
  std::unique_ptr<TInputReplay> _replay;
  std::unique_ptr<TManualClock> _clock;
};

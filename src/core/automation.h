// Running the program unattended: a fixed number of frames, recorded input
// and its replay, a clock that advances exactly one frame period per frame,
// screenshots, and where diagnostics go (the automation switches of
// core/switches.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/input_record.h"
#include "platform/pixmap.h"
#include "platform/process_wide.h"

namespace vandrell {

class tAutomation {
 public:
  tAutomation() = default;
  tAutomation(const tAutomation&) = delete;
  tAutomation& operator=(const tAutomation&) = delete;
  ~tAutomation();

  // Reads the switches; applies the log and headless ones at once.
  void parse(const std::vector<std::string>& args);
  // Opens the record and replay files and installs the clock, whose frames
  // last 1000 / `framesPerSecond` ms under "-fixedtime" (the rate the frame
  // loop paces to; 0 for an unpaced loop). Call before the frame loop starts.
  void start(int32_t framesPerSecond);
  // Called once per frame after the program was advanced: counts the frame and
  // queues the replayed input of the next one. True when the frame limit is
  // reached.
  bool endFrame();

  int32_t frame() const { return _frame; }

 private:
  // Posts the replayed input of `frame`, and says so once the last is posted.
  void feedReplay(int32_t frame);
  // Keeps each finished frame (and writes those -shotevery asks for), so
  // that the last one can be written when the program ends.
  static void presented(void* self);
  void writeShot(const TPixmap& pixels, int32_t frame) const;
  // The last finished frame, unless it is written already.
  void writeLastShot();

  int32_t _frameLimit = 0;  // 0 = run until quit
  int32_t _frame = 0;
  bool _fixedTime = false;
  std::string _recordPath;
  std::string _replayPath;
  std::unique_ptr<TInputRecorder> _recorder;
  std::unique_ptr<TInputReplay> _replay;
  // Fixed time: the manual clock in use while the run lasts.
  std::unique_ptr<tCurrentScope<TClock>> _clock;
  std::string _shotDir;
  int32_t _shotEvery = 0;
  TPixmapPtr _lastShot;
  int32_t _lastShotFrame = -1;
  bool _lastShotWritten = false;
};

}  // namespace vandrell

#include "core/automation.h"

#include <charconv>

#include "platform/input.h"
#include "platform/log.h"
#include "platform/window.h"

namespace {
bool parseCount(const std::string& text, int32_t& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && value >= 0;
}
}  // namespace

tAutomation::~tAutomation() {
  if (_clock) SetClock(nullptr);
  SetSystemInputEnabled(true);
}

void tAutomation::parse(const std::vector<std::string>& args) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "-fixedtime") {
      _fixedTime = true;
    } else if (arg == "-headless") {
      SetHeadless(true);
    } else if (!hasValue) {
      continue;
    } else if (arg == "-frames") {
      if (!parseCount(args[++i], _frameLimit)) {
        DebugLog("-frames needs a whole number of frames, not \"" + args[i] + "\"");
        _frameLimit = 0;
      }
    } else if (arg == "-record") {
      _recordPath = args[++i];
    } else if (arg == "-replay") {
      _replayPath = args[++i];
    } else if (arg == "-log") {
      if (!SetDebugLogTarget(args[++i])) DebugLog("Can't write the log file \"" + args[i] + "\"!");
    }
  }
}

void tAutomation::start() {
  if (_fixedTime) {
    _clock = std::make_unique<TManualClock>();
    SetClock(_clock.get());
  }
  // The recorder comes first so that it also sees the replayed first frame.
  if (!_recordPath.empty()) _recorder = TInputRecorder::Create(_recordPath);
  if (!_replayPath.empty()) {
    _replay = TInputReplay::Load(_replayPath);
    if (_replay) {
      SetSystemInputEnabled(false);
      _replay->feed(0);
    }
  }
}

bool tAutomation::endFrame() {
  ++_frame;
  if (_recorder) _recorder->setFrame(_frame);
  if (_replay) _replay->feed(_frame);
  return _frameLimit > 0 && _frame >= _frameLimit;
}

#include "core/automation.h"

#include <charconv>

#include <cstdio>

#include "platform/draw.h"
#include "platform/filesystem.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/png_codec.h"
#include "platform/window.h"

namespace vandrell {

namespace {
bool parseCount(const std::string& text, int32_t& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && value >= 0;
}
}  // namespace

tAutomation::~tAutomation() {
  if (!_shotDir.empty()) {
    SetPresentHook(nullptr, nullptr);
    if (_lastShot && !_lastShotWritten) writeShot(*_lastShot, _lastShotFrame);
  }
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
    } else if (arg == "-shot") {
      _shotDir = args[++i];
    } else if (arg == "-shotevery") {
      if (!parseCount(args[++i], _shotEvery)) {
        DebugLog("-shotevery needs a whole number of frames, not \"" + args[i] + "\"");
        _shotEvery = 0;
      }
    } else if (arg == "-log") {
      if (!SetDebugLogTarget(args[++i])) DebugLog("Can't write the log file \"" + args[i] + "\"!");
    }
  }
}

void tAutomation::start() {
  if (_fixedTime) {
    _clock = std::make_unique<tCurrentScope<TClock>>(std::make_shared<TManualClock>());
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
  if (!_shotDir.empty()) {
    if (FileType(_shotDir) != FILETYPE_DIR && !CreateDir(_shotDir))
      DebugLog("Can't create the screenshot folder \"" + _shotDir + "\"");
    SetPresentHook(&tAutomation::presented, this);
  }
}

void tAutomation::presented(void* self) {
  auto& automation = *static_cast<tAutomation*>(self);
  automation._lastShot = GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight());
  automation._lastShotFrame = automation._frame;
  automation._lastShotWritten = false;
  if (automation._lastShot && automation._shotEvery > 0 && automation._frame % automation._shotEvery == 0) {
    automation.writeShot(*automation._lastShot, automation._frame);
    automation._lastShotWritten = true;
  }
}

void tAutomation::writeShot(const TPixmap& pixels, int32_t frame) const {
  char name[32];
  std::snprintf(name, sizeof name, "/frame_%06d.png", frame);
  SavePixmapPNG(pixels, _shotDir + name);
}

bool tAutomation::endFrame() {
  ++_frame;
  if (_recorder) _recorder->setFrame(_frame);
  if (_replay) _replay->feed(_frame);
  return _frameLimit > 0 && _frame >= _frameLimit;
}

}  // namespace vandrell

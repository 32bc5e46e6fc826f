#include "core/automation.h"

#include <charconv>
#include <cstdio>
#include <utility>

#include "core/switches.h"

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
    writeLastShot();
  }
  SetSystemInputEnabled(true);
}

void tAutomation::writeLastShot() {
  if (_lastShot && !_lastShotWritten) writeShot(*_lastShot, _lastShotFrame);
  _lastShotWritten = true;
}

void tAutomation::parse(const std::vector<std::string>& args) {
  tSwitches::Scan(args, tSwitch::AUTOMATION, [this](const std::string& name, const std::string& value) {
    if (name == "-fixedtime") {
      _fixedTime = true;
    } else if (name == "-headless") {
      SetHeadless(true);
    } else if (name == "-frames") {
      if (!parseCount(value, _frameLimit)) {
        DebugLog("-frames needs a whole number of frames, not \"" + value + "\"");
        _frameLimit = 0;
      }
    } else if (name == "-record") {
      _recordPath = value;
    } else if (name == "-replay") {
      _replayPath = value;
    } else if (name == "-shot") {
      _shotDir = value;
    } else if (name == "-shotevery") {
      if (!parseCount(value, _shotEvery)) {
        DebugLog("-shotevery needs a whole number of frames, not \"" + value + "\"");
        _shotEvery = 0;
      }
    } else if (name == "-log") {
      if (!SetDebugLogTarget(value)) DebugLog("Can't write the log file \"" + value + "\"!");
    }
  });
}

void tAutomation::start(int32_t framesPerSecond) {
  if (_fixedTime) {
    auto clock = std::make_shared<TManualClock>();
    clock->frameRate(framesPerSecond);
    _clock = std::make_unique<tCurrentScope<TClock>>(std::move(clock));
  }
  // The recorder comes first so that it also sees the replayed first frame.
  if (!_recordPath.empty()) _recorder = TInputRecorder::Create(_recordPath);
  if (!_replayPath.empty()) {
    _replay = TInputReplay::Load(_replayPath);
    if (_replay) {
      SetSystemInputEnabled(false);
      feedReplay(0);
    }
  }
  if (!_shotDir.empty()) {
    if (FileType(_shotDir) != FILETYPE_DIR && !CreateDir(_shotDir))
      DebugLog("Can't create the screenshot folder \"" + _shotDir + "\"");
    SetPresentHook(&tAutomation::presented, this);
  }
}

void tAutomation::feedReplay(int32_t frame) {
  const bool wasFinished = _replay->finished();
  _replay->feed(frame);
  // Marks where the recorded input ends, so a test can tell what the program
  // did with the last of it from what came before.
  if (!wasFinished && _replay->finished()) DebugLog("Replay finished at frame " + std::to_string(frame) + ".");
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
  if (_replay) feedReplay(_frame);
  if (_frameLimit <= 0 || _frame < _frameLimit) return false;
  // Written now and not only when the automation ends: in a browser the run
  // ends without unwinding what owns it.
  if (!_shotDir.empty()) writeLastShot();
  return true;
}

}  // namespace vandrell

#include "core/core.h"

#include <algorithm>
#include <cmath>

#include "platform/clock.h"
#include "platform/event.h"
#include "platform/frame_loop.h"
#include "platform/log.h"
#include "platform/process.h"
#include "platform/window.h"

namespace vandrell {

tCore::tCore() {
  speed(1.0f);
  fps(0.0f);
  vsync(0);
}

int32_t tCore::speed(float f) {
  _speed = f;
  return 0;
}

int32_t tCore::vsync(int32_t i) {
  _vsync = i;
  return 0;
}

int32_t tCore::fps(float f) {
  _fps = f;
  return 0;
}

int32_t tCore::keyStop(int32_t key) {
  _keyStop = key;
  return 0;
}

int32_t tCore::keyPause(int32_t key) {
  _keyPause = key;
  return 0;
}

void tCore::quit() {
  finalize();
  DebugLog("Quit.");
  ExitProcess(0);
}

void tCore::_terminate() {
  DebugLog("Terminate...");
  terminate();
}

void tCore::terminate() {
  DebugLog("Terminated.");
  quit();
}

void tCore::_suspend() {
  DebugLog("Suspend...");
  _suspended = 1;
  suspend();
}

void tCore::_resume() {
  DebugLog("Resume...");
  _suspended = 0;
  resume();
}

double tCore::now() {
  const auto ms = static_cast<uint32_t>(Milliseconds());
  if (!_clockStarted) {
    _clockStarted = true;
    _clockTotal = static_cast<double>(static_cast<int32_t>(ms));
  } else {
    _clockTotal += static_cast<double>(ms - _clockLast);
  }
  _clockLast = ms;
  return _clockTotal;
}

void tCore::near() {
  const double t = now();
  _lastFlip = t;
  _nextFlip = t;
  _lastFps = t;
}

void tCore::flush() {
  events(1);
  _flush = 1;
}

void tCore::events(int32_t flush) {
  while (PollEvent()) {
    TEvent ev = CurrentEvent();
    switch (ev.id) {
      case EVENT_KEYDOWN:
        if (ev.data == _keyStop && _keyStop != 0) {
          DebugLog("Stop key pressed.");
          quit();
        } else if (ev.data == _keyPause && _keyPause != 0) {
          DebugLog("Pause key pressed.");
          // Busy-wait for the pause key again, discarding everything else.
          for (;;) {
            if (PollEvent() && CurrentEvent().id == EVENT_KEYDOWN && CurrentEvent().data == _keyPause) break;
          }
          ev = CurrentEvent();
        }
        break;
      case EVENT_APPTERMINATE:
        _terminate();
        break;
      case EVENT_APPSUSPEND:
        _suspend();
        break;
      case EVENT_APPRESUME:
        _resume();
        break;
      default:
        break;
    }
    if (flush && ev.id != EVENT_MOUSEMOVE) continue;
    event(ev);
  }
}

void tCore::frame(double period, double stepLimit) {
  const double elapsed = std::min(std::max(0.0, _nextFlip - _lastFlip), stepLimit);
  events(_flush);
  _flush = 0;
  update(static_cast<float>(elapsed * _speed / 1000.0));
  render();
  if (isSuspend() || _vsync == 0) {
    const double t = now();
    if (t < _nextFlip) Sleep(static_cast<int32_t>(_nextFlip - t));
  }
  render2();
  const double t = now();
  _lastFlip = _nextFlip;
  _nextFlip = t + period;
  Flip(_vsync != 0 && isSuspend() == 0 ? 1 : 0);
  Cls();
  _gcAlloced = MemoryInUse();
  const double d = t - _lastFps;
  _lastFps = t;
  if (d > 0.0) _fpsCount = _fpsCount * 0.9f + static_cast<float>(1000.0 / d) * 0.1f;
}

void tCore::run() {
  _fps = pacedFps();
  const double period = _fps > 0.0f ? 1000.0 / _fps : 0.0;
  const double stepLimit = std::max(period * 2.0, 100.0);
  near();
  RunFrames([this, period, stepLimit] { frame(period, stepLimit); });
}

}  // namespace vandrell

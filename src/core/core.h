// The frame loop: polls events, advances the program by the time between two
// frame deadlines, renders, paces and flips, and turns the window's suspend,
// resume and terminate events and the stop and pause keys into calls of its
// own virtual operations.
#pragma once

#include <cstdint>

namespace vandrell {

struct TEvent;

class tCore {
 public:
  tCore();
  virtual ~tCore() = default;

  virtual int32_t speed(float f);
  virtual int32_t vsync(int32_t i);
  virtual int32_t fps(float f);
  virtual float getFps() { return _fpsCount; }
  virtual int64_t getGCAlloced() { return _gcAlloced; }
  virtual void update(float delta) = 0;
  virtual void event(const TEvent& ev) = 0;
  virtual void render() = 0;
  virtual void render2() {}
  virtual void finalize() {}
  [[noreturn]] virtual void quit();
  virtual void _terminate();
  virtual void terminate();
  virtual void _suspend();
  virtual void suspend() {}
  virtual int32_t isSuspend() { return _suspended; }
  virtual void _resume();
  virtual void resume() {}
  virtual int32_t keyStop(int32_t key);
  virtual int32_t keyPause(int32_t key);
  [[noreturn]] virtual void run();
  virtual void events(int32_t flush);
  virtual void near();
  virtual void flush();

  static constexpr float _vsyncFps = 60.0f;

 protected:
  // The frame rate run() paces to: 60 with vsync, else the target (0: none).
  float pacedFps() const { return _vsync ? _vsyncFps : _fps; }
  // One pass of the loop body; run() repeats it forever.
  void frame(double period, double stepLimit);
  // The platform clock in milliseconds, unwrapped so that the 32-bit counter
  // rolling over never looks like a jump back in time.
  double now();

  float _speed = 0.0f;
  int32_t _vsync = 0;
  float _fps = 0.0f;
  float _fpsCount = 0.0f;
  int64_t _gcAlloced = 0;
  int32_t _suspended = 0;
  int32_t _keyStop = 0;
  int32_t _keyPause = 0;
  double _nextFlip = 0.0;
  double _lastFlip = 0.0;
  double _lastFps = 0.0;
  int32_t _flush = 0;

 private:
  bool _clockStarted = false;
  uint32_t _clockLast = 0;
  double _clockTotal = 0.0;
};

}  // namespace vandrell

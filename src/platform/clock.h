// The millisecond clock and sleeping. Everything that measures time asks the
// current clock, so tests and deterministic runs can replace it.
#pragma once

#include <cstdint>

namespace vandrell {

class TClock {
 public:
  virtual ~TClock() = default;
  // The clock in use: the system clock unless a tCurrentScope replaced it.
  static TClock& Current();
  // Milliseconds since an arbitrary start, as a 32-bit counter that wraps.
  virtual int32_t milliseconds() = 0;
  virtual void sleep(int32_t ms) = 0;
};

// Real time from the operating system.
class TSystemClock final : public TClock {
 public:
  int32_t milliseconds() override;
  void sleep(int32_t ms) override;
};

// Time that moves only when told to: sleeping advances it instead of waiting.
// Tests step it by hand; the "-fixedtime" switch runs the program on it so that
// every frame is exactly one frame period long.
class TManualClock final : public TClock {
 public:
  explicit TManualClock(int32_t start = 0) : _now(start) {}
  int32_t milliseconds() override { return _now; }
  void sleep(int32_t ms) override;
  void advance(int32_t ms);
  void set(int32_t ms) { _now = ms; }
  // With a frame rate, a sleep lasts until the first frame boundary at or
  // after the time asked for; the boundaries lie every 1000 / fps ms from 0,
  // each rounded down to the millisecond. A frame loop that sleeps out each
  // frame can ask only for whole milliseconds (16 of the 16.67 at 60 frames
  // a second); this way its frames still last one period on average. 0 (the
  // start): a sleep lasts as long as asked.
  void frameRate(int32_t fps) { _fps = fps; }
  int64_t sleptTotal() const { return _slept; }
  int32_t sleepCalls() const { return _sleepCalls; }

 private:
  int32_t _now;
  int32_t _fps = 0;
  int64_t _slept = 0;
  int32_t _sleepCalls = 0;
};

int32_t Milliseconds();
void Sleep(int32_t ms);

}  // namespace vandrell

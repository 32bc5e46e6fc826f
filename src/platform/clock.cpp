#include "platform/clock.h"

#include <chrono>
#include <thread>

#include "platform/process_wide.h"

namespace vandrell {

int32_t TSystemClock::milliseconds() {
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now();
  const auto ms = duration_cast<std::chrono::milliseconds>(steady_clock::now() - start).count();
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

void TSystemClock::sleep(int32_t ms) {
#ifdef __EMSCRIPTEN__
  // A page must not block: the browser paces the frames instead.
  (void)ms;
#else
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
#endif
}

void TManualClock::sleep(int32_t ms) {
  ++_sleepCalls;
  if (ms <= 0) return;
  const int64_t now = static_cast<uint32_t>(_now);
  int64_t wake = now + ms;
  if (_fps > 0) {
    // Boundary m lies at m * 1000 / fps rounded down: the first at or after
    // `wake` is the one with m * 1000 / fps >= wake.
    const int64_t boundary = (wake * _fps + 999) / 1000;
    wake = boundary * 1000 / _fps;
  }
  const auto slept = static_cast<int32_t>(wake - now);
  _slept += slept;
  advance(slept);
}

void TManualClock::advance(int32_t ms) {
  // Wrap like a 32-bit hardware counter, without signed overflow.
  _now = static_cast<int32_t>(static_cast<uint32_t>(_now) + static_cast<uint32_t>(ms));
}

TClock& TClock::Current() {
  return tProcessWide<TClock>::get([] { return std::make_shared<TSystemClock>(); });
}

int32_t Milliseconds() { return TClock::Current().milliseconds(); }

void Sleep(int32_t ms) { TClock::Current().sleep(ms); }

}  // namespace vandrell

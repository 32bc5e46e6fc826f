// A loopback audio device, current for the lifetime of a test: whatever
// plays is mixed into memory when the test steps time forward.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/audio_device.h"
#include "platform/process_wide.h"

namespace vandrell {

class LoopbackAudio {
 public:
  // 16-bit output with `channels` 1 or 2. Fails the test when the audio
  // library has no loopback device.
  explicit LoopbackAudio(int32_t rate = 22050, int32_t channels = 2);

  // Mixes the next `frames` frames (interleaved) and keeps them in mixed().
  std::vector<int16_t> render(int32_t frames);
  const std::vector<int16_t>& mixed() const { return _mixed; }
  // The largest sample magnitude of `samples`.
  static int32_t peak(const std::vector<int16_t>& samples);

  const int32_t rate;
  const int32_t channels;
  const TAudioDevicePtr device;
  const TAudioContextPtr context;

 private:
  tCurrentScope<TAudioContext> _scope;
  std::vector<int16_t> _mixed;
};

}  // namespace vandrell

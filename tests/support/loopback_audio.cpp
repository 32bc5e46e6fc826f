#include "support/loopback_audio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace vandrell {

namespace {

TAudioDevicePtr openLoopback(int32_t rate, int32_t channels) {
  TAudioDevicePtr device = TAudioDevice::OpenLoopback(rate, channels);
  if (!device) throw std::runtime_error("the audio library offers no loopback device");
  return device;
}

}  // namespace

LoopbackAudio::LoopbackAudio(int32_t rate, int32_t channels)
    : rate(rate), channels(channels), device(openLoopback(rate, channels)), context(device->createContext()),
      _scope(context) {
  if (!context) throw std::runtime_error("no context on the loopback device");
}

std::vector<int16_t> LoopbackAudio::render(int32_t frames) {
  std::vector<int16_t> samples(static_cast<size_t>(frames) * channels);
  EXPECT_TRUE(device->render(samples.data(), frames));
  _mixed.insert(_mixed.end(), samples.begin(), samples.end());
  return samples;
}

int32_t LoopbackAudio::peak(const std::vector<int16_t>& samples) {
  int32_t largest = 0;
  for (const int16_t sample : samples) largest = std::max(largest, std::abs(static_cast<int32_t>(sample)));
  return largest;
}

}  // namespace vandrell

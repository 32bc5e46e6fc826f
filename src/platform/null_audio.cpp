// The null back end: what plays when there is no audio device.
#include <deque>

#include "platform/audio_device.h"

namespace vandrell {

namespace {

class TNullAudioBuffer final : public TAudioBuffer {
 public:
  void data(int32_t, const void*, int32_t, int32_t) override {}
};

class TNullAudioSource final : public TAudioSource {
 public:
  void queue(TAudioBufferPtr buffer) override { _queue.push_back(std::move(buffer)); }
  TAudioBufferPtr unqueue() override {
    if (_queue.empty()) return nullptr;
    TAudioBufferPtr oldest = std::move(_queue.front());
    _queue.pop_front();
    return oldest;
  }
  void unqueueAll() override { _queue.clear(); }
  int32_t queued() override { return static_cast<int32_t>(_queue.size()); }
  int32_t processed() override { return queued(); }
  int64_t offset() override { return 0; }
  void play() override {}
  void pause() override {}
  void stop() override {}
  TAudioState state() override { return TAudioState::STOPPED; }
  void gain(float) override {}
  void pitch(float) override {}
  void position(float, float, float) override {}

 private:
  std::deque<TAudioBufferPtr> _queue;
};

class TNullAudioListener final : public TAudioListener {
 public:
  void gain(float) override {}
  void position(float, float, float) override {}
};

class TNullAudioContext final : public TAudioContext {
 public:
  TAudioSourcePtr createSource() override { return std::make_shared<TNullAudioSource>(); }
  TAudioBufferPtr createBuffer() override { return std::make_shared<TNullAudioBuffer>(); }
  TAudioListener& listener() override { return _listener; }

 protected:
  bool _activate() override { return true; }
  void _deactivate() override {}

 private:
  TNullAudioListener _listener;
};

}  // namespace

TAudioContextPtr CreateNullAudioContext() { return std::make_shared<TNullAudioContext>(); }

}  // namespace vandrell

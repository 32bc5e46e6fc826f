// The OpenAL Soft back end of the audio output (platform/audio_device.h).
#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <deque>
#include <memory>
#include <vector>

#include "platform/audio_device.h"

namespace vandrell {

class TALDevice final : public TAudioDevice {
 public:
  // `attributes`: the context attributes the device needs (a loopback
  // device's render format), zero-terminated, or empty.
  TALDevice(ALCdevice* device, std::vector<ALCint> attributes, bool loopback);
  ~TALDevice() override;

  TAudioContextPtr createContext() override;
  bool render(int16_t* samples, int32_t frames) override;

 private:
  ALCdevice* _device;
  std::vector<ALCint> _attributes;
  bool _loopback;
};

class TALContext;

class TALListener final : public TAudioListener {
 public:
  explicit TALListener(TALContext& context) : _context(context) {}
  void gain(float gain) override;
  void position(float x, float y, float z) override;

 private:
  TALContext& _context;
};

class TALContext final : public TAudioContext {
 public:
  TALContext(std::shared_ptr<TALDevice> device, ALCcontext* context);
  ~TALContext() override;

  // Makes this OpenAL's current context when another one is: objects of
  // several contexts (the game's and a test's) each act on their own.
  void use();

  TAudioSourcePtr createSource() override;
  TAudioBufferPtr createBuffer() override;
  TAudioListener& listener() override { return _listener; }

 protected:
  bool _activate() override;
  void _deactivate() override;

 private:
  std::shared_ptr<TALContext> self() { return std::static_pointer_cast<TALContext>(shared_from_this()); }

  std::shared_ptr<TALDevice> _device;
  ALCcontext* _context;
  TALListener _listener{*this};
};

class TALBuffer final : public TAudioBuffer {
 public:
  TALBuffer(std::shared_ptr<TALContext> context, ALuint id) : _context(std::move(context)), _id(id) {}
  ~TALBuffer() override;

  void data(int32_t format, const void* samples, int32_t bytes, int32_t rate) override;
  ALuint id() const { return _id; }

 private:
  std::shared_ptr<TALContext> _context;
  ALuint _id;
};

class TALSource final : public TAudioSource {
 public:
  TALSource(std::shared_ptr<TALContext> context, ALuint id) : _context(std::move(context)), _id(id) {}
  ~TALSource() override;

  void queue(TAudioBufferPtr buffer) override;
  TAudioBufferPtr unqueue() override;
  void unqueueAll() override;
  int32_t queued() override;
  int32_t processed() override;
  int64_t offset() override;
  void play() override;
  void pause() override;
  void stop() override;
  TAudioState state() override;
  void gain(float gain) override;
  void pitch(float pitch) override;
  void position(float x, float y, float z) override;

 private:
  ALint get(ALenum what);

  std::shared_ptr<TALContext> _context;
  ALuint _id;
  // What OpenAL has queued, oldest first, held so no queued buffer is
  // deleted under the source.
  std::deque<TAudioBufferPtr> _queue;
};

}  // namespace vandrell

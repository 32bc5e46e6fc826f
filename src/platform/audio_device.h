// Audio output: a device, a context on it, and the sources and buffers that
// streamed music and sounds play through. OpenAL Soft implements it
// (platform/openal/); where no device is open the null back end stands in, on
// which everything succeeds and nothing is heard, so the game runs the same
// without a sound card.
//
// Every object keeps the context it was made in alive, and the context its
// device: a source may safely outlive the application's own hold on them.
#pragma once

#include <cstdint>
#include <memory>

namespace vandrell {

// Sample formats of buffer data: signed 16-bit samples in the machine's byte
// order, stereo interleaved left, right. The numbers are OpenAL's.
constexpr int32_t AUDIO_FORMAT_MONO16 = 0x1101;
constexpr int32_t AUDIO_FORMAT_STEREO16 = 0x1103;

enum class TAudioState { INITIAL, PLAYING, PAUSED, STOPPED };

// A block of samples that sources play.
class TAudioBuffer {
 public:
  virtual ~TAudioBuffer() = default;
  // Replaces the samples; `bytes` whole frames of `format` at `rate` frames
  // per second. Only while no source has the buffer queued.
  virtual void data(int32_t format, const void* samples, int32_t bytes, int32_t rate) = 0;
};

using TAudioBufferPtr = std::shared_ptr<TAudioBuffer>;

// One voice, playing the buffers queued on it one after another. A source
// that has played everything queued stops by itself; every buffer it played
// counts as processed until it is unqueued.
class TAudioSource {
 public:
  // Stops the source and lets go of its buffers.
  virtual ~TAudioSource() = default;

  virtual void queue(TAudioBufferPtr buffer) = 0;
  // Takes the oldest processed buffer off the queue; null when none is.
  virtual TAudioBufferPtr unqueue() = 0;
  // Stops, takes every buffer off the queue and rewinds: buffers queued next
  // play from their start when the source is played.
  virtual void unqueueAll() = 0;
  virtual int32_t queued() = 0;
  virtual int32_t processed() = 0;
  // Sample frames played, counted from the start of the oldest buffer still
  // queued (0 while stopped or not yet played).
  virtual int64_t offset() = 0;

  virtual void play() = 0;
  virtual void pause() = 0;
  virtual void stop() = 0;
  virtual TAudioState state() = 0;

  // Loudness factor, 1 = as recorded; negative values count as 0.
  virtual void gain(float gain) = 0;
  // Playback speed factor, 1 = as recorded.
  virtual void pitch(float pitch) = 0;
  virtual void position(float x, float y, float z) = 0;
};

using TAudioSourcePtr = std::shared_ptr<TAudioSource>;

// Who hears the sources: one per context.
class TAudioListener {
 public:
  virtual ~TAudioListener() = default;
  virtual void gain(float gain) = 0;
  virtual void position(float x, float y, float z) = 0;
};

class TAudioContext;
using TAudioContextPtr = std::shared_ptr<TAudioContext>;

// The mixing state of one device; sources and buffers are made in it.
class TAudioContext : public std::enable_shared_from_this<TAudioContext> {
 public:
  virtual ~TAudioContext() = default;

  // The context music and sounds are made in: the one last made current,
  // otherwise a null one. Tests put their own with tCurrentScope.
  static TAudioContext& Current();
  // Makes this context the current one; false when the device refuses it, and
  // the current context stays what it was.
  bool makeCurrent();
  // Leaves no context current; a null one stands in again.
  static void ClearCurrent();

  // Null when the device has no voice left.
  virtual TAudioSourcePtr createSource() = 0;
  virtual TAudioBufferPtr createBuffer() = 0;
  virtual TAudioListener& listener() = 0;

 protected:
  // Tell the device that this context is (or is no longer) the one in use.
  virtual bool _activate() = 0;
  virtual void _deactivate() = 0;
};

// The null back end: a context on which everything succeeds and nothing is
// heard. Its sources play their queue at once, so they report every buffer
// processed and themselves stopped.
TAudioContextPtr CreateNullAudioContext();

class TAudioDevice;
using TAudioDevicePtr = std::shared_ptr<TAudioDevice>;

class TAudioDevice : public std::enable_shared_from_this<TAudioDevice> {
 public:
  // Closes the device; it lives on while a context made on it does.
  virtual ~TAudioDevice() = default;

  // The system's default output; null when none can be opened (no sound card
  // or no driver). The sound library's own complaints about it go to the debug
  // log, never to the terminal.
  static TAudioDevicePtr OpenDefault();
  // A device that plays nowhere: its mix of 16-bit samples, `channels` 1 or 2
  // at `rate` frames per second, is rendered into memory on request (tests,
  // benchmarks). Null when the library lacks the loopback extension.
  static TAudioDevicePtr OpenLoopback(int32_t rate, int32_t channels);

  // Null on failure.
  virtual TAudioContextPtr createContext() = 0;
  // Loopback devices: mixes the next `frames` frames into `samples`
  // (interleaved when stereo). Devices that play on their own return false.
  virtual bool render(int16_t* samples, int32_t frames) = 0;
};

// Whether the audio library is present (it is linked in, so always true here;
// kept so callers report its absence the same way on every platform).
bool AudioLibraryAvailable();

}  // namespace vandrell

// Decoding Ogg Vorbis into 16-bit samples. The desktop decodes with
// libvorbisfile (platform/vorbisfile/), the web build with stb_vorbis
// (platform/stb/); both read through our own streams, so sounds play from pak
// archives as well as from folders.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/stream.h"

namespace vandrell {

class TVorbisDecoder {
 public:
  // What read() returns besides a byte count.
  static constexpr int32_t HOLE = -1;   // damaged data was skipped; decoding goes on after it
  static constexpr int32_t BROKEN = -2;  // nothing more can be decoded

  // A decoder at the start of `source`; null when it is no Ogg Vorbis stream.
  static std::unique_ptr<TVorbisDecoder> Open(TStreamPtr source);
  virtual ~TVorbisDecoder() = default;

  virtual int32_t channels() = 0;
  // Frames per second.
  virtual int32_t rate() = 0;
  // Sample frames in the whole stream (0 when unknown).
  virtual int64_t frames() = 0;
  // The sample frame the next read() begins with.
  virtual int64_t tell() = 0;
  // False when the stream cannot go there.
  virtual bool seek(int64_t frame) = 0;
  // Decodes up to `bytes` bytes of interleaved samples in the machine's byte
  // order into `buffer`: the bytes written, 0 at the end of the stream, or
  // HOLE or BROKEN. A stream whose layout (channels, rate) changes part way
  // counts as broken there.
  virtual int32_t read(void* buffer, int32_t bytes) = 0;
};

}  // namespace vandrell

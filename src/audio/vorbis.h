// One streamed Ogg Vorbis source. The platform's decoder reads through our own
// streams, so music and sounds play from pak archives as well as from folders;
// the frame loop decodes about half a second at a time into one of two buffers
// that take turns on one audio source.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio_device.h"
#include "platform/stream.h"
#include "platform/vorbis_decoder.h"

namespace vandrell {

class tVorbis {
 public:
  // A stopped stream over `source`, its buffers filled from the start; null
  // (with a diagnostic line) when the source is missing, is no Ogg Vorbis
  // stream, has neither 1 nor 2 channels, or the device has no voice left.
  // `label` begins every diagnostic line of the stream ("music> tense").
  static std::unique_ptr<tVorbis> create(TStreamPtr source, const std::string& label = "vorbis> ");
  // Closes the decoder and lets go of the source and its buffers.
  virtual ~tVorbis();
  tVorbis(const tVorbis&) = delete;
  tVorbis& operator=(const tVorbis&) = delete;

  virtual void play();
  // Back to the start: the next play() begins there.
  virtual void stop();
  virtual void pause();
  // Goes to `seconds` (clamped to the stream) and goes on as before: playing,
  // paused or stopped.
  virtual void seek(double seconds);
  // Seconds into the stream of what is being heard.
  virtual double position();
  virtual void volume(float v);
  // Everything was decoded and played.
  virtual bool eof();
  virtual bool paused();
  virtual int32_t channels();
  virtual int32_t rate();
  // Seconds.
  virtual double length();
  // Keeps the queue filled; called every frame while the stream plays.
  virtual void decode();

 protected:
  tVorbis(TStreamPtr source, const std::string& label);

  virtual TAudioState _state();
  // Decodes up to _bufferSize bytes into _buffer; sets _eof at the end of the
  // data. Returns the bytes filled.
  virtual int32_t _decodeVorbis();

  int32_t _stop = 1;
  int32_t _eof = 0;
  TStreamPtr _stream;
  std::unique_ptr<TVorbisDecoder> _decoder;
  int32_t _format = AUDIO_FORMAT_MONO16;
  TAudioSourcePtr _alsource;
  std::array<TAudioBufferPtr, 2> _albuffers;
  std::vector<uint8_t> _buffer;
  int32_t _bufferSize = 0;

 private:
  bool _open();
  // Fills both buffers from the decoder's position onto the emptied source.
  void _prime();
  // Hands `bytes` of _buffer, decoded from stream frame `start` on, to
  // `buffer` and queues it.
  void _queueBlock(const TAudioBufferPtr& buffer, int64_t start, int32_t bytes);
  void _damaged(const std::string& what);

  std::string _label;
  // The stream frame at which each queued buffer begins, oldest first.
  std::deque<int64_t> _starts;
  bool _reportedDamage = false;
};

}  // namespace vandrell

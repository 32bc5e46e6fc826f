#include "audio/vorbis.h"

#include <algorithm>
#include <cmath>

#include "platform/log.h"

namespace vandrell {

std::unique_ptr<tVorbis> tVorbis::create(TStreamPtr source, const std::string& label) {
  if (!source) {
    DebugLog(label + ": no such file");
    return nullptr;
  }
  std::unique_ptr<tVorbis> stream(new tVorbis(std::move(source), label));
  if (!stream->_open()) return nullptr;
  return stream;
}

tVorbis::tVorbis(TStreamPtr source, const std::string& label) : _stream(std::move(source)), _label(label) {}

tVorbis::~tVorbis() { _alsource.reset(); }

bool tVorbis::_open() {
  _decoder = TVorbisDecoder::Open(_stream);
  if (!_decoder) {
    DebugLog(_label + ": not an Ogg Vorbis file");
    return false;
  }
  const int32_t layout = channels();
  if (layout != 1 && layout != 2) {
    DebugLog(_label + ": " + std::to_string(layout) + " channels; only mono and stereo play");
    return false;
  }
  if (rate() <= 0) {
    DebugLog(_label + ": no sample rate");
    return false;
  }
  // About half a second, in whole frames.
  _format = layout == 1 ? AUDIO_FORMAT_MONO16 : AUDIO_FORMAT_STEREO16;
  _bufferSize = layout == 1 ? rate() / 4 * 2 * 2 : rate() / 16 * 16 * 2;
  _buffer.resize(static_cast<size_t>(_bufferSize));
  TAudioContext& context = TAudioContext::Current();
  _alsource = context.createSource();
  for (TAudioBufferPtr& buffer : _albuffers) buffer = context.createBuffer();
  if (!_alsource || !_albuffers[0] || !_albuffers[1]) {
    DebugLog(_label + ": the audio device has no voice left");
    return false;
  }
  _prime();
  return true;
}

void tVorbis::_prime() {
  for (const TAudioBufferPtr& buffer : _albuffers) {
    if (_eof) return;
    const int64_t start = _decoder->tell();
    const int32_t bytes = _decodeVorbis();
    if (bytes > 0) _queueBlock(buffer, start, bytes);
  }
}

void tVorbis::_queueBlock(const TAudioBufferPtr& buffer, int64_t start, int32_t bytes) {
  buffer->data(_format, _buffer.data(), bytes, rate());
  _alsource->queue(buffer);
  _starts.push_back(start);
}

void tVorbis::play() {
  _stop = 0;
  // Playing a playing source would start its queue over.
  if (_state() != TAudioState::PLAYING) _alsource->play();
}

void tVorbis::pause() { _alsource->pause(); }

void tVorbis::stop() {
  _stop = 1;
  seek(0.0);
}

void tVorbis::seek(double seconds) {
  // The queue holds what followed the old position: it is dropped and filled
  // anew from the new one.
  const TAudioState state = _state();
  _alsource->unqueueAll();
  _starts.clear();
  const int64_t total = _decoder->frames();
  const double frame = std::isfinite(seconds) ? std::clamp(seconds * rate(), 0.0, static_cast<double>(total)) : 0.0;
  _eof = 0;
  if (!_decoder->seek(std::min<int64_t>(std::llround(frame), total))) {
    // Nothing more can be decoded: the stream ends here.
    _damaged("can't seek to " + std::to_string(seconds) + " s");
    _eof = 1;
    _alsource->stop();
    return;
  }
  _prime();
  if (_stop) return;
  if (state == TAudioState::PLAYING || state == TAudioState::PAUSED) _alsource->play();
  if (state == TAudioState::PAUSED) _alsource->pause();
}

double tVorbis::position() {
  int64_t frame = _decoder->tell();
  // A source that stopped after playing its whole queue has been heard up to
  // where the decoder stands; otherwise the source tells how far into its
  // oldest buffer it is.
  const bool allPlayed = _state() == TAudioState::STOPPED && _alsource->processed() == _alsource->queued();
  if (!_starts.empty() && !allPlayed) frame = _starts.front() + _alsource->offset();
  return static_cast<double>(frame) / rate();
}

void tVorbis::volume(float v) { _alsource->gain(v); }

bool tVorbis::eof() { return _eof && _state() == TAudioState::STOPPED; }

bool tVorbis::paused() { return _state() == TAudioState::PAUSED; }

int32_t tVorbis::channels() { return _decoder->channels(); }

int32_t tVorbis::rate() { return _decoder->rate(); }

double tVorbis::length() { return static_cast<double>(_decoder->frames()) / rate(); }

void tVorbis::decode() {
  // A frame longer than the queue lets the source run dry and stop. It is
  // started again once refilled: started before, it would replay its old
  // buffers first.
  const bool ranDry = _state() == TAudioState::STOPPED && !_stop && !_eof;
  bool refilled = false;
  for (int32_t finished = _alsource->processed(); finished > 0 && !_eof; --finished) {
    const int64_t start = _decoder->tell();
    const int32_t bytes = _decodeVorbis();
    if (bytes == 0) break;
    TAudioBufferPtr buffer = _alsource->unqueue();
    if (!buffer) break;
    _starts.pop_front();
    _queueBlock(buffer, start, bytes);
    refilled = true;
  }
  if (ranDry && refilled) _alsource->play();
}

TAudioState tVorbis::_state() { return _alsource->state(); }

int32_t tVorbis::_decodeVorbis() {
  int32_t filled = 0;
  while (filled < _bufferSize && !_eof) {
    const int32_t got = _decoder->read(_buffer.data() + filled, _bufferSize - filled);
    if (got == 0) {
      _eof = 1;
    } else if (got == TVorbisDecoder::HOLE) {
      _damaged("damaged data skipped");
    } else if (got < 0) {
      _damaged("undecodable data; the rest is not played");
      _eof = 1;
    } else {
      filled += got;
    }
  }
  return filled;
}

void tVorbis::_damaged(const std::string& what) {
  if (_reportedDamage) return;
  _reportedDamage = true;
  DebugLog(_label + ": " + what);
}

}  // namespace vandrell

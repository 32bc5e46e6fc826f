#include "audio/vorbis.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <type_traits>

#include "platform/log.h"

namespace vandrell {

static_assert(std::is_same_v<ogg_int64_t, int64_t>, "the decoder's seek callback takes our 64-bit offsets");

namespace {

// Samples in the machine's byte order, as the audio device takes them.
constexpr int BIG_ENDIAN_SAMPLES = std::endian::native == std::endian::big ? 1 : 0;

TStream& streamOf(void* stream) { return *static_cast<TStream*>(stream); }

}  // namespace

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

tVorbis::~tVorbis() {
  if (_access) ov_clear(_access.get());
  _alsource.reset();
}

bool tVorbis::_open() {
  auto access = std::make_unique<OggVorbis_File>();
  const ov_callbacks callbacks{_read, _seek, _close, _tell};
  // On failure the decoder cleans up after itself and leaves the stream open.
  if (ov_open_callbacks(_stream.get(), access.get(), nullptr, 0, callbacks) != 0) {
    DebugLog(_label + ": not an Ogg Vorbis file");
    return false;
  }
  _access = std::move(access);
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
    const int64_t start = ov_pcm_tell(_file());
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
  const int64_t total = std::max<int64_t>(ov_pcm_total(_file(), -1), 0);
  const double frame = std::isfinite(seconds) ? std::clamp(seconds * rate(), 0.0, static_cast<double>(total)) : 0.0;
  _eof = 0;
  if (ov_pcm_seek(_file(), std::min<int64_t>(std::llround(frame), total)) != 0) {
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
  int64_t frame = ov_pcm_tell(_file());
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

int32_t tVorbis::channels() { return ov_info(_file(), -1)->channels; }

int32_t tVorbis::rate() { return static_cast<int32_t>(ov_info(_file(), -1)->rate); }

double tVorbis::length() { return std::max(ov_time_total(_file(), -1), 0.0); }

void tVorbis::decode() {
  // A frame longer than the queue lets the source run dry and stop. It is
  // started again once refilled: started before, it would replay its old
  // buffers first.
  const bool ranDry = _state() == TAudioState::STOPPED && !_stop && !_eof;
  bool refilled = false;
  for (int32_t finished = _alsource->processed(); finished > 0 && !_eof; --finished) {
    const int64_t start = ov_pcm_tell(_file());
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

OggVorbis_File* tVorbis::_file() { return _access.get(); }

TAudioState tVorbis::_state() { return _alsource->state(); }

int32_t tVorbis::_decodeVorbis() {
  int32_t filled = 0;
  while (filled < _bufferSize && !_eof) {
    int link = 0;
    const long got = ov_read(_file(), reinterpret_cast<char*>(_buffer.data()) + filled, _bufferSize - filled,
                             BIG_ENDIAN_SAMPLES, 2, 1, &link);
    if (got == 0) {
      _eof = 1;
    } else if (got == OV_HOLE) {
      // Damaged pages were skipped; decoding goes on after them.
      _damaged("damaged data skipped");
    } else if (got < 0 || !_sameLayout(link)) {
      _damaged("undecodable data; the rest is not played");
      _eof = 1;
    } else {
      filled += static_cast<int32_t>(got);
    }
  }
  return filled;
}

bool tVorbis::_sameLayout(int link) {
  // A chained file may change its layout between links; the buffers keep the
  // first one.
  const vorbis_info* info = ov_info(_file(), link);
  return info && info->channels == channels() && info->rate == rate();
}

void tVorbis::_damaged(const std::string& what) {
  if (_reportedDamage) return;
  _reportedDamage = true;
  DebugLog(_label + ": " + what);
}

size_t tVorbis::_read(void* buffer, size_t size, size_t count, void* stream) {
  if (size == 0 || count == 0) return 0;
  try {
    const int64_t got = streamOf(stream).read(buffer, static_cast<int64_t>(size * count));
    return got > 0 ? static_cast<size_t>(got) / size : 0;
  } catch (const TStreamError&) {
    return 0;
  }
}

int tVorbis::_seek(void* stream, int64_t offset, int whence) {
  TStream& source = streamOf(stream);
  const int64_t size = source.size();
  int64_t base = 0;
  if (whence == SEEK_CUR) {
    base = source.pos();
  } else if (whence == SEEK_END) {
    base = size;
  } else if (whence != SEEK_SET) {
    return -1;
  }
  if (offset < -base || offset > size - base) return -1;
  return source.seek(base + offset) == base + offset ? 0 : -1;
}

long tVorbis::_tell(void* stream) { return static_cast<long>(streamOf(stream).pos()); }

int tVorbis::_close(void* stream) {
  streamOf(stream).close();
  return 0;
}

}  // namespace vandrell

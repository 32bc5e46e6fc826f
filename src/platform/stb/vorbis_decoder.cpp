// Ogg Vorbis through stb_vorbis (the web build). It decodes from memory, so
// the whole stream is read at once; it knows no chained streams (the first
// link plays) and no damaged pages to skip (the stream ends there).
#include "platform/vorbis_decoder.h"

#include <vector>

#define STB_VORBIS_NO_STDIO
#define STB_VORBIS_NO_PUSHDATA_API
#include <stb/stb_vorbis.h>
#undef L
#undef C
#undef R

namespace vandrell {

namespace {

class TStbVorbisDecoder final : public TVorbisDecoder {
 public:
  explicit TStbVorbisDecoder(std::vector<uint8_t> bytes) : _bytes(std::move(bytes)) {}
  ~TStbVorbisDecoder() override {
    if (_vorbis) stb_vorbis_close(_vorbis);
  }
  TStbVorbisDecoder(const TStbVorbisDecoder&) = delete;
  TStbVorbisDecoder& operator=(const TStbVorbisDecoder&) = delete;

  bool open() {
    int error = 0;
    _vorbis = stb_vorbis_open_memory(_bytes.data(), static_cast<int>(_bytes.size()), &error, nullptr);
    if (!_vorbis) return false;
    _info = stb_vorbis_get_info(_vorbis);
    _frames = stb_vorbis_stream_length_in_samples(_vorbis);
    return true;
  }

  int32_t channels() override { return _info.channels; }
  int32_t rate() override { return static_cast<int32_t>(_info.sample_rate); }
  int64_t frames() override { return _frames; }
  int64_t tell() override { return _position; }

  bool seek(int64_t frame) override {
    if (frame < 0 || frame > _frames) return false;
    // The decoder cannot stand at the very end; it is known to be empty there.
    if (frame < _frames && !stb_vorbis_seek(_vorbis, static_cast<unsigned int>(frame))) return false;
    _position = frame;
    return true;
  }

  int32_t read(void* buffer, int32_t bytes) override {
    if (_position >= _frames) return 0;
    const int shorts = bytes / 2 / _info.channels * _info.channels;
    const int got =
        stb_vorbis_get_samples_short_interleaved(_vorbis, _info.channels, static_cast<short*>(buffer), shorts);
    if (got == 0 && stb_vorbis_get_error(_vorbis) != VORBIS__no_error) return BROKEN;
    _position += got;
    return got * _info.channels * 2;
  }

 private:
  std::vector<uint8_t> _bytes;
  stb_vorbis* _vorbis = nullptr;
  stb_vorbis_info _info{};
  int64_t _frames = 0;
  int64_t _position = 0;
};

}  // namespace

std::unique_ptr<TVorbisDecoder> TVorbisDecoder::Open(TStreamPtr source) {
  if (!source) return nullptr;
  std::vector<uint8_t> bytes;
  try {
    bytes = source->readAll();
  } catch (const TStreamError&) {
    return nullptr;
  }
  auto decoder = std::make_unique<TStbVorbisDecoder>(std::move(bytes));
  if (!decoder->open()) return nullptr;
  return decoder;
}

}  // namespace vandrell

// Ogg Vorbis through libvorbisfile.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <type_traits>

#include "platform/vorbis_decoder.h"

namespace vandrell {

static_assert(std::is_same_v<ogg_int64_t, int64_t>, "the decoder's seek callback takes our 64-bit offsets");

namespace {

constexpr int BIG_ENDIAN_SAMPLES = std::endian::native == std::endian::big ? 1 : 0;

TStream& streamOf(void* stream) { return *static_cast<TStream*>(stream); }

size_t readStream(void* buffer, size_t size, size_t count, void* stream) {
  if (size == 0 || count == 0) return 0;
  try {
    const int64_t got = streamOf(stream).read(buffer, static_cast<int64_t>(size * count));
    return got > 0 ? static_cast<size_t>(got) / size : 0;
  } catch (const TStreamError&) {
    return 0;
  }
}

int seekStream(void* stream, int64_t offset, int whence) {
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

long tellStream(void* stream) { return static_cast<long>(streamOf(stream).pos()); }

int closeStream(void* stream) {
  streamOf(stream).close();
  return 0;
}

class TVorbisFileDecoder final : public TVorbisDecoder {
 public:
  explicit TVorbisFileDecoder(TStreamPtr source) : _source(std::move(source)) {}
  ~TVorbisFileDecoder() override {
    if (_open) ov_clear(&_file);
  }
  TVorbisFileDecoder(const TVorbisFileDecoder&) = delete;
  TVorbisFileDecoder& operator=(const TVorbisFileDecoder&) = delete;

  bool open() {
    const ov_callbacks callbacks{readStream, seekStream, closeStream, tellStream};
    // On failure the decoder cleans up after itself and leaves the stream open.
    _open = ov_open_callbacks(_source.get(), &_file, nullptr, 0, callbacks) == 0;
    return _open;
  }

  int32_t channels() override { return ov_info(&_file, -1)->channels; }
  int32_t rate() override { return static_cast<int32_t>(ov_info(&_file, -1)->rate); }
  int64_t frames() override { return std::max<int64_t>(ov_pcm_total(&_file, -1), 0); }
  int64_t tell() override { return ov_pcm_tell(&_file); }
  bool seek(int64_t frame) override { return ov_pcm_seek(&_file, frame) == 0; }

  int32_t read(void* buffer, int32_t bytes) override {
    int link = 0;
    const long got = ov_read(&_file, static_cast<char*>(buffer), bytes, BIG_ENDIAN_SAMPLES, 2, 1, &link);
    if (got == OV_HOLE) return HOLE;
    if (got < 0 || !sameLayout(link)) return BROKEN;
    return static_cast<int32_t>(got);
  }

 private:
  // A chained file may change its layout between links.
  bool sameLayout(int link) {
    const vorbis_info* info = ov_info(&_file, link);
    return info && info->channels == channels() && info->rate == rate();
  }

  TStreamPtr _source;
  OggVorbis_File _file{};
  bool _open = false;
};

}  // namespace

std::unique_ptr<TVorbisDecoder> TVorbisDecoder::Open(TStreamPtr source) {
  auto decoder = std::make_unique<TVorbisFileDecoder>(std::move(source));
  if (!decoder->open()) return nullptr;
  return decoder;
}

}  // namespace vandrell

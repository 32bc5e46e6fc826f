#include "audio/ogg_samples.h"

#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

namespace vandrell {

namespace {

struct tMemory {
  const std::string& bytes;
  size_t pos = 0;
};

size_t readMemory(void* out, size_t size, size_t count, void* source) {
  auto& memory = *static_cast<tMemory*>(source);
  const size_t n = std::min(size * count, memory.bytes.size() - memory.pos) / size * size;
  std::memcpy(out, memory.bytes.data() + memory.pos, n);
  memory.pos += n;
  return n / size;
}

void appendPage(std::string& file, const ogg_page& page) {
  file.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
  file.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
}

}  // namespace

std::vector<int16_t> ToneSamples(double seconds, int32_t channels, int32_t rate) {
  const auto frames = static_cast<size_t>(seconds * rate);
  std::vector<int16_t> samples(frames * channels);
  for (int32_t channel = 0; channel < channels; ++channel) {
    double phase = 0;
    for (size_t i = 0; i < frames; ++i) {
      const double t = static_cast<double>(i) / rate;
      phase += 2 * std::numbers::pi * (220.0 + 150.0 * t + 110.0 * channel) / rate;
      samples[i * channels + channel] = static_cast<int16_t>(9000 * std::sin(phase));
    }
  }
  return samples;
}

std::string EncodeOgg(const std::vector<int16_t>& samples, int32_t channels, int32_t rate) {
  vorbis_info info;
  vorbis_info_init(&info);
  EXPECT_EQ(vorbis_encode_init_vbr(&info, channels, rate, 0.5f), 0);
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state ogg;
  ogg_stream_init(&ogg, 1);

  std::string file;
  ogg_page page;
  ogg_packet headers[3];
  vorbis_analysis_headerout(&dsp, &comment, &headers[0], &headers[1], &headers[2]);
  for (ogg_packet& header : headers) ogg_stream_packetin(&ogg, &header);
  while (ogg_stream_flush(&ogg, &page)) appendPage(file, page);

  const auto drain = [&] {
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&ogg, &packet);
        while (ogg_stream_pageout(&ogg, &page)) appendPage(file, page);
      }
    }
  };
  const size_t frames = samples.size() / channels;
  for (size_t at = 0; at < frames; at += 1024) {
    const size_t count = std::min<size_t>(1024, frames - at);
    float** input = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) {
      for (int32_t channel = 0; channel < channels; ++channel) {
        input[channel][i] = samples[(at + i) * channels + channel] / 32768.0f;
      }
    }
    vorbis_analysis_wrote(&dsp, static_cast<int>(count));
    drain();
  }
  vorbis_analysis_wrote(&dsp, 0);
  drain();
  while (ogg_stream_flush(&ogg, &page)) appendPage(file, page);

  ogg_stream_clear(&ogg);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return file;
}

std::string ToneOgg(double seconds, int32_t channels, int32_t rate) {
  return EncodeOgg(ToneSamples(seconds, channels, rate), channels, rate);
}

std::vector<int16_t> DecodeOgg(const std::string& file) {
  tMemory memory{file};
  OggVorbis_File decoder;
  const ov_callbacks callbacks{readMemory, nullptr, nullptr, nullptr};
  std::vector<int16_t> samples;
  if (ov_open_callbacks(&memory, &decoder, nullptr, 0, callbacks) != 0) return samples;
  char block[4096];
  int link = 0;
  for (long got; (got = ov_read(&decoder, block, sizeof block, 0, 2, 1, &link)) != 0;) {
    if (got == OV_HOLE) continue;
    if (got < 0) break;
    const auto* decoded = reinterpret_cast<const int16_t*>(block);
    samples.insert(samples.end(), decoded, decoded + got / 2);
  }
  ov_clear(&decoder);
  return samples;
}

::testing::AssertionResult PlaysReference(const std::vector<int16_t>& mixed, size_t mixedFrom,
                                          const std::vector<int16_t>& reference, size_t from, size_t frames,
                                          int32_t channels, int32_t tolerance) {
  constexpr size_t MAX_LAG = 256;
  const auto at = [&](size_t lag, size_t frame, int32_t channel) {
    return std::abs(mixed[(mixedFrom + lag + frame) * channels + channel] -
                    reference[(from + frame) * channels + channel]);
  };
  if ((mixedFrom + frames) * channels > mixed.size() || (from + frames) * channels > reference.size()) {
    return ::testing::AssertionFailure() << "too few samples to compare " << frames << " frames";
  }
  const size_t maxLag = std::min(MAX_LAG, mixed.size() / channels - mixedFrom - frames);
  size_t lag = 0;
  int64_t best = std::numeric_limits<int64_t>::max();
  for (size_t candidate = 0; candidate <= maxLag; ++candidate) {
    int64_t distance = 0;
    for (size_t frame = 0; frame < std::min<size_t>(frames, 2000); ++frame) distance += at(candidate, frame, 0);
    if (distance < best) {
      best = distance;
      lag = candidate;
    }
  }
  for (size_t frame = 0; frame < frames; ++frame) {
    for (int32_t channel = 0; channel < channels; ++channel) {
      if (at(lag, frame, channel) > tolerance) {
        return ::testing::AssertionFailure()
               << "frame " << from + frame << " channel " << channel << " is off by " << at(lag, frame, channel)
               << " (lag " << lag << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace vandrell

// Every sound and track decodes, is audible, never clips, and music sits below the effects.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "content_tree.h"

namespace vandrell {

namespace {

struct Decoded {
  bool ok = false;
  double seconds = 0;
  int32_t peak = 0;       // largest sample magnitude
  int64_t clipped = 0;    // samples at full scale
  double rmsDb = -200;    // loudness over the whole file, dB below full scale
};

struct Memory {
  std::vector<uint8_t> bytes;
  size_t pos = 0;
};

size_t readMemory(void* out, size_t size, size_t count, void* source) {
  auto* memory = static_cast<Memory*>(source);
  const size_t n = std::min(size * count, memory->bytes.size() - memory->pos);
  std::memcpy(out, memory->bytes.data() + memory->pos, n);
  memory->pos += n;
  return size ? n / size : 0;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
  auto* memory = static_cast<Memory*>(source);
  const auto base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(memory->pos)
                                                                 : static_cast<ogg_int64_t>(memory->bytes.size());
  if (base + offset < 0 || base + offset > static_cast<ogg_int64_t>(memory->bytes.size())) return -1;
  memory->pos = static_cast<size_t>(base + offset);
  return 0;
}

long tellMemory(void* source) { return static_cast<long>(static_cast<Memory*>(source)->pos); }

Decoded decode(const TStreamPtr& stream) {
  Decoded result;
  Memory memory{stream->readAll()};
  OggVorbis_File file;
  const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
  if (ov_open_callbacks(&memory, &file, nullptr, 0, callbacks) != 0) return result;
  const vorbis_info* info = ov_info(&file, -1);
  const int channels = info->channels;
  const long rate = info->rate;
  int64_t frames = 0;
  double sumSquares = 0;
  char buffer[8192];
  int section = 0;
  long got;
  while ((got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section)) > 0) {
    const auto* samples = reinterpret_cast<const int16_t*>(buffer);
    for (long i = 0; i < got / 2; ++i) {
      const int32_t magnitude = std::abs(static_cast<int32_t>(samples[i]));
      result.peak = std::max(result.peak, magnitude);
      if (magnitude >= 32767) ++result.clipped;
      sumSquares += static_cast<double>(samples[i]) * samples[i];
    }
    frames += got / (2 * channels);
  }
  ov_clear(&file);
  result.ok = got == 0 && frames > 0 && (channels == 1 || channels == 2);
  result.seconds = static_cast<double>(frames) / rate;
  if (frames > 0 && sumSquares > 0) {
    result.rmsDb = 10 * std::log10(sumSquares / (static_cast<double>(frames) * channels) / (32768.0 * 32768.0));
  }
  return result;
}

double toDb(int32_t peak) { return 20 * std::log10(std::max(peak, 1) / 32768.0); }

class ContentAudioTest : public ContentTest {
 protected:
  // Every Ogg file below `folder`, decoded in each layout.
  static std::map<std::string, Decoded> decodeAll(const std::string& folder) {
    std::map<std::string, Decoded> all;
    for (const std::string& path : looseFiles(folder, ".ogg")) {
      for (ContentLayout& layout : open(path)) {
        const std::string key = path + " (" + layout.name + ")";
        all[key] = layout.stream ? decode(layout.stream) : Decoded{};
      }
    }
    return all;
  }
};

TEST_F(ContentAudioTest, InterfaceAndLibrarySoundsAllExist) {
  for (const char* name : {"click_menu", "click_menu2", "sos", "butterfly", "msgshow", "msghide", "item_found",
                           "mistake", "hint", "page_turn", "door", "sparkle", "chime"}) {
    for (ContentLayout& layout : open(std::string("media/") + name + ".ogg")) {
      EXPECT_NE(layout.stream, nullptr) << name << " (" << layout.name << ")";
    }
  }
}

TEST_F(ContentAudioTest, EveryFileDecodesIsAudibleAndNeverClips) {
  auto all = decodeAll("media");
  auto music = decodeAll("music");
  all.insert(music.begin(), music.end());
  ASSERT_GE(all.size(), 16u);
  for (const auto& [name, sound] : all) {
    EXPECT_TRUE(sound.ok) << name << " does not decode";
    EXPECT_EQ(sound.clipped, 0) << name;
    EXPECT_GT(sound.rmsDb, -40.0) << name << " is close to silent";
  }
}

TEST_F(ContentAudioTest, TracksLoopForOneToOneAndAHalfMinutesBelowTheEffects) {
  const auto effects = decodeAll("media");
  const auto music = decodeAll("music");
  ASSERT_GE(music.size(), 3u);
  int32_t softestEffect = 32768;
  for (const auto& [name, effect] : effects) softestEffect = std::min(softestEffect, effect.peak);
  for (const auto& [name, track] : music) {
    EXPECT_GE(track.seconds, 60.0) << name;
    EXPECT_LE(track.seconds, 90.0) << name;
    EXPECT_LT(toDb(track.peak), toDb(softestEffect) - 1.0) << name << " peaks as loud as the effects";
  }
}

TEST_F(ContentAudioTest, TrackVolumeFilesHoldALevelOnTheirFirstLine) {
  for (const std::string& path : looseFiles("music", ".ogg.vol")) {
    for (ContentLayout& layout : open(path)) {
      ASSERT_NE(layout.stream, nullptr) << path << " (" << layout.name << ")";
      const double level = std::atof(layout.stream->readLine().c_str());
      EXPECT_GT(level, 0.0) << path;
      EXPECT_LE(level, 1.0) << path;
    }
    EXPECT_NE(ReadFile(root() + "/" + path.substr(0, path.size() - 4)), nullptr) << path << " has no track";
  }
}

}  // namespace

}  // namespace vandrell

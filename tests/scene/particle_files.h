// Particle descriptions and sprites for one test, in a media folder of its
// own that the process-wide media lookup reads from.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/pixmap.h"
#include "platform/png_codec.h"
#include "platform/process_wide.h"
#include "platform/stream.h"
#include "resources/media_lookup.h"
#include "support/temp_dir.h"

namespace vandrell {

// The 76 lines of a description, "0" unless set; lines count from 1.
class tDescriptionText {
 public:
  std::string& operator[](int32_t line) { return _lines.at(static_cast<size_t>(line - 1)); }
  std::string text() const {
    std::string joined;
    for (const std::string& line : _lines) joined += line + "\n";
    return joined;
  }

 private:
  std::vector<std::string> _lines = std::vector<std::string>(76, "0");
};

class ParticleFiles {
 public:
  ParticleFiles() { CreateDir(_dir.path() + "/media"); }

  void put(const std::string& name, const std::string& text) const {
    TStreamPtr file = WriteFile(_dir.path() + "/media/" + name);
    file->writeString(text);
    file->close();
  }
  void putSprite(const std::string& name, const TPixmap& pixmap) const {
    SavePixmapPNG(pixmap, _dir.path() + "/media/" + name);
  }
  // A soft white disc `size` pixels across, opaque at its centre.
  void putDisc(const std::string& name, int32_t size) const {
    TPixmapPtr disc = TPixmap::Create(size, size);
    const float radius = static_cast<float>(size) / 2.0f;
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        const float dx = (static_cast<float>(x) + 0.5f - radius) / radius;
        const float dy = (static_cast<float>(y) + 0.5f - radius) / radius;
        const float d = dx * dx + dy * dy;
        const auto alpha = static_cast<uint32_t>(d >= 1.0f ? 0.0f : 255.0f * (1.0f - d));
        disc->WritePixel(x, y, static_cast<int32_t>(alpha << 24 | 0xFFFFFFu));
      }
    }
    putSprite(name, *disc);
  }

  // Forty light, orange sparks in one batch flying every way from around the
  // emission point, slowing, falling a little and fading over about 0.6 s;
  // their sprite is "spark.png".
  void putBurst(const std::string& name) const {
    putDisc("spark.png", 5);
    tDescriptionText d;
    d[1] = "spark.png";
    d[3] = "50";
    d[5] = "40";             // forty particles in one batch
    d[7] = "30";             // living 0.6 s
    d[8] = "10";             // give or take 0.2 s
    d[11] = d[12] = "2";     // from around the emission point
    d[15] = d[16] = "1.5";   // flying every way
    d[17] = d[18] = "0.93";  // slowing down
    d[29] = d[30] = "1";
    d[31] = "0.4";
    d[37] = "1";
    d[38] = "-999";          // round
    d[39] = "1";
    d[43] = "-999";          // fading out over the life
    d[44] = "2";             // light
    d[46] = "255";
    d[47] = "170";
    d[48] = "60";
    d[50] = "60";
    d[51] = "40";
    d[61] = "0.04";          // falling a little
    d[62] = "1";
    put(name, d.text());
  }

 private:
  TempDir _dir;
  tCurrentScope<tFile> _media{std::make_shared<tFile>(_dir.path() + "/")};
};

}  // namespace vandrell

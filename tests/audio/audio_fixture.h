// tAudio on a loopback device, in a fresh working folder with its own media
// lookup and settings; time is stepped by hand, 50 frames per second.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "audio/audio.h"
#include "audio/ogg_samples.h"
#include "core/settings.h"
#include "resources/media_lookup.h"
#include "resources/working_folder.h"
#include "support/loopback_audio.h"

namespace vandrell {

class AudioTest : public ::testing::Test {
 public:
  static constexpr int32_t RATE = 22050;
  static constexpr int32_t FRAME = RATE / 50;
  static constexpr float DELTA = 0.02f;

 protected:
  // A track "music/" + name + ".ogg" of the test tone.
  static std::string putTrack(const std::string& name, double seconds, int32_t channels = 2) {
    std::string file = ToneOgg(seconds, channels, RATE);
    WorkingFolder::put("music/" + name + ".ogg", file);
    return file;
  }
  // A sound "media/" + name + ".ogg" of the test tone.
  static std::string putSound(const std::string& name, double seconds) {
    std::string file = ToneOgg(seconds, 1, RATE);
    WorkingFolder::put("media/" + name + ".ogg", file);
    return file;
  }

  // Runs `frames` frames: the update, then one frame of mixing. The
  // largest sample mixed in the last of them.
  int32_t step(int32_t frames = 1) {
    int32_t peak = 0;
    for (int32_t i = 0; i < frames; ++i) {
      tGuiObject::sendto(*manager, GUIMSG_UPDATE(), tFloatArray{DELTA});
      peak = LoopbackAudio::peak(audio.render(FRAME));
    }
    return peak;
  }

  WorkingFolder folder;
  tFile files{folder.root()};
  tCurrentScope<tFile> filesScope{files};
  tSettings settings;
  tCurrentScope<tSettings> settingsScope{settings};
  LoopbackAudio audio{RATE, 2};
  std::shared_ptr<tAudio> manager = std::make_shared<tAudio>();
};

}  // namespace vandrell

// The sound and music actions as a level's commands run them, with no audio
// device at all: they reach the audio manager and play silently.
#include "audio/audio_actions.h"

#include <memory>
#include <string>

#include "audio/audio_fixture.h"
#include "platform/audio_device.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

class AudioActionsTest : public AudioTest {
 protected:
  AudioActionsTest() { RegisterAudioActions(); }

  // Runs the script text as a command, as far as its first wait.
  static void run(const std::string& text) {
    const auto command = tCommand::Parse(text);
    command->start();
    command->update(0.0f);
  }
  // `frames` updates of the manager, without mixing anything.
  void update(int32_t frames) {
    for (int32_t i = 0; i < frames; ++i) tGuiObject::sendto(*manager, GUIMSG_UPDATE(), tFloatArray{DELTA});
  }

  tCurrentScope<TAudioContext> noDevice{nullptr};
  tCurrentScope<tAudio> current{manager};
  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
};

}  // namespace

TEST_F(AudioActionsTest, SoundsStartAtTheirVolumeAndStopByNameOrAll) {
  putSound("rain", 5.0);
  putSound("drip", 5.0);
  run("snd=rain;sound=drip,0.25;sound=missing");
  ASSERT_EQ(manager->sounds().size(), 2u);
  EXPECT_EQ(manager->sounds()[0].volume, 1.0f) << "full volume unless given";
  EXPECT_EQ(manager->sounds()[1].volume, 0.25f);

  run("stopsound=rain");
  EXPECT_EQ(manager->sounds()[0].stop, 1);
  EXPECT_EQ(manager->sounds()[1].stop, 0);
  run("stopsounds");
  EXPECT_EQ(manager->sounds()[1].stop, 1);
  update(30);
  EXPECT_TRUE(manager->sounds().empty());
}

TEST_F(AudioActionsTest, MusicVolumeGlidesOverTicksAndPlaylistsAreWholeNumbers) {
  putTrack("theme", 5.0);
  manager->loadTracks(CreateBankStream("theme\n0\ntheme\n2\n"));
  run("musvol=0.5,50;muslist=2.9");
  update(25);
  EXPECT_NEAR(manager->musicLevel(), 0.75f, 0.01f) << "half way after 25 of 50 ticks";
  update(26);
  EXPECT_FLOAT_EQ(manager->musicLevel(), 0.5f);
  EXPECT_EQ(manager->musicList(), 2);
}

}  // namespace vandrell

// Level sounds and interface shouts: fades, pausing, volumes, saving.
#include "audio/audio_fixture.h"
#include "support/log_capture.h"

namespace vandrell {

TEST_F(AudioTest, PausingSoundsFadesThemOutUntilTheirLastOwnerLetsGoButNeverShoutsOrMusic) {
  putSound("ambient", 5.0);
  putSound("click", 3.0);
  putTrack("song", 5.0);
  manager->sound("ambient", 1.0f);
  const int32_t full = step(5);
  ASSERT_GT(full, 2000);
  const int game = 0, menu = 0;
  manager->pauseSound(1, &game);
  manager->pauseSound(1, &menu);
  step(25);
  EXPECT_FLOAT_EQ(manager->sounds().at(0).mix, 0.0f);
  EXPECT_TRUE(manager->sounds().at(0).stream->paused());
  EXPECT_LE(step(), 2) << "faded out within half a second";

  manager->shout("click", 1.0f);
  manager->loadTracks(CreateBankStream("song\n0\n"));
  step(5);
  EXPECT_EQ(manager->shoutCount(), 1u);
  EXPECT_FALSE(manager->isPauseMusic());
  EXPECT_FLOAT_EQ(manager->musicMix(), 1.0f);
  EXPECT_TRUE(manager->sounds().at(0).stream->paused()) << "only the sounds pause";

  manager->pauseSound(0, &game);
  step(5);
  EXPECT_TRUE(manager->sounds().at(0).stream->paused()) << "the menu still holds them";
  manager->pauseSound(0, &menu);
  step(25);
  EXPECT_FLOAT_EQ(manager->sounds().at(0).mix, 1.0f);
  EXPECT_FALSE(manager->sounds().at(0).stream->paused());
}

TEST_F(AudioTest, StoppedSoundsFadeOutAndAreDropped) {
  putSound("rain", 5.0);
  putSound("wind", 5.0);
  putSound("drop", 0.2);
  manager->sound("rain", 1.0f);
  manager->sound("wind", 1.0f);
  manager->sound("rain", 0.5f);
  manager->sound("drop", 1.0f);
  step(20);
  ASSERT_EQ(manager->sounds().size(), 3u) << "a sound that played to its end is dropped";

  manager->zeb_stopsound("rain");
  step();
  EXPECT_EQ(manager->sounds().size(), 3u) << "fading out";
  step(25);
  ASSERT_EQ(manager->sounds().size(), 1u);
  EXPECT_EQ(manager->sounds()[0].name, "wind");

  manager->zeb_stopsounds();
  step(26);
  EXPECT_TRUE(manager->sounds().empty());
  EXPECT_LE(step(), 2);
}

TEST_F(AudioTest, TheSoundOptionReachesPlayingSoundsButNotPlayingShouts) {
  putSound("hum", 5.0);
  manager->sound("hum", 1.0f);
  const int32_t full = step(5);
  settings.VOLUME_SOUND = 0.5f;
  step();
  EXPECT_NEAR(step(), full * 0.5, full * 0.03);
  manager->zeb_sound("hum", 0.5f);  // a second one at half its volume
  manager->zeb_stopsounds();
  step(30);

  settings.VOLUME_SOUND = 1.0f;
  manager->shout("hum", 1.0f);
  const int32_t shout = step(5);
  EXPECT_NEAR(shout, full, full * 0.03);
  settings.VOLUME_SOUND = 0.5f;
  step();
  EXPECT_NEAR(step(), full, full * 0.03);
}

TEST_F(AudioTest, MusicAndSoundsRoundTripThroughASave) {
  putSound("ambient", 8.0);
  putSound("gone", 8.0);
  putTrack("a", 8.0);
  putTrack("b", 8.0);
  const std::string playlists = "a\n3\nb\n3\n";
  manager->loadTracks(CreateBankStream(playlists));
  manager->zeb_musiclist(3);
  manager->zeb_musicvolume(0.5f, 10.0f);
  manager->sound("ambient", 0.8f);
  manager->sound("gone", 1.0f);
  step(175);
  manager->stopsounds("gone");
  tConfig save;
  manager->saveInstant(save, "audio=");
  manager->saveSounds(save, "sound=");
  EXPECT_EQ(save.GetString("sound=0", "name", ""), "ambient");
  EXPECT_FLOAT_EQ(save.GetFloat("sound=0", "volume", 0), 0.8f);
  EXPECT_NEAR(save.GetDouble("sound=0", "seek", 0), 3.5, 0.03);
  EXPECT_EQ(save.Options("sound=1").size(), 0u) << "a sound fading out is not saved";

  // The level is loaded again: the audio is cleared, the level's playlists
  // read, then the save restored.
  const float level = manager->musicLevel();
  manager->clear();
  manager->loadTracks(CreateBankStream(playlists));
  manager->loadInstant(save, "audio=");
  manager->loadSounds(save, "sound=");
  EXPECT_EQ(manager->musicList(), 3);
  EXPECT_FLOAT_EQ(manager->musicLevel(), level);
  ASSERT_EQ(manager->sounds().size(), 1u);
  const tAudioSound& ambient = manager->sounds()[0];
  EXPECT_EQ(ambient.name, "ambient");
  EXPECT_FLOAT_EQ(ambient.volume, 0.8f);
  EXPECT_FLOAT_EQ(ambient.mix, 0.0f) << "it fades in";
  EXPECT_NEAR(ambient.stream->position(), 3.5, 0.03);

  step(25);
  EXPECT_FLOAT_EQ(ambient.mix, 1.0f);
  EXPECT_NEAR(ambient.stream->position(), 4.0, 0.03);
  ASSERT_TRUE(manager->currentMusic());
  EXPECT_LT(manager->currentMusic()->position(), 0.6) << "the playlist starts over";
  EXPECT_NEAR(manager->musicLevel(), level + 0.5f * -0.05f, 0.01f) << "the glide goes on";
}

TEST_F(AudioTest, BadSoundsAndShoutsGiveADiagnosticAndSilence) {
  WorkingFolder::put("media/cracked.ogg", ToneOgg(2.0, 1, RATE).substr(0, 100));
  LogCapture log;
  manager->sound("cracked", 1.0f);
  manager->shout("nothing", 1.0f);
  manager->soundRestore("cracked", 1.0f, 1.0);
  EXPECT_LE(step(5), 2);
  EXPECT_TRUE(manager->sounds().empty());
  EXPECT_EQ(manager->shoutCount(), 0u);
  EXPECT_TRUE(log.contains("sound> cracked: not an Ogg Vorbis file"));
  EXPECT_TRUE(log.contains("shout> nothing: no such file"));

  tConfig save;
  save.SetString("sound=0", "name", "cracked");
  save.SetDouble("sound=0", "seek", -7.0);
  save.SetString("sound=2", "name", "after a gap");
  manager->loadSounds(save, "sound=");
  EXPECT_TRUE(manager->sounds().empty());
  EXPECT_FALSE(log.contains("after a gap")) << "restoring stops at the first missing section";
}

TEST_F(AudioTest, ClearDropsEverythingTheLevelStarted) {
  putSound("hum", 5.0);
  putTrack("song", 5.0);
  manager->loadTracks(CreateBankStream("song\n0\n"));
  manager->sound("hum", 1.0f);
  manager->shout("hum", 1.0f);
  manager->zeb_musicvolume(0.0f, 0.0f);
  const int owner = 0;
  manager->pauseSound(1, &owner);
  manager->pauseMusic(1, &owner);
  step(5);
  manager->clear();
  EXPECT_EQ(manager->currentMusic(), nullptr);
  EXPECT_TRUE(manager->tracks(0).empty());
  EXPECT_TRUE(manager->sounds().empty());
  EXPECT_EQ(manager->shoutCount(), 0u);
  EXPECT_FALSE(manager->isPauseSound());
  EXPECT_FALSE(manager->isPauseMusic());
  EXPECT_FLOAT_EQ(manager->musicLevel(), 1.0f);
  EXPECT_LE(step(3), 2);
}

}  // namespace vandrell

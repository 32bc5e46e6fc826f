// Music: playlists, the music level, track volumes, pausing and bad tracks.
#include <algorithm>
#include <set>

#include "audio/audio_fixture.h"
#include "platform/random.h"
#include "resources/pak.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

// The tracks started, in order, as the debug log tells them.
std::vector<std::string> started(const LogCapture& log) {
  std::vector<std::string> names;
  for (const std::string& line : log.lines()) {
    if (line.rfind("music> ", 0) == 0 && line.find(':') == std::string::npos) names.push_back(line.substr(7));
  }
  return names;
}

}  // namespace

TEST_F(AudioTest, APlaylistPlaysEachTrackOnceBeforeAnyRepeats) {
  for (const char* name : {"a", "b", "c", "d", "other"}) putTrack(name, 0.3);
  SeedRnd(5);
  LogCapture log;
  manager->loadTracks(CreateBankStream("a\n0\nb\n0\n\nc\r\n0\nd\n 0 \nother\n1\n"));
  EXPECT_EQ(std::set<std::string>(manager->tracks(0).begin(), manager->tracks(0).end()),
            (std::set<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(manager->tracks(1), std::vector<std::string>{"other"});

  int32_t loudest = 0;
  for (int32_t frame = 0; frame < 300; ++frame) loudest = std::max(loudest, step());
  EXPECT_GT(loudest, 4000) << "the tracks are heard";
  const std::vector<std::string> order = started(log);
  ASSERT_GE(order.size(), 12u);
  EXPECT_EQ(std::set<std::string>(order.begin(), order.begin() + 4), (std::set<std::string>{"a", "b", "c", "d"}));
  for (size_t i = 4; i < order.size(); ++i) EXPECT_EQ(order[i], order[i - 4]) << "start " << i;
}

TEST_F(AudioTest, PlaylistsAreShuffled) {
  std::set<std::vector<std::string>> orders;
  for (int32_t seed = 1; seed <= 10; ++seed) {
    SeedRnd(seed);
    manager->loadTracks(CreateBankStream("a\n7\nb\n7\nc\n7\nd\n7\ne\n7\n"));
    orders.insert(manager->tracks(7));
  }
  EXPECT_GT(orders.size(), 3u);
}

TEST_F(AudioTest, ASingleTrackRepeatsAndTheNextPlaylistAvoidsTheTrackJustPlayed) {
  putTrack("a", 0.3);
  putTrack("b", 0.3);
  LogCapture log;
  manager->loadTracks(CreateBankStream("a\n0\n"));
  step(60);
  const std::vector<std::string> repeated = started(log);
  EXPECT_GE(repeated.size(), 3u);
  EXPECT_EQ(std::set<std::string>(repeated.begin(), repeated.end()), std::set<std::string>{"a"});

  // The next level's playlist holds the same track: "b" comes first, in
  // whichever order the shuffle put them.
  manager->clear();
  log.clear();
  manager->loadTracks(CreateBankStream("a\n0\nb\n0\n"));
  step();
  EXPECT_EQ(started(log), std::vector<std::string>{"b"});
}

TEST_F(AudioTest, MusicLevelGlidesToItsTargetAndTrackVolumeAndOptionScaleIt) {
  putTrack("loud", 10.0);
  putTrack("soft", 10.0);
  WorkingFolder::put("music/soft.ogg.vol", "0.5\r\nanything\n");
  manager->loadTracks(CreateBankStream("loud\n0\nsoft\n1\n"));
  const int32_t full = step(10);
  ASSERT_GT(full, 5000);

  manager->zeb_musicvolume(0.2f, 2.0f);
  step(50);
  EXPECT_NEAR(manager->musicLevel(), 0.6f, 0.01f) << "half way after a second";
  step(51);
  EXPECT_FLOAT_EQ(manager->musicLevel(), 0.2f);
  EXPECT_NEAR(step(2), full * 0.2, full * 0.03);
  manager->zeb_musicvolume(1.0f, 0.0f);
  step();
  EXPECT_FLOAT_EQ(manager->musicLevel(), 1.0f) << "no time means the next frame";

  manager->zeb_musiclist(1);
  step(2);
  EXPECT_EQ(manager->lastTrack(), "soft");
  EXPECT_NEAR(step(), full * 0.5, full * 0.03) << "the track's own volume";
  settings.VOLUME_MUSIC = 0.5f;
  step();
  EXPECT_NEAR(step(), full * 0.25, full * 0.03) << "the music option";
}

TEST_F(AudioTest, PausedMusicFadesOutWithinHalfASecondUntilItsLastOwnerLetsGo) {
  putTrack("long", 10.0);
  manager->loadTracks(CreateBankStream("long\n0\n"));
  const int32_t full = step(10);
  const int menu = 0, journal = 0;
  manager->pauseMusic(1, &menu);
  manager->pauseMusic(1, &journal);
  step(24);
  EXPECT_GT(manager->musicMix(), 0.0f);
  EXPECT_LT(step(), full / 4);
  step(2);
  EXPECT_FLOAT_EQ(manager->musicMix(), 0.0f);
  ASSERT_TRUE(manager->currentMusic());
  EXPECT_TRUE(manager->currentMusic()->paused());
  EXPECT_LE(step(), 2);
  const double held = manager->currentMusic()->position();

  manager->pauseMusic(0, &menu);
  step(10);
  EXPECT_TRUE(manager->isPauseMusic()) << "the journal still holds it";
  EXPECT_LE(step(), 2);
  manager->pauseMusic(0, &journal);
  step(26);
  EXPECT_FLOAT_EQ(manager->musicMix(), 1.0f);
  EXPECT_NEAR(step(), full, full * 0.03);
  EXPECT_NEAR(manager->currentMusic()->position(), held + 0.54, 0.03) << "it goes on where it paused";
}

TEST_F(AudioTest, BadTracksGiveADiagnosticAndTheNextTrackPlays) {
  WorkingFolder::put("music/broken.ogg", "not an Ogg Vorbis file at all");
  putTrack("fine", 1.0);
  LogCapture log;
  manager->loadTracks(CreateBankStream("broken\n0\nmissing\n0\nfine\n0\nstray\n1000\nlost\n"));
  EXPECT_TRUE(log.contains("music> stray: playlist number \"1000\" is not 0 to 999"));
  EXPECT_TRUE(log.contains("music> lost: playlist number \"\" is not 0 to 999"));
  ASSERT_EQ(manager->tracks(0).size(), 3u);

  step(3);
  EXPECT_EQ(manager->lastTrack(), "fine");
  EXPECT_GT(step(5), 4000);

  step(200);  // the playlist comes round again and again
  EXPECT_TRUE(log.contains("music> broken: not an Ogg Vorbis file"));
  EXPECT_TRUE(log.contains("music> missing: no such file"));
  const std::vector<std::string> order = started(log);
  EXPECT_EQ(std::count(order.begin(), order.end(), "broken"), 1) << "a bad track is tried once per level";
  EXPECT_EQ(std::count(order.begin(), order.end(), "missing"), 1);
  EXPECT_GE(std::count(order.begin(), order.end(), "fine"), 3);

  manager->musiclist(1000);
  EXPECT_LE(step(10), 2) << "a playlist number out of range is an empty playlist";
}

TEST_F(AudioTest, TracksPlayFromTheDataArchive) {
  putTrack("packed", 2.0);
  WorkingFolder::put("music/packed.ogg.vol", "0.5\n");
  ASSERT_TRUE(tPak::make("data", {"music/packed.ogg", "music/packed.ogg.vol"}).empty());
  DeleteFile("music/packed.ogg");
  DeleteFile("music/packed.ogg.vol");
  files.loadPak();
  manager->loadTracks(CreateBankStream("packed\n0\n"));
  const int32_t heard = step(10);
  tPak::pakCaseSensitive = true;
  ASSERT_TRUE(manager->currentMusic());
  EXPECT_GT(heard, 3000);
  EXPECT_LT(heard, 6000) << "at the volume of its archived volume file";
}

TEST_F(AudioTest, WithoutAudioNothingPlaysAndWithoutMusicOnlyTheMusicIsSilent) {
  putTrack("song", 2.0);
  putSound("bell", 2.0);
  settings.AUDIO_ON = 0;
  LogCapture log;
  manager->loadTracks(CreateBankStream("song\n0\n"));
  manager->sound("bell", 1.0f);
  manager->shout("bell", 1.0f);
  manager->music("song");
  EXPECT_LE(step(10), 2);
  EXPECT_EQ(manager->currentMusic(), nullptr);
  EXPECT_TRUE(manager->sounds().empty());
  EXPECT_EQ(manager->shoutCount(), 0u);
  EXPECT_TRUE(log.lines().empty());

  settings.AUDIO_ON = 1;
  settings.MUSIC_ON = 0;
  manager->sound("bell", 1.0f);
  EXPECT_GT(step(10), 2000);
  EXPECT_EQ(manager->currentMusic(), nullptr);
}

}  // namespace vandrell

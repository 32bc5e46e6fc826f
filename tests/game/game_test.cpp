#include "game/game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "game/app.h"
#include "gui/gui.h"
#include "platform/event.h"
#include "platform/filesystem.h"
#include "platform/process.h"
#include "platform/process_wide.h"
#include "resources/campaign.h"
#include "resources/media_lookup.h"
#include "resources/profile.h"
#include "script/zeb_script_scope.h"
#include "support/log_capture.h"
#include "support/manual_time.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

// The game without the main menu, whose fonts the test data lacks.
class TestGame : public tGame {
  VANDRELL_GUI_HOOKS(TestGame, tGame)

 protected:
  void insertOverlays() override { insert(tProcessWide<tAudio>::shared()); }
};

class TestCampaign : public tCampaign {
 public:
  tConfig& config() { return _config; }
};

// Hears what the game tells the running level.
class Listener : public tGuiObject {
  VANDRELL_GUI_HOOKS(Listener, tGuiObject, &Listener::M_COMMAND_NEXTCALL, &Listener::M_LOCATION_PAUSE,
                     &Listener::M_LOCATION_PAUSEOFF)

 public:
  int32_t M_COMMAND_NEXTCALL(vandrell::M_COMMAND_NEXTCALL& msg) {
    calls.push_back(msg.input());
    return 0;
  }
  int32_t M_LOCATION_PAUSE(vandrell::M_LOCATION_PAUSE& msg) {
    pausedBy = msg.input();
    return 0;
  }
  int32_t M_LOCATION_PAUSEOFF(vandrell::M_LOCATION_PAUSEOFF& msg) {
    if (pausedBy == msg.input()) pausedBy = nullptr;
    return 0;
  }

  std::vector<std::string> calls;
  tPauseOwner pausedBy = nullptr;
};

// The application on the test levels (loose files of tests/data/game), with a
// player folder of its own, and a game over them.
class GameTest : public ::testing::Test {
 protected:
  GameTest() : GameTest(std::string(VANDRELL_TEST_DATA) + "/game/") {}
  explicit GameTest(const std::string& data) : _media(std::make_shared<tFile>(data)) {
    setArgs({"vandrell", "-user", user.path() + "/", "-pak", "0"});
    app = std::make_unique<tApp>();
    tGui::Current().insert(listener);
  }
  ~GameTest() override {
    if (game) game->freeLevel();
    app.reset();
    ChangeDir(_workingDir);
    setArgs({"vandrell"});
  }

  static void setArgs(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    SetAppArgs(static_cast<int>(argv.size()), argv.data());
  }

  // A new game, as at the program's next start.
  tGame& start() {
    if (game) {
      game->freeLevel();
      game->free();
    }
    game = std::make_shared<TestGame>();
    _game = std::make_unique<tCurrentScope<tGame>>(game);
    game->start();
    return *game;
  }
  std::string levelPath() const { return game->level() ? game->level()->path() : "(none)"; }
  // A player of slot 1 at `progress`, written to the profiles file.
  void player(int32_t progress) {
    profile().user(1);
    profile().createPlayer("Ada");
    profile().progress(progress);
    profile().saveProfile();
  }
  static tProfile& profile() { return tProfile::Current(); }
  tConfig& campaign() { return _campaign->config(); }
  template <class Message>
  static void send() {
    tGuiObject::send(Message{});
  }

  std::string _workingDir = CurrentDir();
  ManualTime time;
  TempDir user;
  tCurrentScope<tGui> _root{std::make_shared<tGui>()};
  ZebScriptScope _script;
  tCurrentScope<tFile> _media;
  tCurrentScope<tAudio> _audio{std::make_shared<tAudio>()};
  tCurrentScope<tProfile> _profile{std::make_shared<tProfile>()};
  std::shared_ptr<TestCampaign> _campaign = std::make_shared<TestCampaign>();
  tCurrentScope<tCampaign> _campaignScope{_campaign};
  LogCapture log;
  std::unique_ptr<tApp> app;
  std::shared_ptr<Listener> listener = std::make_shared<Listener>();
  std::shared_ptr<tGame> game;

 private:
  std::unique_ptr<tCurrentScope<tGame>> _game;
};

}  // namespace

TEST_F(GameTest, TheTitleIntroAndMenuChainOnNextLevel) {
  tGame& g = start();
  EXPECT_EQ(levelPath(), "title") << "the title loads during start-up";
  EXPECT_EQ(g.mode(), tGame::MODE_INTRO);
  EXPECT_EQ(g.level().get(), g.order().front().get()) << "the level lies below every overlay";
  send<M_GAME_NEXTLEVEL>();
  EXPECT_EQ(levelPath(), "intro");
  EXPECT_EQ(g.mode(), tGame::MODE_MENU);
  send<M_GAME_NEXTLEVEL>();
  EXPECT_EQ(levelPath(), "menu");
  EXPECT_EQ(g.mode(), tGame::MODE_GAME);
  EXPECT_TRUE(log.contains("Level free."));
  EXPECT_EQ(tGui::Current().objects().order().size(), 2u) << "one game, one listener: old levels left the root";
}

TEST_F(GameTest, EveryRequestLeadsWhereItSays) {
  tGame& g = start();
  player(0);
  send<M_GAME_GAME>();
  EXPECT_EQ(levelPath(), "first");
  EXPECT_EQ(g.mode(), 0);

  send<M_GAME_FAIL>();
  EXPECT_EQ(levelPath(), "first") << "a failed level stays until the menu's answer";
  EXPECT_EQ(g.mode(), tGame::MODE_GAME);
  send<M_GAME_RESTARTLEVEL>();
  EXPECT_EQ(levelPath(), "first");
  EXPECT_EQ(g.mode(), 0);

  send<M_GAME_PROGRESS>();
  send<M_GAME_NEXTLEVEL>();
  EXPECT_EQ(profile().getProgress(), 1);
  EXPECT_EQ(levelPath(), "second");
  EXPECT_EQ(g.mode(), 1);

  send<M_GAME_MENU>();
  EXPECT_EQ(levelPath(), "menu");
  EXPECT_EQ(g.mode(), tGame::MODE_GAME);
  send<M_GAME_EXTRA>();
  EXPECT_EQ(levelPath(), "extra");
  EXPECT_EQ(g.mode(), tGame::MODE_MENU);
  M_GAME_DIARY::send({1});
  EXPECT_EQ(levelPath(), "second") << "the diary shows the campaign level of its page";
  EXPECT_EQ(g.mode(), tGame::MODE_MENU);
  EXPECT_EQ(listener->calls, std::vector<std::string>{"__diary"});
  send<M_GAME_NEXTLEVEL>();
  EXPECT_EQ(levelPath(), "menu");
}

TEST_F(GameTest, ProgressPastTheLastLevelFinishesTheStory) {
  tGame& g = start();
  player(2);
  send<M_GAME_GAME>();
  ASSERT_EQ(g.mode(), 2);
  send<M_GAME_PROGRESS>();
  send<M_GAME_NEXTLEVEL>();
  EXPECT_TRUE(profile().isFinish());
  EXPECT_EQ(levelPath(), "menu");
  EXPECT_EQ(g.mode(), tGame::MODE_GAME);

  tProfile saved;
  saved.loadProfile(user.path() + "/");
  saved.user(1);
  EXPECT_TRUE(saved.isFinish()) << "the finished story is written at once";
  EXPECT_EQ(saved.getProgress(), 3);
}

TEST_F(GameTest, LevelsThatCannotLoadAreSkippedOrEndTheGame) {
  campaign().Set("title", "path", "nowhere");
  campaign().RemoveSection("intro");
  tGame& g = start();
  EXPECT_EQ(levelPath(), "menu") << "a missing title and intro are skipped";
  EXPECT_TRUE(log.contains("Can't load level nowhere!"));
  EXPECT_TRUE(log.contains("The campaign has no \"intro\" level."));
  EXPECT_FALSE(log.contains("(string)")) << "no folder of no name is looked for";

  campaign().Set("menu", "path", "nowhere");
  send<M_GAME_MENU>();
  EXPECT_EQ(levelPath(), "first") << "without a menu level the game goes on to the story";
  EXPECT_EQ(g.mode(), 0);

  player(3);
  EXPECT_THROW(send<M_GAME_MENU>(), TProcessExit) << "nothing to play and no menu: the game ends";

  player(1);
  campaign().Set("1", "path", "nowhere");
  EXPECT_THROW(send<M_GAME_GAME>(), TProcessExit) << "a story level that cannot load ends the game";
  EXPECT_TRUE(log.contains("cannot load the level \"nowhere\""));
}

TEST_F(GameTest, TheMenuLevelShowsTheNoticeOfADamagedProfile) {
  start();
  profile().corrupt(1);
  send<M_GAME_MENU>();
  EXPECT_EQ(listener->calls, std::vector<std::string>{"__profilecorrupted"});
  EXPECT_EQ(profile().isCorrupt(), 0);
  send<M_GAME_MENU>();
  EXPECT_EQ(listener->calls.size(), 1u) << "once only";
}

TEST_F(GameTest, LosingTheWindowPausesTheSceneAndTheAudioUntilItReturns) {
  tGame& g = start();
  send<M_APP_SUSPEND>();
  EXPECT_EQ(listener->pausedBy, &g);
  EXPECT_TRUE(tAudio::Current().isPauseMusic());
  EXPECT_TRUE(tAudio::Current().isPauseSound());
  send<M_APP_RESUME>();
  EXPECT_EQ(listener->pausedBy, nullptr);
  EXPECT_FALSE(tAudio::Current().isPauseMusic());
  EXPECT_FALSE(tAudio::Current().isPauseSound());
}

TEST_F(GameTest, QuittingASavableLevelSavesItAndTheNextStartResumesIt) {
  start();
  player(0);
  send<M_GAME_GAME>();
  tAudio::Current().musiclist(7);
  EXPECT_THROW(send<M_APP_TERMINATE>(), TProcessExit);
  EXPECT_TRUE(profile().isSave(""));

  start();
  EXPECT_NE(tAudio::Current().musicList(), 7);
  send<M_GAME_GAME>();
  EXPECT_EQ(levelPath(), "first");
  EXPECT_EQ(tAudio::Current().musicList(), 7) << "the saved state came back";
  EXPECT_TRUE(log.contains("Level first resumed."));
}

TEST_F(GameTest, ClosingTheWindowWhileASavedLevelLoadsKeepsTheSave) {
  start();
  player(0);
  send<M_GAME_GAME>();
  tAudio::Current().musiclist(7);
  send<M_GAME_SAVE>();
  PostEvent(TEvent{.id = 259});
  EXPECT_THROW(send<M_GAME_GAME>(), TProcessExit) << "the close is seen during the load";

  start();
  send<M_GAME_GAME>();
  EXPECT_EQ(tAudio::Current().musicList(), 7) << "the level not yet restored was not saved over the save";
}

TEST_F(GameTest, OnlyTheLevelAtTheProgressIsSavedAndOnlyWhereTheCampaignAllows) {
  start();
  player(1);
  send<M_GAME_GAME>();
  send<M_GAME_SAVE>();
  EXPECT_FALSE(profile().isSave("")) << "level 1 has no \"save\"";
  profile().progress(2);
  send<M_GAME_SAVE>();
  send<M_GAME_AUTOSAVE>();
  EXPECT_FALSE(profile().isSave("")) << "a level below the progress is replayed, not saved";
  EXPECT_FALSE(profile().isSave(".auto"));

  profile().user(0);
  send<M_GAME_GAME>();
  send<M_GAME_SAVE>();
  EXPECT_FALSE(profile().isSave("")) << "no player, no save";
}

TEST_F(GameTest, RestartingResumesTheAutomaticSaveOrStartsAfresh) {
  start();
  player(0);
  send<M_GAME_GAME>();
  send<M_GAME_RESTARTLEVEL>();
  EXPECT_FALSE(log.contains("resumed"));

  tAudio::Current().musiclist(4);
  send<M_GAME_AUTOSAVE>();
  tAudio::Current().musiclist(9);
  send<M_GAME_RESTARTLEVEL>();
  EXPECT_EQ(tAudio::Current().musicList(), 4);
  send<M_GAME_GAME>();
  EXPECT_NE(tAudio::Current().musicList(), 4) << "the ordinary save is another file";
}

TEST_F(GameTest, ASaveThatDoesNotFitIsReportedAndTheLevelStartsAfresh) {
  start();
  player(0);
  send<M_GAME_GAME>();
  tAudio::Current().musiclist(7);
  send<M_GAME_SAVE>();

  profile().progress(2);
  send<M_GAME_GAME>();
  EXPECT_NE(tAudio::Current().musicList(), 7);
  EXPECT_TRUE(log.contains("The save \"1\" was made at another point of the story; the level starts afresh."));

  profile().progress(0);
  const std::string file = user.file("1");
  std::vector<char> bytes(std::filesystem::file_size(file));
  std::fstream(file, std::ios::in | std::ios::binary).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.back() ^= 1;
  std::fstream(file, std::ios::out | std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  send<M_GAME_GAME>();
  EXPECT_NE(tAudio::Current().musicList(), 7);
  EXPECT_TRUE(log.contains("The save \"1\" is damaged; the level starts afresh."));
}

TEST_F(GameTest, ASaveTheLevelRefusesRestoresNothing) {
  start();
  player(0);
  send<M_GAME_GAME>();
  tAudio::Current().musiclist(7);
  send<M_GAME_SAVE>();
  tConfig save;
  ASSERT_TRUE(profile().loadSave(save, ""));
  save.SetInt("check=", "keys", 99999);  // the level's own count of its values
  ASSERT_TRUE(profile().makeSave(save, ""));
  send<M_GAME_GAME>();
  EXPECT_NE(tAudio::Current().musicList(), 7) << "not the music of a level that was not restored";
  EXPECT_TRUE(log.contains("The save of level first does not fit it; the level starts afresh."));
}

// The test levels copied where a test may change them.
class ChangedFilesTest : public GameTest {
 protected:
  ChangedFilesTest() : GameTest(copy()) {}
  static std::string copy() {
    static TempDir folder;
    std::filesystem::copy(std::string(VANDRELL_TEST_DATA) + "/game", folder.path(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    return folder.path() + "/";
  }
};

TEST_F(ChangedFilesTest, ASaveOfOtherLevelFilesIsNotApplied) {
  start();
  player(0);
  send<M_GAME_GAME>();
  tAudio::Current().musiclist(7);
  send<M_GAME_SAVE>();
  std::ofstream(tFile::Current().root() + "locations/first/objects.cfg") << "lamp\n";
  send<M_GAME_GAME>();
  EXPECT_NE(tAudio::Current().musicList(), 7);
  EXPECT_TRUE(log.contains("The save of level first was made of other files of it; the level starts afresh."));
}

}  // namespace vandrell

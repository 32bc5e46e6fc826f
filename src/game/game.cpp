#include "game/game.h"

#include <stdexcept>

#include "audio/audio.h"
#include "game/app.h"
#include "game/level_developer.h"
#include "game/level_loader.h"
#include "gui/formatter.h"
#include "gui/gui.h"
#include "hud/cursor.h"
#include "hud/sos.h"
#include "menus/menu.h"
#include "menus/menu_cmd.h"
#include "menus/mmenu.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/process_wide.h"
#include "platform/shell.h"
#include "platform/stream.h"
#include "resources/campaign.h"
#include "resources/media_lookup.h"
#include "resources/profile.h"

namespace vandrell {

namespace {

// Sections of a save written by the game itself.
const char* const INTERFACE = "interface=";
const char* const GAME = "game=";
const char* const PROFILE = "profile=";

// The files a level reads from each of its location folders.
const char* const LOCATION_FILES[] = {"messages.cfg", "missions.cfg", "mission_groups.cfg", "objects.cfg",
                                      "extcommands.cfg"};

// FNV-1a: changes with any byte of what it is fed.
class tFingerprint {
 public:
  void add(const void* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
      _hash ^= static_cast<const uint8_t*>(data)[i];
      _hash *= 1099511628211ull;
    }
  }
  void add(const std::string& text) { add(text.data(), text.size() + 1); }
  // The level file `name`, or the fact that there is none.
  void addLevelFile(const std::string& name) {
    add(name);
    const TStreamPtr file = tFile::Current().level(name, tFile::OPTIONAL);
    if (!file) return add("-");
    char buffer[4096];
    while (const int64_t count = file->read(buffer, sizeof(buffer))) {
      if (count < 0) break;
      add(buffer, static_cast<size_t>(count));
    }
  }
  std::string text() const { return std::to_string(_hash); }

 private:
  uint64_t _hash = 14695981039346656037ull;
};

}  // namespace

tGame& tGame::Current() {
  return tProcessWide<tGame>::get([]() -> std::shared_ptr<tGame> {
    throw std::logic_error("the game object is asked for before it exists");
  });
}

void tGame::start() {
  tGui::Current().insert(shared_from_this());
  insertOverlays();
  if (!tApp::Current().PAK_ON) {
    // Content creators edit loose files: F5 and F6 work over every level.
    auto developer = std::make_shared<tLevelDeveloper>([this] { reloadLevel(); });
    insert(developer);
    _developer = developer;
  }
  switchTo(MODE_TITLE);
}

void tGame::insertOverlays() {
  insert(tMenuCmd::shared());
  insert(tMenu::shared());
  insert(tMMenu::shared());
  insert(tCursor::shared());
  insert(tProcessWide<tAudio>::shared());
}

void tGame::switchTo(int32_t mode) {
  _mode = mode;
  send(vandrell::M_GAME_KILLLEVEL{});
}

void tGame::freeLevel() {
  if (!_level) return;
  _level->free();
  _level->clear();
  _level.reset();
  _levelFiles.clear();
  DebugLog("Level free.");
}

int32_t tGame::loadLevel(const std::string& path, tLoading* loading) {
  std::unique_ptr<tLoading> progress;
  if (!loading) {
    progress = std::make_unique<tProgressLoading>();
    loading = progress.get();
  }
  SetMouseVisible(false);
  tMenu::Current().hide();
  tMenuCmd::Current().hide();
  if (tProcessWide<tMMenu>::exists()) tMMenu::Current().hide();
  tAudio::Current().clear();
  tCursor::Current().show(1);
  tCursor::Current().lock(0);
  _level = std::make_shared<tLevel>();
  insertBottom(_level);
  if (!tLevelLoader(*_level).load(path, *loading)) {
    DebugLog(tSf::Create("Can't load level %s!").s(path).sf());
    freeLevel();
    return 0;
  }
  _levelFiles = levelFiles();
  if (const auto developer = _developer.lock()) developer->level(_level);
  DebugLog("Level " + path + " loaded.");
  // A level that finished loading while the window was inactive waits, its
  // loading screen still drawn, until the window is active again.
  tApp& app = tApp::Current();
  do {
    loading->interrupt();
    Sleep(100);
    app.flush();
  } while (app.isSuspend());
  return 1;
}

int32_t tGame::loadSection(const std::string& section, tLoading* loading) {
  // A test campaign ("-l") holds one level only: the title, intro and menu it
  // lacks are skipped without looking for a folder of no name.
  const tCampaign& campaign = tCampaign::Current();
  if (!campaign.contains(section, "path")) {
    DebugLog("The campaign has no \"" + section + "\" level.");
    return 0;
  }
  return loadLevel(campaign.get(section, "path"), loading);
}

void tGame::reloadLevel() {
  if (!_level) return;
  const std::string path = _level->path();
  freeLevel();
  loadLevel(path, nullptr);
  tApp::Current().flush();
  tApp::Current().near();
}

int32_t tGame::M_GAME_KILLLEVEL(vandrell::M_GAME_KILLLEVEL&) {
  freeLevel();
  switch (_mode) {
    case MODE_TITLE: {
      _mode = MODE_INTRO;
      tQuietLoading quiet;
      if (!loadSection("title", &quiet)) send(vandrell::M_GAME_KILLLEVEL{});
      break;
    }
    case MODE_INTRO:
      _mode = MODE_MENU;
      if (!loadSection("intro")) send(vandrell::M_GAME_KILLLEVEL{});
      break;
    case MODE_MENU:
      _mode = MODE_GAME;
      _menuMissing = !loadSection("menu");
      if (_menuMissing) {
        send(vandrell::M_GAME_KILLLEVEL{});
      } else if (tProfile::Current().isCorrupt()) {
        tProfile::Current().corrupt(0);
        M_COMMAND_NEXTCALL::send("__profilecorrupted");
      }
      break;
    case MODE_EXTRA:
      _mode = MODE_MENU;
      if (!loadSection("extra")) send(vandrell::M_GAME_KILLLEVEL{});
      break;
    case MODE_DIARY:
      _mode = MODE_MENU;
      if (!loadSection(std::to_string(_diary))) {
        send(vandrell::M_GAME_KILLLEVEL{});
      } else {
        M_COMMAND_NEXTCALL::send("__diary");
        if (tProcessWide<tMMenu>::exists()) tMMenu::Current().showDiary();
      }
      break;
    default:
      switchToCampaign();
      break;
  }
  // Input queued while loading is dropped, and the first frame after it
  // advances by nothing.
  tApp::Current().flush();
  tApp::Current().near();
  return 0;
}

void tGame::switchToCampaign() {
  tProfile& profile = tProfile::Current();
  tConfig save;
  const bool saved = readSave(_mode == MODE_RESTART ? ".auto" : "", save);
  _mode = profile.getProgress();
  const std::string section = std::to_string(_mode);
  if (tCampaign::Current().contains(section, "")) {
    // Until the save is applied the level is not the player's: closing the
    // window meanwhile must not write it over their save.
    _restoring = true;
    const int32_t loaded = loadSection(section);
    _restoring = false;
    if (!loaded) {
      Alert(tSf::Create("%s cannot load the level \"%s\" of its story (campaign level %s). Reinstall the game; "
                        "-log - shows the details.")
                .s(tApp::TITLE)
                .s(tCampaign::Current().get(section, "path"))
                .s(section)
                .sf());
      tApp::Current().quit();
    }
    if (saved) resumeSave(save);
    return;
  }
  profile.finish();
  profile.saveProfile();
  if (_menuMissing) {
    DebugLog("The story is over and there is no menu level to return to: the game ends.");
    tApp::Current().quit();
  }
  switchTo(MODE_MENU);
}

bool tGame::readSave(const std::string& suffix, tConfig& save) {
  tProfile& profile = tProfile::Current();
  if (!profile.isSave(suffix)) return false;
  const std::string name = "The save \"" + std::to_string(profile.slot()) + suffix + "\"";
  if (!profile.loadSave(save, suffix)) {
    DebugLog(name + " is damaged; the level starts afresh.");
    return false;
  }
  if (!save.Contains(PROFILE, "progress") || save.GetInt(PROFILE, "progress", 0) != profile.getProgress()) {
    DebugLog(name + " was made at another point of the story; the level starts afresh.");
    return false;
  }
  return true;
}

void tGame::resumeSave(tConfig& save) {
  if (save.GetString(GAME, "level", "") != _level->path() || save.GetString(GAME, "files", "") != _levelFiles) {
    DebugLog("The save of level " + _level->path() + " was made of other files of it; the level starts afresh.");
    return;
  }
  if (!loadInstant(save)) {
    DebugLog("The save of level " + _level->path() + " does not fit it; the level starts afresh.");
    return;
  }
  DebugLog("Level " + _level->path() + " resumed.");
}

void tGame::writeSave(const std::string& suffix) {
  tConfig config;
  saveInstant(config);
  if (!tProfile::Current().makeSave(config, suffix)) DebugLog("Can't write the save!");
}

std::string tGame::levelFiles() const {
  tFingerprint fingerprint;
  fingerprint.addLevelFile("sysmissions.cfg");
  fingerprint.addLevelFile(_level->path() + "/location.cfg");
  for (const auto& [id, location] : _level->locations()) {
    fingerprint.add(id);
    for (const char* file : LOCATION_FILES) fingerprint.addLevelFile(location->getName() + "/" + file);
  }
  return fingerprint.text();
}

void tGame::saveInstant(tConfigBase& config) {
  if (_level) _level->saveInstant(config);
  tProfile& profile = tProfile::Current();
  profile.saveInstant(config, PROFILE);
  // A player who has not finished a level yet has no progress of their own;
  // the save still records where it was made, or it could never be resumed.
  config.SetInt(PROFILE, "progress", profile.getProgress());
  tAudio::Current().saveInstant(config, "audio=");
  tAudio::Current().saveSounds(config, "sound=");
  tCursor::Current().saveInstant(config, "cursor=");
  config.SetInt(INTERFACE, "menucmd", tMenuCmd::Current().isShow());
  if (_level) {
    config.Set(GAME, "level", _level->path());
    config.Set(GAME, "files", _levelFiles);
  }
}

int32_t tGame::loadInstant(tConfigBase& config) {
  if (_level && !_level->loadInstant(config)) return 0;
  tProfile::Current().loadInstant(config, PROFILE);
  tAudio::Current().loadInstant(config, "audio=");
  tAudio::Current().loadSounds(config, "sound=");
  tCursor::Current().loadInstant(config, "cursor=");
  if (config.GetInt(INTERFACE, "menucmd", 0)) {
    tMenuCmd::Current().show();
  } else {
    tMenuCmd::Current().hide();
  }
  return 1;
}

int32_t tGame::M_APP_SUSPEND(vandrell::M_APP_SUSPEND&) {
  // During play the in-game menu opens, and it pauses the level itself.
  if (tMenuCmd::Current().isShow()) {
    tMenu::Current().show();
    return 0;
  }
  M_LOCATION_PAUSE::send(this);
  tAudio::Current().pauseMusic(1, this);
  tAudio::Current().pauseSound(1, this);
  return 0;
}

int32_t tGame::M_APP_RESUME(vandrell::M_APP_RESUME&) {
  // The menu opened on suspending stays open until the player closes it.
  if (tMenuCmd::Current().isShow()) return 0;
  M_LOCATION_PAUSEOFF::send(this);
  tAudio::Current().pauseMusic(0, this);
  tAudio::Current().pauseSound(0, this);
  return 0;
}

int32_t tGame::M_APP_TERMINATE(vandrell::M_APP_TERMINATE&) {
  send(vandrell::M_GAME_SAVE{});
  if (const TStreamPtr file = ReadFile(tFile::Current().root() + "url")) {
    tConfig url;
    url.Load(file);
    if (url.Contains("url", "survey")) OpenURL(url.GetString("url", "survey", ""));
  }
  tApp::Current().quit();
  return 0;
}

int32_t tGame::M_GAME_MENU(vandrell::M_GAME_MENU&) {
  switchTo(MODE_MENU);
  return 0;
}

int32_t tGame::M_GAME_EXTRA(vandrell::M_GAME_EXTRA&) {
  switchTo(MODE_EXTRA);
  return 0;
}

int32_t tGame::M_GAME_DIARY(vandrell::M_GAME_DIARY& msg) {
  _diary = msg.page();
  switchTo(MODE_DIARY);
  return 0;
}

int32_t tGame::M_GAME_GAME(vandrell::M_GAME_GAME&) {
  switchTo(MODE_GAME);
  return 0;
}

int32_t tGame::M_GAME_RESTARTLEVEL(vandrell::M_GAME_RESTARTLEVEL&) {
  switchTo(MODE_RESTART);
  return 0;
}

int32_t tGame::M_GAME_NEXTLEVEL(vandrell::M_GAME_NEXTLEVEL&) {
  switchTo(_mode >= 0 ? MODE_GAME : _mode);
  return 0;
}

int32_t tGame::M_GAME_FAIL(vandrell::M_GAME_FAIL&) {
  if (_mode >= 0) _mode = MODE_GAME;
  return 0;
}

int32_t tGame::M_GAME_PROGRESS(vandrell::M_GAME_PROGRESS&) {
  tProfile& profile = tProfile::Current();
  if (_mode >= 0) {
    if (profile.isPlayer(0)) {
      profile.sos(tSos::Current().count());
      profile.upProgress();
    }
    _mode = MODE_GAME;
  }
  profile.saveProfile();
  return 0;
}

int32_t tGame::M_GAME_SAVE(vandrell::M_GAME_SAVE&) {
  tProfile& profile = tProfile::Current();
  if (_level && !_restoring && profile.isPlayer(0) && _mode == profile.getProgress() &&
      tCampaign::Current().getInt(std::to_string(_mode), "save")) {
    writeSave("");
  }
  return 0;
}

int32_t tGame::M_GAME_AUTOSAVE(vandrell::M_GAME_AUTOSAVE&) {
  if (_level && !_restoring && _mode == tProfile::Current().getProgress()) writeSave(".auto");
  return 0;
}

}  // namespace vandrell

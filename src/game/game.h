// The game: decides which level plays (the title, the intro, the main-menu
// level, a campaign level, the extra level or a diary page), switches levels
// behind a loading screen when the running level, a menu or the application
// asks, keeps the running level's state in the player's saves, and answers the
// window being deactivated, activated and closed.
//
// Its set holds, bottom to top, the level and the overlays of the play screen.
// The mode says where the next M_GAME_KILLLEVEL leads: a request sets it and
// broadcasts M_GAME_KILLLEVEL; while a level plays it holds the level that
// follows (the campaign index while a campaign level plays).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "game/level.h"
#include "game/loading.h"
#include "gui/app_messages.h"
#include "gui/object_set.h"
#include "resources/config.h"

namespace vandrell {

class tLevelDeveloper;

class tGame : public tGuiSet {
  VANDRELL_GUI_HOOKS(tGame, tGuiSet, &tGame::M_APP_SUSPEND, &tGame::M_APP_RESUME, &tGame::M_APP_TERMINATE,
                     &tGame::M_GAME_KILLLEVEL, &tGame::M_GAME_PROGRESS, &tGame::M_GAME_FAIL, &tGame::M_GAME_MENU,
                     &tGame::M_GAME_EXTRA, &tGame::M_GAME_DIARY, &tGame::M_GAME_GAME, &tGame::M_GAME_NEXTLEVEL,
                     &tGame::M_GAME_RESTARTLEVEL, &tGame::M_GAME_SAVE, &tGame::M_GAME_AUTOSAVE)

 public:
  // Modes; 0 and above is the index of a campaign level.
  static constexpr int32_t MODE_TITLE = -1;
  static constexpr int32_t MODE_INTRO = -2;
  static constexpr int32_t MODE_MENU = -3;
  static constexpr int32_t MODE_GAME = -4;
  static constexpr int32_t MODE_RESTART = -5;
  static constexpr int32_t MODE_EXTRA = -6;
  static constexpr int32_t MODE_DIARY = -7;

  // An empty set without a level; start() brings it to life.
  tGame() = default;

  // The one game object (put in place with tCurrentScope); asking before
  // there is one is a programming error.
  static tGame& Current();

  // Joins the GUI root, takes the overlays into the set and loads the title
  // level (and what follows when that fails) before returning. The
  // application must exist.
  virtual void start();

  // Frees the running level, if any.
  virtual void freeLevel();
  // Loads the level of folder `path` at the bottom of the set behind
  // `loading` (null: a new progress screen). 1 on success; 0, with the level
  // freed, on failure.
  virtual int32_t loadLevel(const std::string& path, tLoading* loading);

  virtual int32_t M_APP_SUSPEND(vandrell::M_APP_SUSPEND& msg);
  virtual int32_t M_APP_RESUME(vandrell::M_APP_RESUME& msg);
  // Saves the running level, opens the survey link of the "url" file and
  // ends the program.
  virtual int32_t M_APP_TERMINATE(vandrell::M_APP_TERMINATE& msg);
  // The mode switch: frees the level and loads the one the mode names.
  virtual int32_t M_GAME_KILLLEVEL(vandrell::M_GAME_KILLLEVEL& msg);
  virtual int32_t M_GAME_PROGRESS(vandrell::M_GAME_PROGRESS& msg);
  virtual int32_t M_GAME_FAIL(vandrell::M_GAME_FAIL& msg);
  virtual int32_t M_GAME_MENU(vandrell::M_GAME_MENU& msg);
  virtual int32_t M_GAME_EXTRA(vandrell::M_GAME_EXTRA& msg);
  virtual int32_t M_GAME_DIARY(vandrell::M_GAME_DIARY& msg);
  virtual int32_t M_GAME_GAME(vandrell::M_GAME_GAME& msg);
  virtual int32_t M_GAME_NEXTLEVEL(vandrell::M_GAME_NEXTLEVEL& msg);
  virtual int32_t M_GAME_RESTARTLEVEL(vandrell::M_GAME_RESTARTLEVEL& msg);
  virtual int32_t M_GAME_SAVE(vandrell::M_GAME_SAVE& msg);
  virtual int32_t M_GAME_AUTOSAVE(vandrell::M_GAME_AUTOSAVE& msg);

  // The state of play: the level, the player's copy (to check the progress),
  // music and sounds, and the game's own section.
  virtual void saveInstant(tConfigBase& config);
  // 0, with nothing restored, when the level refuses its part of the save.
  virtual int32_t loadInstant(tConfigBase& config);

  const std::shared_ptr<tLevel>& level() const { return _level; }
  int32_t mode() const { return _mode; }
  // For the switch to follow; a request does this and broadcasts.
  void mode(int32_t mode) { _mode = mode; }
  int32_t diary() const { return _diary; }

 protected:
  // The overlays above the level, bottom to top.
  virtual void insertOverlays();
  // Sets the mode and broadcasts M_GAME_KILLLEVEL.
  void switchTo(int32_t mode);
  // Loads the campaign section's level; `loading` as for loadLevel.
  int32_t loadSection(const std::string& section, tLoading* loading = nullptr);
  // The branch of the switch for a campaign level.
  void switchToCampaign();
  // The save of `suffix` when it belongs to the level about to load: it
  // exists, is whole, was made at the player's progress; an unusable one is
  // reported. Empty otherwise.
  bool readSave(const std::string& suffix, tConfig& save);
  // Restores `save` onto the level just loaded when it was made of the same
  // level files; otherwise reports it and leaves the level as loaded.
  void resumeSave(tConfig& save);
  // Stores the state of play under `suffix`.
  void writeSave(const std::string& suffix);
  // A fingerprint of the files the running level was built from.
  std::string levelFiles() const;
  // F5 over a level read from loose files builds it anew from them.
  void reloadLevel();

  std::shared_ptr<tLevel> _level;
  int32_t _mode = MODE_TITLE;
  int32_t _diary = 0;
  // Set when the menu level failed to load, until it loads: a campaign with
  // nothing left to play must not send the game back to a menu that cannot
  // load, for ever.
  bool _menuMissing = false;
  // Set while a campaign level loads, before its save is applied.
  bool _restoring = false;
  // The fingerprint of the files of the running level, taken when it loaded.
  std::string _levelFiles;
  std::weak_ptr<tLevelDeveloper> _developer;
};

}  // namespace vandrell

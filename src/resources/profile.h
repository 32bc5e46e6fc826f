// The players (up to three, in slots 1 to 3) with their progress, hints,
// finished flags and script variables, and their saved games. Everything is
// written scrambled (tEncrypt) and replaces the old file only once completely
// written, so a crash or a full disk never costs a player their progress.
#pragma once

#include <cstdint>
#include <string>

#include "resources/config.h"

namespace vandrell {

class tProfile {
 public:
  virtual ~tProfile() = default;

  // The one profiles object of the program.
  static tProfile& Current();

  // Copies the current player's options into `section` of `config` (a save
  // keeps them to compare the progress); reading them back changes nothing.
  virtual void saveInstant(tConfigBase& config, const std::string& section);
  virtual void loadInstant(tConfigBase& config, const std::string& section);

  virtual void loadProfile(const std::string& path);
  virtual void saveProfile();
  virtual void corrupt(int32_t flag) { _corrupt = flag; }
  virtual int32_t isCorrupt() { return _corrupt; }
  virtual void user(int32_t slot) { _user = slot; }
  virtual int32_t slot() { return _user; }
  virtual void createPlayer(const std::string& name);
  virtual void removePlayer();
  virtual int32_t isPlayer(int32_t slot);
  virtual int32_t isSave(const std::string& suffix);
  virtual int32_t makeSave(tConfigBase& config, const std::string& suffix);
  virtual int32_t loadSave(tConfigBase& config, const std::string& suffix);
  virtual void removeSave(const std::string& suffix);
  virtual std::string getName(int32_t slot);
  virtual void progress(int32_t n);
  virtual void upProgress();
  virtual int32_t getProgress();
  virtual int32_t isProgress();
  virtual void sos(int32_t n);
  virtual int32_t getSos();
  virtual void finish();
  virtual int32_t isFinish();
  virtual void finishCredits();
  virtual int32_t isFinishCredits();
  virtual int32_t getExtra();
  // The player's script variable `name` (0 when it was never set).
  virtual float zeb_property(const std::string& name);
  // Sets the script variable and writes the profiles file at once.
  virtual void zeb_uv(const std::string& name, float value);

  const std::string& path() const { return _path; }
  tConfig& config() { return _config; }

 protected:
  std::string section() const { return std::to_string(_user); }
  std::string savePath(const std::string& suffix) const { return _path + std::to_string(_user) + suffix; }
  // Keeps a file that could not be read under another name instead of losing it.
  void keepDamaged(const std::string& file);

  tConfig _config;
  std::string _path;
  int32_t _corrupt = 0;
  int32_t _user = 0;
};

}  // namespace vandrell

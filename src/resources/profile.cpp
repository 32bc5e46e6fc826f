#include "resources/profile.h"

#include "platform/filesystem.h"
#include "platform/log.h"
#include "platform/process_wide.h"
#include "platform/safe_file.h"
#include "platform/text_stream.h"
#include "resources/encrypt.h"

namespace vandrell {

namespace {

const char* const kSaveSuffixes[] = {"", ".auto"};

// The configuration as scrambled UTF-8 text, ready to be written.
std::vector<uint8_t> scrambled(tConfigBase& config) {
  auto plain = std::make_shared<TBank>();
  TTextStream text(std::make_shared<TBankStream>(plain), UTF8);
  config.Save(text);
  auto file = std::make_shared<TBank>();
  TBankStream out(file);
  tEncrypt::encrypt(*std::make_shared<TBankStream>(plain), out);
  return file->bytes();
}

// The plain bytes of a scrambled file; false when it is missing or damaged.
bool unscramble(const std::string& path, TBankPtr& plain) {
  TStreamPtr in = ReadFile(path);
  if (!in) return false;
  plain = std::make_shared<TBank>();
  TBankStream out(plain);
  return tEncrypt::decrypt(*in, out) == 1;
}

}  // namespace

tProfile& tProfile::Current() { return tProcessWide<tProfile>::get(); }

void tProfile::saveInstant(tConfigBase& config, const std::string& target) {
  for (const tConfigOptionPtr& option : _config.OptionsOptions(section())) {
    config.Set(target, option->name, option->memo);
  }
}

void tProfile::loadInstant(tConfigBase&, const std::string&) {}

void tProfile::loadProfile(const std::string& path) {
  _path = path;
  const std::string file = _path + "profiles";
  TBankPtr plain;
  if (FileType(file) != FILETYPE_FILE) {
    DebugLog("Can't load profiles!");
  } else if (unscramble(file, plain)) {
    TTextStream text(std::make_shared<TBankStream>(plain), UTF8);
    _config.Load(text);
    DebugLog("Profiles loaded.");
  } else {
    DebugLog("Profiles corrupted!");
    _corrupt = 1;
    // The players start afresh, but what they had is kept aside, not destroyed.
    keepDamaged(file);
    for (int32_t s = 1; s <= 3; ++s) {
      user(s);
      for (const char* suffix : kSaveSuffixes) keepDamaged(savePath(suffix));
      removePlayer();
    }
  }
  for (int32_t s = 1; s <= 3; ++s) {
    user(s);
    TBankPtr scratch;
    if (isSave("") && !unscramble(savePath(""), scratch)) _corrupt = 1;
  }
  user(0);
  removePlayer();
}

void tProfile::keepDamaged(const std::string& file) {
  const std::string kept = KeepAside(file, ".damaged");
  if (!kept.empty()) DebugLog("Damaged file kept as \"" + kept + "\".");
}

void tProfile::saveProfile() {
  if (WriteFileSafely(_path + "profiles", scrambled(_config))) DebugLog("Profiles saved.");
}

void tProfile::createPlayer(const std::string& name) {
  _config.RemoveSection(section());
  _config.SetString(section(), "name", name);
}

void tProfile::removePlayer() {
  _config.RemoveSection(section());
  for (const char* suffix : kSaveSuffixes) removeSave(suffix);
  user(0);
}

int32_t tProfile::isPlayer(int32_t slot) {
  if (slot < 1) return _user > 0 ? 1 : 0;
  return _config.GetString(std::to_string(slot), "name", "").empty() ? 0 : 1;
}

int32_t tProfile::isSave(const std::string& suffix) {
  return FileType(savePath(suffix)) == FILETYPE_FILE ? 1 : 0;
}

int32_t tProfile::makeSave(tConfigBase& config, const std::string& suffix) {
  if (!WriteFileSafely(savePath(suffix), scrambled(config))) return 0;
  DebugLog("Saved.");
  return 1;
}

int32_t tProfile::loadSave(tConfigBase& config, const std::string& suffix) {
  TBankPtr plain;
  if (!unscramble(savePath(suffix), plain)) return 0;
  TTextStream text(std::make_shared<TBankStream>(plain), UTF8);
  config.Load(text);
  return 1;
}

void tProfile::removeSave(const std::string& suffix) { DeleteFile(savePath(suffix)); }

std::string tProfile::getName(int32_t slot) {
  return _config.GetString(slot <= 0 ? section() : std::to_string(slot), "name", "");
}

void tProfile::progress(int32_t n) { _config.SetInt(section(), "progress", n); }
void tProfile::upProgress() { progress(getProgress() + 1); }
int32_t tProfile::getProgress() { return _config.GetInt(section(), "progress", 0); }
int32_t tProfile::isProgress() { return _config.Contains(section(), "progress"); }
void tProfile::sos(int32_t n) { _config.SetInt(section(), "sos", n); }
int32_t tProfile::getSos() { return _config.GetInt(section(), "sos", 0); }
void tProfile::finish() { _config.SetString(section(), "finish", "1"); }
int32_t tProfile::isFinish() { return _config.Contains(section(), "finish"); }
void tProfile::finishCredits() { _config.SetString(section(), "finishCredits", "1"); }
int32_t tProfile::isFinishCredits() { return _config.Contains(section(), "finishCredits"); }
int32_t tProfile::getExtra() { return _config.GetInt(section(), "uv_extra_ni", 0); }

float tProfile::zeb_property(const std::string& name) { return _config.GetFloat(section(), "uv_" + name, 0.0f); }

void tProfile::zeb_uv(const std::string& name, float value) {
  _config.SetFloat(section(), "uv_" + name, value);
  saveProfile();
}

}  // namespace vandrell

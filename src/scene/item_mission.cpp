#include "scene/item_mission.h"

#include <algorithm>

#include "gui/app_messages.h"
#include "scene/mission_property.h"

namespace vandrell {

void tItemMission::saveInstant(tConfigBase& cfg, const std::string& section) {
  tMission::saveInstant(cfg, section);
  cfg.SetInt(section, "fake", _fake);
  cfg.SetInt(section, "fakeCounter", _fakeCounter);
  cfg.SetInt(section, "fakeComplete", _fakeComplete);
  cfg.SetString(section, "message", _message);
}

void tItemMission::loadInstant(tConfigBase& cfg, const std::string& section) {
  tMission::loadInstant(cfg, section);
  _fake = cfg.GetInt(section, "fake", 0);
  _fakeCounter = cfg.GetInt(section, "fakeCounter", 0);
  _fakeComplete = cfg.GetInt(section, "fakeComplete", 0);
  _message = cfg.GetString(section, "message", "");
}

int32_t tItemMission::test() const { return tMissionProperty::Current().isHold(this) && isOpen() ? 1 : 0; }

void tItemMission::apply(int32_t flag) {
  _fakeCounter = std::max(0, _fakeCounter - 1);
  tMission::apply(flag);
}

int32_t tItemMission::sosAvail() const {
  if (_fake > 0 && !_fakeComplete) return 0;
  return tMission::sosAvail();
}

void tItemMission::showMessage() { M_COMMAND_EVAL::send("txtmm=" + _message); }

void tItemMission::fake(int32_t n) {
  _fake = n;
  _fakeComplete = 0;
}

void tItemMission::addFake(int32_t n) {
  _fakeCounter = SaturatedAdd(_fakeCounter, n);
  if (_fakeCounter >= _fake) _fakeComplete = 1;
}

}  // namespace vandrell

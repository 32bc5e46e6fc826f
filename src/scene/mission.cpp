#include "scene/mission.h"

#include <algorithm>
#include <limits>

#include "audio/audio.h"
#include "gui/app_messages.h"
#include "scene/mission_property.h"
#include "scene/pic_params.h"
#include "script/command_text.h"

namespace vandrell {

namespace {

// A sound field that is neither a default nor silence: the trimmed name
// before the first "=" and the volume after it, 1.0 without one.
void parseSound(const std::string& field, std::string& name, float& volume) {
  const size_t equals = field.find('=');
  name = TrimScriptText(field.substr(0, equals));
  volume = equals == std::string::npos ? 1.0f : ParamFloat({field.substr(equals + 1)}, 0);
}

}  // namespace

int32_t SaturatedAdd(int32_t value, int64_t n) {
  const int64_t sum = static_cast<int64_t>(value) + n;
  return static_cast<int32_t>(
      std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void tMission::saveInstant(tConfigBase& cfg, const std::string& section) {
  cfg.SetInt(section, "counter", _counter);
  cfg.SetInt(section, "show", _show);
  cfg.SetInt(section, "enable", _enable);
}

void tMission::loadInstant(tConfigBase& cfg, const std::string& section) {
  _counter = cfg.GetInt(section, "counter", 0);
  _show = cfg.GetInt(section, "show", 0);
  _enable = cfg.GetInt(section, "enable", 0);
}

void tMission::inc() { _counter = SaturatedAdd(_counter, 1); }

void tMission::dec() { _counter = SaturatedAdd(_counter, -1); }

void tMission::show(int32_t on) {
  if (on == _show) return;
  _show = on;
  tGuiObject::send(M_MISSION_MUTABLE{});
  if (on) {
    M_MISSION_SENDCURSOR::send(self());
    M_MISSION_SENDCOUNTER::send(self());
  } else {
    M_MISSION_CLEARCURSOR::send(self());
  }
}

void tMission::enable(int32_t on) {
  if (on == _enable) return;
  _enable = on;
  tGuiObject::send(M_MISSION_MUTABLE{});
}

void tMission::loadParams(const std::vector<std::string>& fields) {
  _show = ParamInt(fields, 0) ? 0 : 1;
  _enable = ParamInt(fields, 1) ? 0 : 1;
  _counter = ParamInt(fields, 2);
  _cursor = ParamInt(fields, 3);
  if (_cursor == 0) _cursor = -1;
}

void tMission::loadSounds(const std::vector<std::string>& fields) {
  for (size_t which : {SOUND_APPLY, SOUND_COMPLETE}) {
    std::string& name = _sounds[which];
    float& volume = _volumes[which];
    name.clear();
    volume = 0.0f;
    const std::string field = which < fields.size() ? TrimScriptText(fields[which]) : "";
    if (field == "-1" || field == "nosound" || (field.empty() && which == SOUND_COMPLETE)) continue;
    if (field.empty() || field == "0") {
      name = DEFAULT_SOUND;
      volume = 1.0f;
    } else {
      parseSound(field, name, volume);
    }
  }
}

void tMission::soundApply() { playSound(SOUND_APPLY); }

void tMission::soundComplete() { playSound(SOUND_COMPLETE); }

void tMission::playSound(size_t which) {
  if (!_sounds[which].empty()) tAudio::Current().sound(_sounds[which], _volumes[which]);
}

int32_t tMission::test() const { return !tMissionProperty::Current().isHolding() && isOpen() ? 1 : 0; }

int32_t tMission::sosAvail() const { return isOpen(); }

int32_t tMission::isOpen() const { return _show && _enable && !isComplete() ? 1 : 0; }

void tMission::apply(int32_t flag) {
  dec();
  M_MISSION_SENDCOUNTER::send(self());
  if (isComplete()) complete(flag);
}

void tMission::complete(int32_t flag) {
  _counter = 0;
  tMissionProperty& property = tMissionProperty::Current();
  if (property.isHold(this)) property.hold(nullptr);
  tGuiObject::send(M_MISSION_MUTABLE{});
  M_MISSION_CLEARCURSOR::send(self());
  if (const tCommandPtr command = a()) command->playcall();
  if (flag) tGuiObject::send(M_MISSIONGROUP_CHECK{});
}

int32_t tMission::tests(const tMissionList& list) {
  return std::any_of(list.begin(), list.end(), [](const tMissionPtr& m) { return m && m->test(); }) ? 1 : 0;
}

}  // namespace vandrell

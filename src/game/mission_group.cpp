#include "game/mission_group.h"

namespace vandrell {

void tMissionGroup::saveInstant(tConfigBase& cfg, const std::string& section) { cfg.SetInt(section, "apply", _apply); }

void tMissionGroup::loadInstant(tConfigBase& cfg, const std::string& section) {
  _apply = cfg.GetInt(section, "apply", 0);
}

void tMissionGroup::apply() {
  _apply = 1;
  if (const tCommandPtr command = a()) command->playcall();
}

int32_t tMissionGroup::test() const {
  if (_apply) return 0;
  for (const auto& ref : _missions) {
    // A mission the level no longer has can never be completed: the group
    // waits for ever rather than running its command too early.
    const tMissionPtr mission = ref.lock();
    if (!mission || !mission->isComplete()) return 0;
  }
  return 1;
}

void tMissionGroup::loadMission(const tMissionList& list) { _missions.assign(list.begin(), list.end()); }

void tMissionGroup::applys(const std::vector<tMissionGroupPtr>& groups) {
  for (const tMissionGroupPtr& group : groups) {
    if (group->test()) group->apply();
  }
}

tMissionList tMissionGroup::missions() const {
  tMissionList list;
  for (const auto& ref : _missions) {
    if (auto mission = ref.lock()) list.push_back(std::move(mission));
  }
  return list;
}

}  // namespace vandrell

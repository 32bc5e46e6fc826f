#include "scene/mission_book.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "gui/app_messages.h"
#include "platform/log.h"
#include "scene/item_mission.h"

namespace vandrell {

namespace {

const std::string MISSION_SECTION = "mission=";
const std::string ORDER_SECTION = "mission_order=";

}  // namespace

tMissionPtr tMissionBook::Create(const std::string& type) {
  if (type == "textmission") return std::make_shared<tMission>();
  if (type == "itemmission") return std::make_shared<tItemMission>();
  if (type == "hidden") return std::make_shared<tHiddenMission>();
  return nullptr;
}

tMissionPtr tMissionBook::add(const std::string& id, const std::string& type, const std::vector<std::string>& sounds,
                              const std::vector<std::string>& params, const tCommandPtr& command) {
  if (find(id)) return nullptr;
  const tMissionPtr mission = Create(type);
  if (!mission) {
    DebugLog("level> Undefined type for mission: " + id + "!");
    return nullptr;
  }
  mission->loadId(id);
  mission->loadParams(params);
  mission->loadAction(command);
  mission->loadSounds(sounds);
  enter(id, mission);
  return mission;
}

tMissionPtr tMissionBook::addSystem(const std::string& id, const std::vector<std::string>& params) {
  auto mission = std::make_shared<tDummyMission>();
  mission->loadId(id);
  mission->loadParams(params);
  enter(id, mission);
  return mission;
}

void tMissionBook::enter(const std::string& id, const tMissionPtr& mission) {
  tMissionPtr& entry = _missions[id];
  // A replaced mission leaves the list too, or hints and saves would still
  // see a mission the level no longer has.
  const auto place = std::find(_mlist.begin(), _mlist.end(), entry);
  if (entry && place != _mlist.end()) {
    *place = mission;
  } else {
    _mlist.push_back(mission);
  }
  entry = mission;
}

tMissionPtr tMissionBook::find(const std::string& id) const {
  const auto found = _missions.find(id);
  return found == _missions.end() ? nullptr : found->second;
}

tMissionList tMissionBook::count(const std::vector<std::string>& tags) {
  tMissionList list;
  for (const std::string& tag : tags) {
    if (const tMissionPtr mission = find(tag)) list.push_back(mission);
  }
  for (const tMissionPtr& mission : list) mission->inc();
  return list;
}

tMissionList tMissionBook::accepting(const tMissionList& missions) {
  tMissionList list;
  std::copy_if(missions.begin(), missions.end(), std::back_inserter(list),
               [](const tMissionPtr& mission) { return mission && mission->test(); });
  return list;
}

void tMissionBook::apply(const tMissionList& accepting) {
  for (const tMissionPtr& mission : accepting) {
    // A pic may carry a mission's tag twice, and the first may have finished
    // it: completing it again would run its command and sounds twice.
    if (mission->isComplete()) continue;
    mission->apply(0);
    mission->soundApply();
    if (mission->isComplete()) mission->soundComplete();
    toFront(mission);
    DebugLog(mission->id() + " (" + std::to_string(mission->getCount()) + ")");
  }
}

void tMissionBook::toFront(const tMissionPtr& mission) {
  const auto place = std::find(_mlist.begin(), _mlist.end(), mission);
  if (place != _mlist.end()) std::rotate(_mlist.begin(), place, place + 1);
}

void tMissionBook::announce() const {
  for (const tMissionPtr& mission : _mlist) {
    if (mission->isShow()) M_MISSION_SENDCURSOR::send(mission);
    M_MISSION_SENDCOUNTER::send(mission);
  }
}

void tMissionBook::sendCounters() const {
  for (const tMissionPtr& mission : _mlist) M_MISSION_SENDCOUNTER::send(mission);
}

void tMissionBook::saveInstant(tConfigBase& cfg) const {
  for (const auto& [id, mission] : _missions) mission->saveInstant(cfg, MISSION_SECTION + id);
  for (size_t n = 0; n < _mlist.size(); ++n) cfg.SetString(ORDER_SECTION, std::to_string(n), _mlist[n]->id());
}

void tMissionBook::loadInstant(tConfigBase& cfg) {
  for (const auto& [id, mission] : _missions) {
    if (cfg.Contains(MISSION_SECTION + id, "")) mission->loadInstant(cfg, MISSION_SECTION + id);
  }
  tMissionList ordered;
  std::set<tMissionPtr> placed;
  for (size_t n = 0; cfg.Contains(ORDER_SECTION, std::to_string(n)); ++n) {
    const tMissionPtr mission = find(cfg.GetString(ORDER_SECTION, std::to_string(n), ""));
    if (mission && placed.insert(mission).second) ordered.push_back(mission);
  }
  for (const tMissionPtr& mission : _mlist) {
    if (!placed.count(mission)) ordered.push_back(mission);
  }
  _mlist = std::move(ordered);
}

void tMissionBook::clear() {
  _missions.clear();
  _mlist.clear();
}

}  // namespace vandrell

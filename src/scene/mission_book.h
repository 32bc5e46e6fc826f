// The missions of a level: by id, and in priority order for hints (the
// mission the player worked on last comes first). The level owns one book;
// it builds the missions from the records of its files, gives pics their
// missions by tag, counts clicks through it, and saves and restores it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "resources/config.h"
#include "scene/mission.h"
#include "script/command.h"

namespace vandrell {

class tMissionBook {
 public:
  virtual ~tMissionBook() = default;

  // A mission of a level file's type: "textmission", "itemmission" or
  // "hidden"; null for any other.
  static tMissionPtr Create(const std::string& type);

  // A record of "missions.cfg" (id and type trimmed and lower-case, the
  // fields of the sounds and parameters lines, the parsed command or null),
  // configured in the loader's order and appended to the priority list. Null,
  // and the book unchanged, when the id is taken (the first record wins) or
  // the type is unknown (logged).
  virtual tMissionPtr add(const std::string& id, const std::string& type, const std::vector<std::string>& sounds,
                          const std::vector<std::string>& params, const tCommandPtr& command);
  // A record of "sysmissions.cfg": a system mission. A later record of the
  // same id replaces the earlier one, in its place in the list.
  virtual tMissionPtr addSystem(const std::string& id, const std::vector<std::string>& params);

  // The mission of that id, or null.
  virtual tMissionPtr find(const std::string& id) const;
  // By id, in ascending order.
  const std::map<std::string, tMissionPtr>& missions() const { return _missions; }
  // The priority order.
  const tMissionList& list() const { return _mlist; }

  // A pic's missions from its tag line: the missions the tags name, in tag
  // order, once per tag; each is counted up once per tag that names it, so
  // its counter includes every pic left to find. Tags naming no mission are
  // left out.
  virtual tMissionList count(const std::vector<std::string>& tags);
  // The missions of a clicked pic that accept the click now, in order.
  static tMissionList accepting(const tMissionList& missions);
  // A click counted for `accepting`, in order: each is applied (without a
  // mission-group check: the level asks for one after the click), plays its
  // apply sound and, when that completed it, its complete sound, and moves
  // to the front of the priority list.
  virtual void apply(const tMissionList& accepting);
  virtual void toFront(const tMissionPtr& mission);

  // Once the level is loaded: each mission in priority order hands out its
  // cursor when shown, then its counter.
  virtual void announce() const;
  // Each mission's counter, in priority order (after a restore).
  virtual void sendCounters() const;

  // Sections "mission=" + id, and "mission_order=" with the ids of the
  // priority list under the keys "0", "1", ...
  virtual void saveInstant(tConfigBase& cfg) const;
  // Restores each mission that the save holds (one it lacks, new in the
  // level files, keeps its loaded state) and the priority order; saved ids
  // the level no longer has are skipped, and missions the save does not
  // order keep their relative order behind those it does.
  virtual void loadInstant(tConfigBase& cfg);
  virtual void clear();

 protected:
  // Enters `mission` under `id`: in the list where the mission it replaces
  // stood, else at the end.
  void enter(const std::string& id, const tMissionPtr& mission);

  std::map<std::string, tMissionPtr> _missions;
  tMissionList _mlist;
};

}  // namespace vandrell

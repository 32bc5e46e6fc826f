// A mission group: missions whose command runs once, when the last of them
// is complete. The level owns the missions and the command; a group refers
// to both weakly, so a mission or command the level has let go of no longer
// counts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "resources/config.h"
#include "scene/mission.h"
#include "script/command.h"

namespace vandrell {

class tMissionGroup;
using tMissionGroupPtr = std::shared_ptr<tMissionGroup>;

class tMissionGroup {
 public:
  virtual ~tMissionGroup() = default;

  // Key "apply".
  virtual void saveInstant(tConfigBase& cfg, const std::string& section);
  virtual void loadInstant(tConfigBase& cfg, const std::string& section);
  // The command, or null.
  virtual tCommandPtr a() const { return _a.lock(); }
  // Marks the group applied and plays its command.
  virtual void apply();
  // 1 when not yet applied and every mission is complete: so an empty group
  // tests 1 until it is applied.
  virtual int32_t test() const;
  virtual void loadMission(const tMissionList& list);
  virtual void loadAction(const tCommandPtr& command) { _a = command; }
  // Applies each group that tests 1, in order.
  static void applys(const std::vector<tMissionGroupPtr>& groups);

  // The missions still alive, in the order the file lists them.
  tMissionList missions() const;

 protected:
  std::vector<std::weak_ptr<tMission>> _missions;
  std::weak_ptr<tCommand> _a;
  int32_t _apply = 0;
};

}  // namespace vandrell

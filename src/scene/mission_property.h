// The item the player holds: the one item mission selected in the bottom
// panel. While one is held only it counts clicks, and text missions wait. A
// new level makes a fresh object the current one.
//
// The selection is weak: the level owns its missions, and a mission it has
// let go of is no longer held.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "resources/config.h"
#include "scene/mission.h"
#include "script/expr_value.h"
#include "script/object.h"

namespace vandrell {

class tMissionProperty : public tObject {
 public:
  static tMissionProperty& Current();
  static const std::shared_ptr<tMissionProperty>& shared();
  // Makes a fresh object the current one, for a new level.
  static tMissionProperty& Renew();

  // A saved game keeps nothing: it restores with empty hands.
  virtual void saveInstant(tConfigBase& cfg, const std::string& section) {}
  virtual void loadInstant(tConfigBase& cfg, const std::string& section) { clearHold(); }

  // Selects `mission` (null: drops the selection). The level may react by
  // commands named after the missions: the unfinished mission put down plays
  // its id + "_off", then the one taken up its id + "_on". Selecting the held
  // mission again does nothing.
  virtual void hold(const tMissionPtr& mission);
  // Drops the selection without telling anyone.
  virtual void clearHold() { _hold.reset(); }
  virtual tMissionPtr getHold() const { return _hold.lock(); }
  // Identity; with nothing held, null is the held mission.
  virtual int32_t isHold(const tMission* mission) const { return getHold().get() == mission ? 1 : 0; }
  virtual int32_t isHolding() const { return _hold.expired() ? 0 : 1; }

  // "holding": 1 while an item is held; anything else is a null object.
  virtual tExprValuePtr zeb_property(const std::string& name);

 protected:
  std::weak_ptr<tMission> _hold;
};

// Lets scripts read the properties of the mission property object; run once
// at start-up, after the script book is installed.
void AddMissionPropertyOwners();

}  // namespace vandrell

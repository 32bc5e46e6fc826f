// Script actions on the items of the bottom panel: the text a click on an
// item's slot shows, the decoys the player must find first, and dropping the
// item the player holds. A mission of another kind is left alone.
#pragma once

#include <memory>

#include "scene/item_mission.h"
#include "script/zeb_action.h"

namespace vandrell {

class tItemMissionAction : public tZebAction {
 protected:
  // The item mission named by argument 0, or null.
  std::shared_ptr<tItemMission> itemMission();
};

class tZebAction_txtmission : public tItemMissionAction {
 public:
  float exec() override;
};

// The decoys required; the count of found ones starts over.
class tZebAction_fakemission : public tItemMissionAction {
 public:
  float exec() override;
};

class tZebAction_addfakemission : public tItemMissionAction {
 public:
  float exec() override;
};

class tZebAction_dragoff : public tZebAction {
 public:
  float exec() override;
};

// Run once at start-up, after the script language is installed.
void RegisterItemMissionActions();

}  // namespace vandrell

// Actions on scene objects found through the level: missions, locations, and
// the two free values every pic carries for scripts.
#pragma once

#include "gui/app_messages.h"
#include "scene/location.h"
#include "scene/mission.h"
#include "script/zeb_action.h"

namespace vandrell {

using tZebAction_showmission = tNamedCall<M_MISSION_FIND, &tMission::show, 1>;
using tZebAction_hidemission = tNamedCall<M_MISSION_FIND, &tMission::show, 0>;
using tZebAction_enablemission = tNamedCall<M_MISSION_FIND, &tMission::enable, 1>;
using tZebAction_disablemission = tNamedCall<M_MISSION_FIND, &tMission::enable, 0>;

// One counted step of the mission, as a click on one of its pics would make;
// a complete mission is left alone.
class tZebAction_applymission : public tZebAction {
 public:
  float exec() override;
};

// The mission done at once, unless it already is: its completion command
// plays only once.
class tZebAction_completemission : public tZebAction {
 public:
  float exec() override;
};

// Showing a location also plays the level's "__sosstop" command, hiding it
// "__sosclear"; a level that defines neither is not bothered.
class tZebAction_showlocation : public tZebAction {
 public:
  float exec() override;
};

class tZebAction_hidelocation : public tZebAction {
 public:
  float exec() override;
};

using tZebAction_enablelocation = tNamedCall<M_LOCATION_FIND, &tLocation::enable, 1>;
using tZebAction_disablelocation = tNamedCall<M_LOCATION_FIND, &tLocation::enable, 0>;
using tZebAction_fadelocation = tNamedCall<M_LOCATION_FIND, &tLocation::fade>;

class tZebAction_seta0 : public tZebAction {
 public:
  float exec() override;
};

class tZebAction_seta1 : public tZebAction {
 public:
  float exec() override;
};

// Run once at start-up, after the script language is installed.
void RegisterSceneActions();

}  // namespace vandrell

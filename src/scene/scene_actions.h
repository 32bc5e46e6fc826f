// Actions on scene objects found through the level: locations, and the two
// free values every pic carries for scripts.
#pragma once

#include "gui/app_messages.h"
#include "scene/location.h"
#include "script/zeb_action.h"

namespace vandrell {

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

// Actions on commands and command groups, found by name through the level.
#pragma once

#include "gui/app_messages.h"
#include "script/command.h"
#include "script/command_group.h"
#include "script/zeb_action.h"

namespace vandrell {

using tZebAction_genablecommand = tNamedCall<M_COMMAND_FIND, &tCommand::genable, 1>;
using tZebAction_gdisablecommand = tNamedCall<M_COMMAND_FIND, &tCommand::genable, 0>;
using tZebAction_enablecommand = tNamedCall<M_COMMAND_FIND, &tCommand::enable, 1>;
using tZebAction_disablecommand = tNamedCall<M_COMMAND_FIND, &tCommand::enable, 0>;
using tZebAction_startcommand = tNamedCall<M_COMMAND_FIND, &tCommand::start>;
using tZebAction_stopcommand = tNamedCall<M_COMMAND_FIND, &tCommand::stop>;
using tZebAction_playcommand = tNamedCall<M_COMMAND_FIND, &tCommand::play>;
using tZebAction_pausecommand = tNamedCall<M_COMMAND_FIND, &tCommand::pause>;
// The called command's first actions run at once, within the caller's update.
using tZebAction_nextcall = tNamedCall<M_COMMAND_FIND, &tCommand::nextcall>;

// Stops the command and keeps it from starting again until it is enabled.
class tZebAction_closecommand : public tZebAction {
 public:
  float exec() override;
};

// "ifcall=name,n" calls the command when n is not 0; "elsecall=a,b,n" calls a
// when n is not 0, else b. The level turns the call into the command's
// nextcall(), so the command starts within this update.
class tZebAction_ifcall : public tZebAction {
 public:
  float exec() override;

 protected:
  // Calls the command argument i names.
  void call(int32_t i);
};

class tZebAction_elsecall : public tZebAction_ifcall {
 public:
  float exec() override;
};

using tZebAction_enablegroup = tNamedCall<M_COMMANDGROUP_FIND, &tCommandGroup::enable, 1>;
using tZebAction_disablegroup = tNamedCall<M_COMMANDGROUP_FIND, &tCommandGroup::enable, 0>;
using tZebAction_stopgroup = tNamedCall<M_COMMANDGROUP_FIND, &tCommandGroup::stop>;
using tZebAction_playgroup = tNamedCall<M_COMMANDGROUP_FIND, &tCommandGroup::play>;

class tZebAction_closegroup : public tZebAction {
 public:
  float exec() override;
};

}  // namespace vandrell

#include "script/command_actions.h"

namespace vandrell {

float tZebAction_closecommand::exec() {
  if (const auto command = named<M_COMMAND_FIND>(0)) {
    command->stop();
    command->enable(0);
  }
  return 0.0f;
}

float tZebAction_ifcall::exec() {
  if (number(1) != 0.0f) call(0);
  return 0.0f;
}

void tZebAction_ifcall::call(int32_t i) {
  const std::string name = variable(i);
  // The call itself goes through the level by name; asking first only tells
  // the content creator about a name that calls nothing.
  if (!M_COMMAND_FIND::ask(name)) reportNothingNamed(i);
  M_COMMAND_NEXTCALL::send(name);
}

float tZebAction_elsecall::exec() {
  call(number(2) != 0.0f ? 0 : 1);
  return 0.0f;
}

float tZebAction_closegroup::exec() {
  if (const auto group = named<M_COMMANDGROUP_FIND>(0)) {
    group->enable(0);
    group->stop();
  }
  return 0.0f;
}

}  // namespace vandrell

// Running a line of script as a level's command would, for action tests.
#pragma once

#include <string>

#include "gui/object_set.h"
#include "script/command.h"

namespace vandrell {

// Runs the script text as the command "script" of `commands`, as far as its
// first wait; the command before it of that name goes.
inline void RunScript(tGuiSet& commands, const std::string& text) {
  auto command = tCommand::Parse(text);
  commands.remove("script");
  commands.insert(command, "script");
  command->start();
  command->update(0.0f);
}

}  // namespace vandrell

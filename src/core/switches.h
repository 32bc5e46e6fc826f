// The program's command-line switches in one table: the start-up reads its
// switches from it, the automation its own, --help prints it, and whatever is
// not in it is reported once and otherwise ignored.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace vandrell {

struct tSwitch {
  // Who reads the switch: the start-up before anything is loaded (paths), the
  // start-up after the options file (options), or the automation.
  enum tPhase { PATHS, OPTIONS, AUTOMATION };

  const char* name;
  // What follows the switch ("" for a flag).
  const char* value;
  tPhase phase;
  const char* help;
};

class tSwitches {
 public:
  static const std::vector<tSwitch>& All();

  // Calls `apply(name, value)` for each switch of `phase` in `args` (argument
  // 0 is the program). A switch with a value takes the next argument and is
  // ignored as the last one; every other argument is passed over.
  static void Scan(const std::vector<std::string>& args, tSwitch::tPhase phase,
                   const std::function<void(const std::string& name, const std::string& value)>& apply);
  // One debug-log line for each argument that is no switch of the table.
  static void ReportUnknown(const std::vector<std::string>& args);
  // The help text: one line per switch.
  static void PrintHelp(std::FILE* out, const std::string& program);
  // Whether `args` ask for the help text or the version.
  static bool AskHelp(const std::vector<std::string>& args);
  static bool AskVersion(const std::vector<std::string>& args);
};

}  // namespace vandrell

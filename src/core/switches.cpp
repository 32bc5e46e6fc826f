#include "core/switches.h"

#include <algorithm>

#include "platform/log.h"

namespace vandrell {

namespace {

const tSwitch* find(const std::string& name) {
  const auto& all = tSwitches::All();
  const auto found = std::find_if(all.begin(), all.end(), [&](const tSwitch& s) { return name == s.name; });
  return found == all.end() ? nullptr : &*found;
}

bool asks(const std::vector<std::string>& args, std::initializer_list<const char*> names) {
  for (size_t i = 1; i < args.size(); ++i) {
    for (const char* name : names) {
      if (args[i] == name) return true;
    }
  }
  return false;
}

}  // namespace

const std::vector<tSwitch>& tSwitches::All() {
  static const std::vector<tSwitch> all = {
      {"-user", "FOLDER/", tSwitch::PATHS, "per-user folder for options, players and saves (keep the final /)"},
      {"-pak", "0", tSwitch::PATHS, "read loose files beside the program instead of the archives"},
      {"-s", "WxH", tSwitch::OPTIONS, "window or screen size, such as 1024x768"},
      {"-fs", "1", tSwitch::OPTIONS, "full screen (0: a window)"},
      {"-gl", "", tSwitch::OPTIONS, "OpenGL renderer"},
      {"-dx9", "", tSwitch::OPTIONS, "the platform's best accelerated renderer (the default)"},
      {"-dx7", "", tSwitch::OPTIONS, "the platform's other accelerated renderer"},
      {"-v", "1", tSwitch::OPTIONS, "wait for the display's refresh"},
      {"-fps", "N", tSwitch::OPTIONS, "target frame rate (60)"},
      {"-a", "0", tSwitch::OPTIONS, "no audio"},
      {"-m", "0", tSwitch::OPTIONS, "no music"},
      {"-p", "", tSwitch::OPTIONS, "the system pointer instead of the drawn cursor"},
      {"-q", "", tSwitch::OPTIONS, "Escape ends the program"},
      {"-o", "", tSwitch::OPTIONS, "developer overlay: frame rate, memory, particles, object under the pointer"},
      {"-e", "", tSwitch::OPTIONS, "compile every script expression as its level loads"},
      {"-l", "LEVEL", tSwitch::OPTIONS, "play one level directly"},
      {"-log", "FILE", tSwitch::AUTOMATION, "write diagnostics to FILE (- for standard error)"},
      {"-frames", "N", tSwitch::AUTOMATION, "run N frames, then quit with exit code 0"},
      {"-fixedtime", "", tSwitch::AUTOMATION, "every frame advances exactly one frame period; no waiting"},
      {"-record", "FILE", tSwitch::AUTOMATION, "write every input event with its frame number to FILE"},
      {"-replay", "FILE", tSwitch::AUTOMATION, "play such a file back as input (window input is ignored)"},
      {"-shot", "DIR", tSwitch::AUTOMATION, "write the last frame shown to DIR as a PNG"},
      {"-shotevery", "N", tSwitch::AUTOMATION, "with -shot, also write every Nth frame"},
      {"-headless", "", tSwitch::AUTOMATION, "no window and no sound card"},
  };
  return all;
}

void tSwitches::Scan(const std::vector<std::string>& args, tSwitch::tPhase phase,
                     const std::function<void(const std::string& name, const std::string& value)>& apply) {
  for (size_t i = 1; i < args.size(); ++i) {
    const tSwitch* s = find(args[i]);
    if (!s || s->phase != phase) continue;
    if (!*s->value) {
      apply(args[i], "");
    } else if (i + 1 < args.size()) {
      apply(args[i], args[i + 1]);
      ++i;
    }
  }
}

void tSwitches::ReportUnknown(const std::vector<std::string>& args) {
  for (size_t i = 1; i < args.size(); ++i) {
    if (const tSwitch* s = find(args[i])) {
      if (*s->value) ++i;
    } else {
      DebugLog("Unknown switch ignored: \"" + args[i] + "\"");
    }
  }
}

void tSwitches::PrintHelp(std::FILE* out, const std::string& program) {
  std::fprintf(out, "Usage: %s [switches]\n\n", program.c_str());
  for (const tSwitch& s : All()) {
    const std::string left = std::string(s.name) + (*s.value ? std::string(" ") + s.value : "");
    std::fprintf(out, "  %-18s %s\n", left.c_str(), s.help);
  }
  std::fprintf(out, "  %-18s %s\n  %-18s %s\n", "-h, --help", "show this text", "--version",
               "show the name and version");
}

bool tSwitches::AskHelp(const std::vector<std::string>& args) { return asks(args, {"--help", "-h", "-?"}); }

bool tSwitches::AskVersion(const std::vector<std::string>& args) { return asks(args, {"--version"}); }

}  // namespace vandrell

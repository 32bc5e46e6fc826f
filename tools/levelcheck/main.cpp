// levelcheck: loads levels with the game's own loader, headless, and prints
// every problem it finds with the file and line it is about.
//
//   levelcheck [--root DIR] [--pak] [--notes] LEVEL...
//   levelcheck [--root DIR] [--pak] [--notes] --campaign
//
// LEVEL is a level folder below locations/ ("workshop"); --campaign checks
// every level the campaign file names. --root is the program folder that
// holds media/, music/ and locations/ (by default levelcheck's own folder,
// where the build lays out the game's data); --pak reads the archives of that
// folder instead of the loose files; --notes also prints the loader's
// progress lines.
//
// Each problem is one line, "FILE:LINE: error: text" or "... warning: ...".
// Exit status: 0 when there is no error (warnings allowed), 1 when there is
// one, 2 on wrong arguments.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "game/level_check.h"
#include "game/scripting.h"
#include "platform/process_wide.h"
#include "platform/window.h"
#include "resources/media_lookup.h"

using namespace vandrell;

namespace {

constexpr int EXIT_ERRORS = 1;
constexpr int EXIT_USAGE = 2;

constexpr const char* USAGE =
    "usage: levelcheck [--root DIR] [--pak] [--notes] LEVEL...\n"
    "       levelcheck [--root DIR] [--pak] [--notes] --campaign\n"
    "       levelcheck --help\n"
    "Loads each level folder (below locations/) as the game does and prints\n"
    "every problem as FILE:LINE: error|warning: text. Exit status 1 on errors.\n";

struct tOptions {
  std::string root = tFile::DefaultRoot();
  bool pak = false;
  bool notes = false;
  bool campaign = false;
  std::vector<std::string> levels;
};

// False on arguments that make no sense.
bool parse(const std::vector<std::string>& args, tOptions& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--root" && i + 1 < args.size()) {
      options.root = args[++i];
      if (options.root.back() != '/') options.root += '/';
    } else if (arg == "--pak") {
      options.pak = true;
    } else if (arg == "--notes") {
      options.notes = true;
    } else if (arg == "--campaign") {
      options.campaign = true;
    } else if (!arg.empty() && arg[0] != '-') {
      options.levels.push_back(arg);
    } else {
      return false;
    }
  }
  return options.campaign != !options.levels.empty();
}

const char* label(tLevelCheck::tSeverity severity) {
  switch (severity) {
    case tLevelCheck::ERROR:
      return "error: ";
    case tLevelCheck::WARNING:
      return "warning: ";
    default:
      return "note: ";
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--help") {
    std::fputs(USAGE, stdout);
    return 0;
  }
  tOptions options;
  if (!parse(args, options)) {
    std::fputs(USAGE, stderr);
    return EXIT_USAGE;
  }
  SetHeadless(true);
  StartScripting();
  const tCurrentScope<tFile> media(std::make_shared<tFile>(options.root));
  if (options.pak) {
    tFile::Current().loadLocale();
    tFile::Current().loadPak();
  }
  tLevelCheck check;
  if (options.campaign) check.checkCampaign();
  for (const std::string& level : options.levels) check.check(level);
  for (const tLevelCheck::tFinding& finding : check.findings()) {
    if (finding.severity == tLevelCheck::NOTE && !options.notes) continue;
    const std::string prefix = finding.place.empty() ? "" : finding.place + ": ";
    std::printf("%s%s%s\n", prefix.c_str(), label(finding.severity), finding.text.c_str());
  }
  const int32_t errors = check.count(tLevelCheck::ERROR);
  std::printf("levelcheck: %d error(s), %d warning(s)\n", errors, check.count(tLevelCheck::WARNING));
  ShutdownPlatform();
  return errors ? EXIT_ERRORS : 0;
}

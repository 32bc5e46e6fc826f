// levelcheck: loads levels with the game's own loader, headless, and prints
// every problem it finds with the file and line it is about.
//
//   levelcheck [--root DIR] [--pak] [--notes] [--findability | --json] LEVEL...
//   levelcheck [--root DIR] [--pak] [--notes] [--findability | --json] --campaign
//
// LEVEL is a level folder below locations/ ("workshop"); --campaign checks
// every level the campaign file names. --root is the program folder that
// holds media/, music/ and locations/ (by default levelcheck's own folder,
// where the build lays out the game's data); --pak reads the archives of that
// folder instead of the loose files; --notes also prints the loader's
// progress lines.
//
// Each problem is one line, "FILE:LINE: error: text" or "... warning: ...".
// --findability adds a table of every hidden thing of each level: how much
// of it shows, in percent of itself and in square design units, its
// contrast with its surroundings and a grade, with a summary per location.
// --json writes the problems and that table as one JSON document instead.
// Exit status: 0 when there is no error (warnings allowed), 1 when there is
// one, 2 on wrong arguments.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"
#include "game/findability.h"
#include "game/level_check.h"
#include "game/scripting.h"
#include "platform/process_wide.h"
#include "platform/window.h"
#include "resources/media_lookup.h"

using namespace vandrell;

namespace {

constexpr int EXIT_ERRORS = 1;
constexpr int EXIT_USAGE = 2;
constexpr int32_t SCREEN_WIDTH = 800;
constexpr int32_t SCREEN_HEIGHT = 600;

constexpr const char* USAGE =
    "usage: levelcheck [--root DIR] [--pak] [--notes] [--findability | --json] LEVEL...\n"
    "       levelcheck [--root DIR] [--pak] [--notes] [--findability | --json] --campaign\n"
    "       levelcheck --help\n"
    "Loads each level folder (below locations/) as the game does and prints\n"
    "every problem as FILE:LINE: error|warning: text. Exit status 1 on errors.\n"
    "--findability adds a table of how findable every hidden thing is;\n"
    "--json writes the problems and that table as JSON instead.\n";

struct tOptions {
  std::string root = tFile::DefaultRoot();
  bool pak = false;
  bool notes = false;
  bool campaign = false;
  bool table = false;
  bool json = false;
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
    } else if (arg == "--findability") {
      options.table = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (!arg.empty() && arg[0] != '-') {
      options.levels.push_back(arg);
    } else {
      return false;
    }
  }
  return options.campaign != !options.levels.empty() && !(options.table && options.json);
}

const char* label(tLevelCheck::tSeverity severity) {
  switch (severity) {
    case tLevelCheck::ERROR:
      return "error";
    case tLevelCheck::WARNING:
      return "warning";
    default:
      return "note";
  }
}

// The things of one location, in the order measured.
template <class Visit>
void eachLocation(const std::vector<tFindability::tThing>& things, Visit visit) {
  for (size_t start = 0, end = 0; start < things.size(); start = end) {
    while (end < things.size() && things[end].location == things[start].location) ++end;
    visit(things[start].location, std::vector<tFindability::tThing>(things.begin() + static_cast<std::ptrdiff_t>(start),
                                                                    things.begin() + static_cast<std::ptrdiff_t>(end)));
  }
}

void printTable(const tLevelCheck& check) {
  for (const tLevelCheck::tLevelFigures& level : check.figures()) {
    if (level.things.empty()) continue;
    std::printf("\nfindability of %s\n", level.path.c_str());
    std::printf("  %-12s %-16s %8s %7s %9s  %s\n", "location", "thing", "visible", "area", "contrast", "grade");
    eachLocation(level.things, [](const std::string& location, const std::vector<tFindability::tThing>& things) {
      for (const tFindability::tThing& thing : things) {
        std::printf("  %-12s %-16s %7.0f%% %7.0f %9.1f  %s\n", location.c_str(), thing.name.c_str(),
                    thing.visiblePercent(), thing.visible, thing.contrast, tFindability::GradeName(thing.grade()));
      }
      const tFindability::tSummary summary = tFindability::Summarise(things);
      std::printf("  %s: %d things, median visible %.0f%%, partly covered %.0f%%, low contrast %.0f%%\n",
                  location.c_str(), summary.count, summary.medianVisible, 100.0f * summary.partlyCovered,
                  100.0f * summary.lowContrast);
    });
  }
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void printJson(const tLevelCheck& check, bool notes) {
  std::printf("{\"findings\": [");
  const char* comma = "";
  for (const tLevelCheck::tFinding& finding : check.findings()) {
    if (finding.severity == tLevelCheck::NOTE && !notes) continue;
    std::printf("%s\n  {\"place\": %s, \"severity\": \"%s\", \"text\": %s}", comma, quoted(finding.place).c_str(),
                label(finding.severity), quoted(finding.text).c_str());
    comma = ",";
  }
  std::printf("],\n \"levels\": [");
  comma = "";
  for (const tLevelCheck::tLevelFigures& level : check.figures()) {
    std::printf("%s\n  {\"path\": %s, \"locations\": [", comma, quoted(level.path).c_str());
    const char* locationComma = "";
    eachLocation(level.things, [&](const std::string& location, const std::vector<tFindability::tThing>& things) {
      const tFindability::tSummary summary = tFindability::Summarise(things);
      std::printf("%s\n    {\"id\": %s, \"count\": %d, \"median_visible_percent\": %.1f, \"partly_covered\": %.3f, "
                  "\"low_contrast\": %.3f, \"things\": [",
                  locationComma, quoted(location).c_str(), summary.count, summary.medianVisible,
                  summary.partlyCovered, summary.lowContrast);
      const char* thingComma = "";
      for (const tFindability::tThing& thing : things) {
        std::printf("%s\n      {\"name\": %s, \"visible_percent\": %.1f, \"visible\": %.0f, \"own\": %.0f, "
                    "\"clickable\": %.0f, \"click_beside\": %.0f, \"off_screen\": %.0f, \"under_panel\": %.0f, "
                    "\"under_menu\": %.0f, \"contrast\": %.2f, \"hint_miss\": %.1f, \"grade\": \"%s\"}",
                    thingComma, quoted(thing.name).c_str(), thing.visiblePercent(), thing.visible, thing.own,
                    thing.clickable, thing.clickBeside, thing.offScreen, thing.underPanel, thing.underMenu,
                    thing.contrast, thing.hintMiss, tFindability::GradeName(thing.grade()));
        thingComma = ",";
      }
      std::printf("]}");
      locationComma = ",";
    });
    std::printf("]}");
    comma = ",";
  }
  std::printf("],\n \"errors\": %d, \"warnings\": %d}\n", check.count(tLevelCheck::ERROR),
              check.count(tLevelCheck::WARNING));
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
  // Levels are drawn, one design unit to a pixel, to measure what shows.
  const TGraphicsPtr graphics = CreateGraphics(SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0, 2);
  if (graphics) SetGraphics(graphics);
  tScreen::Create(1.0f, 1.0f, 0.0f, 0.0f)->Setup();
  StartScripting();
  const tCurrentScope<tFile> media(std::make_shared<tFile>(options.root));
  if (options.pak) {
    tFile::Current().loadLocale();
    tFile::Current().loadPak();
  }
  tLevelCheck check;
  if (options.campaign) check.checkCampaign();
  for (const std::string& level : options.levels) check.check(level);
  const int32_t errors = check.count(tLevelCheck::ERROR);
  if (options.json) {
    printJson(check, options.notes);
  } else {
    for (const tLevelCheck::tFinding& finding : check.findings()) {
      if (finding.severity == tLevelCheck::NOTE && !options.notes) continue;
      const std::string prefix = finding.place.empty() ? "" : finding.place + ": ";
      std::printf("%s%s: %s\n", prefix.c_str(), label(finding.severity), finding.text.c_str());
    }
    if (options.table) printTable(check);
    std::printf("levelcheck: %d error(s), %d warning(s)\n", errors, check.count(tLevelCheck::WARNING));
  }
  ShutdownPlatform();
  return errors ? EXIT_ERRORS : 0;
}

// The real game's figures, on the demo title's campaign:
// - frames per second of each campaign level's main scene, on the software
//   and the OpenGL back ends (OpenGL is reported unavailable where it is,
//   as under SDL's dummy video driver);
// - the engine's own time per frame, outside the renderer's drawing calls
//   (goal: under 1 ms on the busiest level);
// - the time from starting the program to the first interactive frame of
//   the main menu, as played and as pure work (fixed time);
// - resident memory after playing the whole campaign against after the first
//   level (goal: at most 1.1 times).
//
//   bench_game [frames]
//
// Run it from an optimised build (-DCMAKE_BUILD_TYPE=Release); without a
// display, with SDL_VIDEODRIVER=dummy.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "bench_support.h"
#include "core/screen.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/loading.h"
#include "game/scripting.h"
#include "gui/gui.h"
#include "platform/draw.h"
#include "platform/filesystem.h"
#include "platform/process_wide.h"
#include "platform/window.h"
#include "resources/campaign.h"
#include "resources/media_lookup.h"

using namespace vandrell;
using vandrell::bench::residentBytes;
using vandrell::bench::seconds;

namespace {

constexpr int32_t WIDTH = 800, HEIGHT = 600;
constexpr double ENGINE_GOAL_MS = 1.0;
constexpr double MEMORY_GOAL = 1.1;

// How long the program may take to show its main menu: a minute as played.
constexpr const char* MENU_FRAMES = "3600";

const std::string CONTENT = std::string(VANDRELL_CONTENT_DIR) + "/";

// The campaign's levels in the order they are played.
std::vector<std::string> campaignLevels() {
  tCampaign& campaign = tCampaign::Current();
  campaign.loadCampaign("");
  std::vector<std::string> paths;
  for (int32_t n = 0; campaign.contains(std::to_string(n), ""); ++n) paths.push_back(campaign.get(std::to_string(n), "path"));
  return paths;
}

// A campaign level loaded into the GUI root, faded in on its first location,
// the pointer in the middle of the screen; freed when it goes.
class tPlayedLevel {
 public:
  explicit tPlayedLevel(const std::string& path) {
    tLoading quiet;
    tLevelLoader(*_level).load(path, quiet);
    tGui::Current().insert(_level);
    _level->bg().color()->SetA(0.0f);
  }
  ~tPlayedLevel() {
    _level->free();
    _level->clear();
  }
  tPlayedLevel(const tPlayedLevel&) = delete;
  tPlayedLevel& operator=(const tPlayedLevel&) = delete;

 private:
  std::shared_ptr<tLevel> _level = std::make_shared<tLevel>();
};

struct tSceneFigures {
  double frame = 0.0;   // seconds per whole frame
  double engine = 0.0;  // of which outside the drawing calls
};

tSceneFigures sceneFigures(const std::string& path, int32_t frames) {
  const tPlayedLevel level(path);
  bench::guiFrame();  // uploads the images before timing
  CountDrawTime(true);
  tSceneFigures figures;
  figures.frame = seconds(frames, bench::guiFrame);
  figures.engine = figures.frame - CountedDrawTime() / frames;
  CountDrawTime(false);
  return figures;
}

// Each level's main scene on one back end; false when the machine lacks it.
bool backEnd(int32_t driver, const std::vector<std::string>& levels, int32_t frames) {
  SetGraphicsDriver(driver);
  if (GraphicsDriver() != driver) {
    std::printf("%s: unavailable here\n", GraphicsDriverName(driver).c_str());
    return false;
  }
  TGraphicsPtr graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
  if (graphics) SetGraphics(graphics);
  // The name of the context's renderer, not of the selection: SDL may have
  // given another.
  if (!graphics || GraphicsDriverName() != GraphicsDriverName(driver)) {
    std::printf("%s: unavailable here (no context of its own)\n", GraphicsDriverName(driver).c_str());
    if (graphics) CloseGraphics(graphics);
    return false;
  }
  tScreen::Create(1.0f, 1.0f, 0.0f, 0.0f)->Setup();
  {
    // The media caches hold textures of this context, so they end with it.
    const tCurrentScope<tFile> media(std::make_shared<tFile>(CONTENT));
    const tCurrentScope<tGui> root(std::make_shared<tGui>());
    std::printf("%s back end, main scene of each campaign level, %d frames:\n", GraphicsDriverName().c_str(), frames);
    std::string busiest;
    double most = 0.0;
    for (const std::string& path : levels) {
      const tSceneFigures f = sceneFigures(path, frames);
      std::printf("  %-12s %8.1f frames per second; engine outside drawing %.3f ms per frame\n", path.c_str(),
                  1.0 / f.frame, f.engine * 1000);
      if (f.engine > most) most = f.engine, busiest = path;
    }
    std::printf("  engine time on the busiest level (%s): %.3f ms per frame (goal under %.1f ms)\n", busiest.c_str(),
                most * 1000, ENGINE_GOAL_MS);
  }
  CloseGraphics(graphics);
  return true;
}

// Resident memory after the first campaign level against after all of them,
// each loaded, played for a while and freed in turn.
void memoryFigure(const std::vector<std::string>& levels) {
  SetGraphicsDriver(GFXDRIVER_SOFTWARE);
  TGraphicsPtr graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
  if (!graphics) return;
  SetGraphics(graphics);
  tScreen::Create(1.0f, 1.0f, 0.0f, 0.0f)->Setup();
  const tCurrentScope<tFile> media(std::make_shared<tFile>(CONTENT));
  const tCurrentScope<tGui> root(std::make_shared<tGui>());
  const auto play = [](const std::string& path) {
    const tPlayedLevel level(path);
    for (int32_t i = 0; i < 120; ++i) bench::guiFrame();
  };
  play(levels.front());
  const int64_t first = residentBytes();
  for (const std::string& path : levels) play(path);
  const int64_t all = residentBytes();
  std::printf("resident memory: %.1f MB after the first level, %.1f MB after the whole campaign: %.3f x (goal at most "
              "%.1f)\n",
              first / 1e6, all / 1e6, first ? static_cast<double>(all) / static_cast<double>(first) : 0.0,
              MEMORY_GOAL);
  CloseGraphics(graphics);
}

// A player in a hurry: a click in the middle of the screen, which moves the
// title on, and one on the intro's skip plaque, twice a second.
void writeClicks(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return;
  for (int32_t frame = 10, n = 0; frame < std::atoi(MENU_FRAMES); frame += 15, ++n) {
    const int32_t x = n % 2 ? 735 : 400, y = n % 2 ? 570 : 300;
    std::fprintf(file, "%d 1027 0 0 %d %d\n%d 1025 1 0 %d %d\n%d 1026 1 0 %d %d\n", frame, x, y, frame, x, y,
                 frame + 1, x, y);
  }
  std::fclose(file);
}

// Seconds from starting the program to its log saying the main menu shows;
// negative when it never does. The program runs headless on a fresh user
// folder, its player clicking through the title and the intro, and is killed
// once the menu is there.
double secondsToMenu(bool fixedTime) {
  const std::filesystem::path user = std::filesystem::temp_directory_path() / ("bench_game_" + std::to_string(getpid()));
  std::filesystem::create_directories(user);
  const std::string clicks = (user / "clicks.txt").string();
  writeClicks(clicks);
  int lines[2];
  if (::pipe(lines) != 0) return -1.0;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(lines[1], STDERR_FILENO);
    ::close(lines[0]);
    const std::string folder = user.string() + "/";
    std::vector<const char*> args = {VANDRELL_PROGRAM, "-headless", "-user", folder.c_str(), "-log", "-",
                                     "-replay",        clicks.c_str(), "-frames", MENU_FRAMES};
    if (fixedTime) args.push_back("-fixedtime");
    args.push_back(nullptr);
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::execv(VANDRELL_PROGRAM, const_cast<char* const*>(args.data()));
    ::_exit(127);
  }
  ::close(lines[1]);
  double found = -1.0;
  std::FILE* log = ::fdopen(lines[0], "r");
  char line[4096];
  while (found < 0.0 && log && std::fgets(line, sizeof line, log)) {
    if (std::string(line).rfind("Main menu shown.", 0) == 0) {
      found = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  if (log) std::fclose(log);
  std::filesystem::remove_all(user);
  return found;
}

void startFigure() {
  const double played = secondsToMenu(false);
  const double work = secondsToMenu(true);
  if (played < 0.0 || work < 0.0) {
    std::printf("start to the main menu: the program never showed it\n");
    return;
  }
  std::printf("start to the first interactive frame of the main menu, clicking through the title and the intro: "
              "%.3f s as played, %.3f s of work alone (fixed time)\n",
              played, work);
}

}  // namespace

int main(int argc, char** argv) {
  const int32_t frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  if (FileType(CONTENT + "locations/campaign.cfg") != FILETYPE_FILE) {
    std::fprintf(stderr, "no campaign in %s: build the content first\n", VANDRELL_CONTENT_DIR);
    return 1;
  }
  startFigure();

  const tCurrentScope<tFile> media(std::make_shared<tFile>(CONTENT));
  StartScripting();
  const tCurrentScope<tAudio> audio(std::make_shared<tAudio>());
  const std::vector<std::string> levels = campaignLevels();
  if (levels.empty()) {
    std::fprintf(stderr, "the campaign has no levels\n");
    return 1;
  }
  backEnd(GFXDRIVER_SOFTWARE, levels, frames);
  backEnd(GFXDRIVER_OPENGL, levels, frames);
  memoryFigure(levels);
  ShutdownPlatform();
  return 0;
}

// The cost of levels, on a level of the demo title:
// - loading it (new level, load, clear) against decoding only the PNG files
//   it uses (target: at most 1.2 times);
// - the resident memory after loading and clearing it 50 times against after
//   the first time (target: at most 1.05 times);
// - one frame of the loaded level (update and render) on the software back
//   end, and the same with the magnifier open in the middle of the screen
//   (target: at most 1.2 times the frame without it).
//
//   bench_level_load [LEVEL [loads]]
//
// LEVEL is a folder below locations/ ("workshop" by default). Without a
// display, run it with SDL_VIDEODRIVER=dummy.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "audio/audio.h"
#include "bench_support.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/loading.h"
#include "game/scripting.h"
#include "gui/gui.h"
#include "hud/zoom.h"
#include "platform/event.h"
#include "platform/draw.h"
#include "platform/filesystem.h"
#include "platform/log.h"
#include "platform/pixmap.h"
#include "platform/process_wide.h"
#include "platform/window.h"
#include "resources/media_lookup.h"

using namespace vandrell;
using vandrell::bench::residentBytes;
using vandrell::bench::seconds;

namespace {

constexpr int32_t WIDTH = 800, HEIGHT = 600;
constexpr int32_t MEMORY_ROUNDS = 50;
constexpr int32_t FRAMES = 120;

// The media files the level's own cache keeps a picture of: the resource
// cache names each new file in the debug log.
std::set<std::string> picturesOf(const std::string& path) {
  std::set<std::string> urls;
  SetDebugLogHook(
      [](std::string_view text, void* urls) {
        if (text.rfind("rm> ", 0) == 0 && text.find('@') == std::string_view::npos) {
          static_cast<std::set<std::string>*>(urls)->insert(std::string(text.substr(4)));
        }
      },
      &urls);
  tLevel level;
  tLoading quiet;
  tLevelLoader(level).load(path, quiet);
  level.clear();
  SetDebugLogHook(nullptr, nullptr);
  return urls;
}

void loadAndClear(const std::string& path) {
  tLevel level;
  tLoading quiet;
  tLevelLoader(level).load(path, quiet);
  level.clear();
}

// One frame of a level in the GUI root: the update with the hover and treat
// passes, then the render; `prepare` sets the scene up once.
double frameTime(const char* name, const std::string& path, const std::function<void(tLevel&)>& prepare) {
  const tCurrentScope<tGui> root(std::make_shared<tGui>());
  auto level = std::make_shared<tLevel>();
  tLoading quiet;
  tLevelLoader(*level).load(path, quiet);
  tGui::Current().insert(level);
  prepare(*level);
  bench::guiFrame();  // uploads the images before timing
  const double time = seconds(FRAMES, bench::guiFrame);
  std::printf("  %-30s %.3f ms per frame\n", name, time * 1000);
  level->free();
  level->clear();
  return time;
}

// The scene as the player sees it once the level has faded in.
void fadedIn(tLevel& level) { level.bg().color()->SetA(0.0f); }

// The same, looking through the magnifier in the middle of the screen.
void throughLoupe(tLevel& level) {
  fadedIn(level);
  TEvent move;
  move.id = EVENT_MOUSEMOVE;
  move.x = WIDTH / 2;
  move.y = HEIGHT / 2;
  tGui::Current().event(move);
  tZoom::Current().show();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "workshop";
  const int32_t loads = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  const tCurrentScope<tFile> media(std::make_shared<tFile>(std::string(VANDRELL_CONTENT_DIR) + "/"));
  if (FileType(std::string(VANDRELL_CONTENT_DIR) + "/locations/" + path + "/location.cfg") != FILETYPE_FILE) {
    std::fprintf(stderr, "no level %s in %s: build the content first\n", path.c_str(), VANDRELL_CONTENT_DIR);
    return 1;
  }
  StartScripting();
  const tCurrentScope<tAudio> audio(std::make_shared<tAudio>());
  const TGraphicsPtr graphics = bench::softwareScreen(WIDTH, HEIGHT);
  if (!graphics) return 1;

  const std::set<std::string> pictures = picturesOf(path);
  const double load = seconds(loads, [&] { loadAndClear(path); });
  // All of them alive at once, as in the level, so memory costs the same.
  const double decode = seconds(loads, [&] {
    std::vector<TPixmapPtr> decoded;
    for (const std::string& url : pictures) decoded.push_back(LoadPixmap(tFile::Current().media(url)));
  });
  std::printf("level %s, %d pictures, %d loads:\n", path.c_str(), static_cast<int>(pictures.size()), loads);
  std::printf("  load and clear:                %.3f ms\n", load * 1000);
  std::printf("  decoding its PNG files alone:  %.3f ms\n", decode * 1000);

  loadAndClear(path);
  const int64_t first = residentBytes();
  for (int32_t i = 1; i < MEMORY_ROUNDS; ++i) loadAndClear(path);
  const int64_t last = residentBytes();
  std::printf("  resident memory after 1 load:  %.1f MB; after %d: %.1f MB\n", first / 1e6, MEMORY_ROUNDS, last / 1e6);

  std::printf("frames on the %s back end:\n", GraphicsDriverName().c_str());
  const double scene = frameTime("the scene", path, fadedIn);
  const double loupe = frameTime("the scene through the loupe", path, throughLoupe);

  std::printf("load time: %.3f x the decoding alone (target at most 1.20)\n", load / decode);
  std::printf("loupe: %.3f x the frame without it (target at most 1.20)\n", loupe / scene);
  std::printf("memory: %.3f x after the first load (target at most 1.05)\n",
              first ? static_cast<double>(last) / static_cast<double>(first) : 0.0);
  CloseGraphics(graphics);
  ShutdownPlatform();
  return 0;
}

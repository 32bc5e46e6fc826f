// The cost of `levelcheck --campaign` on the demo title, level by level: the
// whole check of each level (loading it, the checks of its files, its start,
// the words in their slots and the measures of every hidden thing drawn on
// the software back end), against the target of at most 2 s per level.
//
//   bench_levelcheck [rounds]
//
// Without a display, run it with SDL_VIDEODRIVER=dummy; the figures are best
// from a Release build.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "audio/audio.h"
#include "bench_support.h"
#include "game/level_check.h"
#include "game/scripting.h"
#include "platform/filesystem.h"
#include "platform/process_wide.h"
#include "platform/window.h"
#include "resources/media_lookup.h"

using namespace vandrell;
using vandrell::bench::seconds;

namespace {

constexpr int32_t WIDTH = 800, HEIGHT = 600;
constexpr double TARGET = 2.0;

}  // namespace

int main(int argc, char** argv) {
  const int32_t rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const std::string root = std::string(VANDRELL_CONTENT_DIR) + "/";
  if (FileType(root + "locations/campaign.cfg") != FILETYPE_FILE) {
    std::fprintf(stderr, "no campaign in %s: build the content first\n", VANDRELL_CONTENT_DIR);
    return 1;
  }
  const tCurrentScope<tFile> media(std::make_shared<tFile>(root));
  StartScripting();
  const TGraphicsPtr graphics = bench::softwareScreen(WIDTH, HEIGHT);
  if (!graphics) return 1;

  std::printf("levelcheck of the demo campaign, %d rounds, per level:\n", rounds);
  double slowest = 0.0;
  for (const std::string& path : tLevelCheck::CampaignLevels()) {
    size_t things = 0;
    const double time = seconds(rounds, [&] {
      tLevelCheck check;
      check.check(path);
      things = check.figures().empty() ? 0 : check.figures()[0].things.size();
    });
    std::printf("  %-12s %2zu hidden things  %.3f s\n", path.c_str(), things, time);
    slowest = std::max(slowest, time);
  }
  std::printf("slowest level: %.3f s (target at most %.1f s)\n", slowest, TARGET);
  CloseGraphics(graphics);
  ShutdownPlatform();
  return 0;
}

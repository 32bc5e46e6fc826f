// Compares part of a screenshot of the program with its reference PNG, for
// the tests that run the real program. References hold only the part of the
// screen they are about (a menu page's buttons, say), placed at (X, Y) of the
// screenshot. Pixels may differ by TOLERANCE in each channel; up to ALLOWED
// pixels may differ by more (a spark landing a pixel aside), so a changed
// page, text or picture still fails.
//   compare_images SHOT REFERENCE X Y [TOLERANCE [ALLOWED]]
//     exit code 0 when they match; otherwise 1 with what differs and where.
//   compare_images --crop SHOT X Y W H OUTPUT
//     writes that part of SHOT to OUTPUT: how a reference is made or renewed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/png_codec.h"

using namespace vandrell;

namespace {

int32_t number(const char* text) { return static_cast<int32_t>(std::strtol(text, nullptr, 10)); }

int32_t channelDistance(int32_t a, int32_t b) {
  int32_t widest = 0;
  for (int shift = 0; shift < 24; shift += 8) widest = std::max(widest, std::abs((a >> shift & 255) - (b >> shift & 255)));
  return widest;
}

int crop(char** argv) {
  TPixmapPtr shot = LoadPixmap(std::string(argv[2]));
  if (!shot) {
    std::printf("can't read %s\n", argv[2]);
    return 1;
  }
  TPixmapPtr part = shot->Window(number(argv[3]), number(argv[4]), number(argv[5]), number(argv[6]));
  return part && SavePixmapPNG(*part->Copy(), std::string(argv[7])) ? 0 : 1;
}

int compare(int argc, char** argv) {
  const int32_t left = number(argv[3]), top = number(argv[4]);
  const int32_t tolerance = argc > 5 ? number(argv[5]) : 2;
  const int32_t allowed = argc > 6 ? number(argv[6]) : 0;
  TPixmapPtr shot = LoadPixmap(std::string(argv[1]));
  TPixmapPtr reference = LoadPixmap(std::string(argv[2]));
  if (!shot || !reference) {
    std::printf("can't read %s\n", shot ? argv[2] : argv[1]);
    return 1;
  }
  if (left < 0 || top < 0 || left + reference->width > shot->width || top + reference->height > shot->height) {
    std::printf("%s (%dx%d) does not fit into %s (%dx%d) at (%d, %d)\n", argv[2], reference->width,
                reference->height, argv[1], shot->width, shot->height, left, top);
    return 1;
  }
  int32_t differing = 0, worst = 0;
  int32_t x0 = shot->width, y0 = shot->height, x1 = -1, y1 = -1;
  for (int32_t y = 0; y < reference->height; ++y) {
    for (int32_t x = 0; x < reference->width; ++x) {
      const int32_t distance = channelDistance(shot->ReadPixel(left + x, top + y), reference->ReadPixel(x, y));
      if (distance <= tolerance) continue;
      ++differing;
      worst = std::max(worst, distance);
      x0 = std::min(x0, left + x), y0 = std::min(y0, top + y), x1 = std::max(x1, left + x), y1 = std::max(y1, top + y);
    }
  }
  if (differing <= allowed) return 0;
  std::printf("%s differs from %s in %d pixels (%d allowed) by up to %d, within (%d, %d)-(%d, %d)\n", argv[1],
              argv[2], differing, allowed, worst, x0, y0, x1, y1);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 8 && std::string(argv[1]) == "--crop") return crop(argv);
  if (argc >= 5 && argc <= 7) return compare(argc, argv);
  std::fprintf(stderr,
               "usage: compare_images SHOT REFERENCE X Y [TOLERANCE [ALLOWED]]\n"
               "       compare_images --crop SHOT X Y W H OUTPUT\n");
  return 2;
}

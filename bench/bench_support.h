// What the benchmark programs share: timing a piece of work, the process's
// resident memory, and one frame of the GUI root as the game draws it.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "core/screen.h"
#include "gui/gui.h"
#include "gui/hover_catchers.h"
#include "platform/window.h"

namespace vandrell::bench {

constexpr float FRAME = 1.0f / 60.0f;

// Seconds per run of `run`, over `times` runs.
template <typename Run>
double seconds(int32_t times, Run run) {
  const auto start = std::chrono::steady_clock::now();
  for (int32_t i = 0; i < times; ++i) run();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count() / times;
}

// Resident memory in bytes, from the kernel's accounting.
inline int64_t residentBytes() {
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return 0;
  long size = 0, resident = 0;
  const int read = std::fscanf(statm, "%ld %ld", &size, &resident);
  std::fclose(statm);
  return read == 2 ? static_cast<int64_t>(resident) * 4096 : 0;
}

// A window of `width` x `height` pixels on the software back end, made
// current, with one design unit to a pixel; null, said on standard error,
// when there is none.
inline TGraphicsPtr softwareScreen(int32_t width, int32_t height) {
  SetGraphicsDriver(GFXDRIVER_SOFTWARE);
  TGraphicsPtr graphics = CreateGraphics(width, height, 0, 0, 2);
  if (!graphics) {
    std::fprintf(stderr, "no graphics context\n");
    return nullptr;
  }
  SetGraphics(graphics);
  tScreen::Create(1.0f, 1.0f, 0.0f, 0.0f)->Setup();
  return graphics;
}

// One frame of the GUI root: the update with the hover and treat passes, then
// the render and the flip.
inline void guiFrame() {
  Cls();
  tGui::Current().update(FRAME);
  tGuiHoverCatcher::Current().update();
  tGuiTreatCatcher::Current().update();
  tGui::Current().render();
  Flip(0);
}

}  // namespace vandrell::bench

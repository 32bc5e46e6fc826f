// What every window back end keeps alike: the clear colour and the hook that
// sees each finished frame (platform/window.h).
#pragma once

#include <cstdint>

#include "platform/window.h"

namespace vandrell {

struct TWindowState {
  static TWindowState& Current();

  int32_t clsRed = 0, clsGreen = 0, clsBlue = 0;
  TPresentHook presentHook = nullptr;
  void* presentContext = nullptr;

  // Flip calls it just before the frame is shown.
  void presenting() const {
    if (presentHook) presentHook(presentContext);
  }
};

}  // namespace vandrell

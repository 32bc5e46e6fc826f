#include "core/settings.h"

#include "platform/process_wide.h"

namespace vandrell {

tSettings& tSettings::Current() { return tProcessWide<tSettings>::get(); }

int32_t tSettings::graphicsDepth(const std::vector<TGraphicsMode>& modes, int32_t width, int32_t height) {
  for (int32_t depth : {32, 24, 16}) {
    for (const TGraphicsMode& mode : modes) {
      if (mode.width == width && mode.height == height && mode.depth == depth) return depth;
    }
  }
  return 0;
}

}  // namespace vandrell

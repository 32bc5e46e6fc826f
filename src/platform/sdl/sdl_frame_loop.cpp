#include "platform/frame_loop.h"

namespace vandrell {

void RunFrames(std::function<void()> frame) {
  for (;;) frame();
}

}  // namespace vandrell

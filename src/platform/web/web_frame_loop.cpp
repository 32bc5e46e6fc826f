#include <emscripten/emscripten.h>

#include "platform/frame_loop.h"
#include "platform/log.h"
#include "platform/process.h"
#include "platform/window.h"

namespace vandrell {

namespace {

std::function<void()>& frameFunction() {
  static std::function<void()> frame;
  return frame;
}

// One animation frame of the browser. The program ends here when a frame
// asks to: the page's loop stops, and the page learns the exit code.
void browserFrame() {
  int32_t code = 0;
  try {
    frameFunction()();
    return;
  } catch (const TProcessExit& exit) {
    code = exit.code;
  }
  emscripten_cancel_main_loop();
  frameFunction() = nullptr;
  ShutdownPlatform();
  DebugLog("The program ended with code " + std::to_string(code));
  EM_ASM({ Module.vandrellEnded($0); }, code);
}

}  // namespace

void RunFrames(std::function<void()> frame) {
  frameFunction() = std::move(frame);
  // 0: at the browser's animation frames; 1: leave the caller here.
  emscripten_set_main_loop(browserFrame, 0, 1);
  __builtin_unreachable();
}

}  // namespace vandrell

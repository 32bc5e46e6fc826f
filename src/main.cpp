// The game's entry point.
#include <cstdio>

#include "core/automation.h"
#include "core/core.h"
#include "core/screen.h"
#include "platform/event.h"
#include "platform/log.h"
#include "platform/process.h"
#include "platform/window.h"

namespace {

constexpr const char* TITLE = "Vandrell";

// Opens the 800 x 600 window and runs the frame loop until the window is
// closed, Escape is pressed with "-q", or the automation's frame limit ends it.
class tShellApp final : public tCore {
 public:
  explicit tShellApp(tAutomation& automation) : _automation(automation) {
    SetAppTitle(TITLE);
    bool escape = false;
    for (const std::string& arg : AppArgs()) escape = escape || arg == "-q";
    _graphics = CreateGraphics(800, 600, 0, 0, 2);
    if (!_graphics) {
      DebugLog("Graphics driver problem!");
      std::fprintf(stderr, "%s: cannot open a window (see -log -)\n", TITLE);
      ExitProcess(1);
    }
    DebugLog("Graphics init complete successfully.");
    SetGraphics(_graphics);
    SetWindowCaption(TITLE);
    tScreen::CreateProjection(800, 600, 800, 600, 0, 0)->Setup();
    keyStop(escape ? 27 : 0);
    fps(60);
    _automation.start();
  }

  void update(float) override {
    if (_automation.endFrame()) quit();
  }
  void event(const TEvent&) override {}
  void render() override {}

 private:
  tAutomation& _automation;
  TGraphicsPtr _graphics;
};

}  // namespace

int main(int argc, char** argv) {
  SetAppArgs(argc, argv);
  DebugLogFromEnvironment();
  tAutomation automation;
  automation.parse(AppArgs());
  int code = 0;
  try {
    tShellApp app(automation);
    app.run();
  } catch (const TProcessExit& exit) {
    code = exit.code;
  }
  ShutdownPlatform();
  return code;
}

// The game's entry point.
#include <cstdio>

#include "core/automation.h"
#include "core/switches.h"
#include "game/app.h"
#include "game/game.h"
#include "game/scripting.h"
#include "gui/gui.h"
#include "platform/filesystem.h"
#include "platform/log.h"
#include "platform/process.h"
#include "platform/process_wide.h"
#include "platform/window.h"

using namespace vandrell;

namespace {

// The one game for the run. Its level is let go before the application that
// draws it closes the graphics, however the run ends.
class tGameRun {
 public:
  tGameRun() { _game->start(); }
  ~tGameRun() { _game->freeLevel(); }
  tGameRun(const tGameRun&) = delete;
  tGameRun& operator=(const tGameRun&) = delete;

 private:
  std::shared_ptr<tGame> _game = std::make_shared<tGame>();
  tCurrentScope<tGame> _scope{_game};
};

}  // namespace

int main(int argc, char** argv) {
  SetAppArgs(argc, argv);
  if (tSwitches::AskHelp(AppArgs())) {
    tSwitches::PrintHelp(stdout, StripDir(AppFile()));
    return 0;
  }
  if (tSwitches::AskVersion(AppArgs())) {
    std::printf("%s %s\n", tApp::TITLE, tApp::VERSION);
    return 0;
  }
  DebugLogFromEnvironment();
  tAutomation automation;
  automation.parse(AppArgs());
  int code = 0;
  try {
    tGui::Current();
    StartScripting();
    tApp app(&automation, tApp::CHECK_DATA);
    const tGameRun game;
    app.run();
  } catch (const TProcessExit& exit) {
    code = exit.code;
  }
  ShutdownPlatform();
  return code;
}

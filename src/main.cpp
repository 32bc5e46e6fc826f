// The game's entry point.
#include <cstdio>

#include "audio/audio.h"
#include "core/automation.h"
#include "core/switches.h"
#include "game/app.h"
#include "gui/app_messages.h"
#include "gui/gui.h"
#include "gui/object.h"
#include "platform/filesystem.h"
#include "platform/log.h"
#include "platform/process.h"
#include "platform/process_wide.h"
#include "platform/window.h"
#include "scene/mission_property.h"
#include "scene/pic.h"
#include "scene/scene_actions.h"
#include "script/script_actions.h"
#include "script/zeb_book.h"

using namespace vandrell;

namespace {

// Ends the program when the player closes the window. The game object takes
// this over (saving the running level first) once it exists.
class tCloseHandler final : public tGuiObject {
  VANDRELL_GUI_HOOKS(tCloseHandler, tGuiObject, &tCloseHandler::M_APP_TERMINATE)

 public:
  int32_t M_APP_TERMINATE(vandrell::M_APP_TERMINATE&) {
    tApp::Current().quit();
    return 0;
  }
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
    InstallZebScript();
    RegisterScriptActions();
    RegisterSceneActions();
    AddPicPropertyOwners();
    AddMissionPropertyOwners();
    tApp app(&automation, tApp::CHECK_DATA);
    tGui::Current().insert(std::make_shared<tCloseHandler>());
    // Streams music and sounds every frame; the game object takes it into its
    // set once it exists.
    tGui::Current().insert(tProcessWide<tAudio>::shared());
    app.run();
  } catch (const TProcessExit& exit) {
    code = exit.code;
  }
  ShutdownPlatform();
  return code;
}

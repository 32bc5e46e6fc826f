#include "game/scripting.h"

#include "hud/hud_actions.h"
#include "menus/mmenu_actions.h"
#include "scene/mission_property.h"
#include "scene/pic.h"
#include "scene/scene_actions.h"
#include "script/script_actions.h"
#include "script/zeb_book.h"

namespace vandrell {

void StartScripting() {
  InstallZebScript();
  RegisterScriptActions();
  RegisterSceneActions();
  RegisterHudActions();
  RegisterMMenuActions();
  AddPicPropertyOwners();
  AddMissionPropertyOwners();
}

}  // namespace vandrell

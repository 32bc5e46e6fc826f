#include "game/scripting.h"

#include "audio/audio_actions.h"
#include "game/desktop_actions.h"
#include "hud/cursor_actions.h"
#include "hud/hud_actions.h"
#include "hud/txt_actions.h"
#include "menus/menu_actions.h"
#include "menus/mmenu_actions.h"
#include "scene/item_mission_actions.h"
#include "scene/mission_property.h"
#include "scene/pic.h"
#include "scene/pic_actions.h"
#include "scene/scene_actions.h"
#include "script/script_actions.h"
#include "script/system_actions.h"
#include "script/zeb_book.h"

namespace vandrell {

void StartScripting() {
  InstallZebScript();
  RegisterScriptActions();
  RegisterSystemActions();
  RegisterAudioActions();
  RegisterSceneActions();
  RegisterPicActions();
  RegisterItemMissionActions();
  RegisterHudActions();
  RegisterTxtActions();
  RegisterCursorActions();
  RegisterDesktopActions();
  RegisterMMenuActions();
  // The in-game menu's failure page takes over "gameover" from the script
  // engine's own, so it comes after it.
  RegisterMenuActions();
  AddPicPropertyOwners();
  AddMissionPropertyOwners();
}

}  // namespace vandrell

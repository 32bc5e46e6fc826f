#include "game/scripting.h"

#include "scene/mission_property.h"
#include "scene/pic.h"
#include "script/zeb_book.h"

namespace vandrell {

void StartScripting() {
  InstallZebScript();
  AddPicPropertyOwners();
  AddMissionPropertyOwners();
}

}  // namespace vandrell

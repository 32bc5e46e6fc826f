// The script action of the menu level that shows and hides the main menu.
#pragma once

#include "script/action.h"

namespace vandrell {

// "mmalpha=n": the main menu shows for n not 0, else hides.
class tZebAction_mmalpha : public tAction {
 public:
  float exec() override;
};

// Adds the main menu's keywords to the registry; start-up calls it before any
// level loads.
void RegisterMMenuActions();

}  // namespace vandrell

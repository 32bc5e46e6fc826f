// The script actions that reach the in-game menu.
#pragma once

#include "script/flow_actions.h"

namespace vandrell {

// "gameover=1" fails the level and opens the menu's failure page; the other
// outcomes stay as the script engine has them.
class tMenuGameover : public tZebAction_gameover {
 protected:
  void failPage() override;
};

// "interface=0" shows the panel and the menu button, "interface=1" the menu
// button alone, any other value hides both and closes the menu.
class tZebAction_interface : public tZebAction {
 public:
  float exec() override;
};

// Binds the menu's actions in the registry; start-up calls it before any
// level loads.
void RegisterMenuActions();

}  // namespace vandrell

// Script actions that reach past the game to the desktop: moving the system
// pointer and opening a web link in the browser.
#pragma once

#include "script/zeb_action.h"

namespace vandrell {

// "pointerxy=x,y": the pointer to the design point (x, y) of the screen.
class tZebAction_pointerxy : public tZebAction {
 public:
  float exec() override;
};

// "url=key" minimises the window and opens the link the strings give the key
// in section "url"; "url" alone opens the key "game" of the file "url" in the
// working folder, when there is one, which lets a build point at its own shop.
class tZebAction_url : public tZebAction {
 public:
  float exec() override;
};

// Run once at start-up, after the script language is installed.
void RegisterDesktopActions();

}  // namespace vandrell

// Script actions on the cursor and the universal button. The cursor exists
// for the whole game, the button once a level made it; while either does
// not exist, its actions do nothing.
#pragma once

#include "script/zeb_action.h"

namespace vandrell {

// "showcursor=n" plays the level's "__showcursor_n", unless an item is held.
class tZebAction_showcursor : public tZebAction {
 public:
  float exec() override;
};

class tZebAction_lockcursor : public tZebAction {
 public:
  float exec() override;
};

class tZebAction_unlockcursor : public tZebAction {
 public:
  float exec() override;
};

// "hidepointer=1" hides the cursor over scene pictures, "hidepointer=0"
// shows it again.
class tZebAction_hidepointer : public tZebAction {
 public:
  float exec() override;
};

// "unibutton=message,x,y,command": the button with that message's lines at
// (x, y) of the scene, playing the command when clicked.
class tZebAction_unibutton : public tZebAction {
 public:
  float exec() override;
};

class tZebAction_offunibutton : public tZebAction {
 public:
  float exec() override;
};

// Run once at start-up, after the script language is installed.
void RegisterCursorActions();

}  // namespace vandrell

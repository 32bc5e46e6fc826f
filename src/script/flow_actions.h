// Actions on script variables, waits and the flow of the game: results,
// saves and condition checks. The game-flow ones only send messages of the
// vocabulary; the game and the level decide what follows.
#pragma once

#include "script/zeb_action.h"

namespace vandrell {

// "set=name,value": the variable takes the value as it is, number or object;
// without a value it holds the empty value.
class tZebAction_set : public tZebAction {
 public:
  float exec() override;
};

// Waits are counted down by the command in game time, so slowing or pausing
// the game holds scripts with it.
class tZebAction_wait : public tZebAction {
 public:
  float exec() override { return ticks(0); }
};

class tZebAction_waitms : public tZebAction {
 public:
  float exec() override { return ms(0); }
};

// A variable of the player, kept in the profiles file.
class tZebAction_uv : public tZebAction {
 public:
  float exec() override;
};

// 0 fails the game and closes the program, 1 fails the level, 2 completes it,
// 3 completes it without the fade, 4 goes to the level of the player's
// progress, 5 to the extra level; any other number, fractions included, does
// nothing.
class tZebAction_gameover : public tZebAction {
 public:
  float exec() override;

 protected:
  // The in-game menu's fail page, shown after a failed level. The menu lives
  // above the scripts; until it binds this row to a class of its own that
  // shows the page, the step is reported as not available yet.
  virtual void failPage();
};

// Writes nothing: the game keeps the progress itself.
class tZebAction_progress : public tZebAction {};

class tZebAction_save : public tZebAction {
 public:
  float exec() override;
};

class tZebAction_load : public tZebAction {
 public:
  float exec() override;
};

class tZebAction_check : public tZebAction {
 public:
  float exec() override;
};

}  // namespace vandrell

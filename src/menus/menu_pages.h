// The in-game menu's main page, its quit confirmation and the failure page
// shown after a script failed the level.
#pragma once

#include "menus/menu_widget.h"

namespace vandrell {

class tMenuClose : public tMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMenuClose, tMenuHrefMain)

 public:
  tMenuClose();
  void _action() override;
};

class tMenuOptions : public tMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMenuOptions, tMenuHrefMain)

 public:
  tMenuOptions();
  void _action() override;
};

class tMenuQuit : public tMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMenuQuit, tMenuHrefMain)

 public:
  tMenuQuit();
  void _action() override;
};

class tMenuQuitTitle : public tMenuLabelQuit {
  VANDRELL_GUI_HOOKS(tMenuQuitTitle, tMenuLabelQuit)

 public:
  tMenuQuitTitle();
};

// Saves the level, when the campaign lets it, and leaves for the main menu.
class tMenuQuitYes : public tMenuHrefQuit {
  VANDRELL_GUI_HOOKS(tMenuQuitYes, tMenuHrefQuit)

 public:
  tMenuQuitYes();
  void _action() override;
};

class tMenuQuitNo : public tMenuHrefQuit {
  VANDRELL_GUI_HOOKS(tMenuQuitNo, tMenuHrefQuit)

 public:
  tMenuQuitNo();
  void _action() override;
};

class tMenuFailTitle : public tMenuLabelFail {
  VANDRELL_GUI_HOOKS(tMenuFailTitle, tMenuLabelFail)

 public:
  tMenuFailTitle();
};

class tMenuFailComment : public tMenuTextFail {
  VANDRELL_GUI_HOOKS(tMenuFailComment, tMenuTextFail)

 public:
  tMenuFailComment();
};

// Plays the level again from its automatic save.
class tMenuFailYes : public tMenuHrefFail {
  VANDRELL_GUI_HOOKS(tMenuFailYes, tMenuHrefFail)

 public:
  tMenuFailYes();
  void _action() override;
};

class tMenuFailNo : public tMenuHrefFail {
  VANDRELL_GUI_HOOKS(tMenuFailNo, tMenuHrefFail)

 public:
  tMenuFailNo();
  void _action() override;
};

}  // namespace vandrell

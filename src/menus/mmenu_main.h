// The main page with the player's name above it, and the quit confirmation.
#pragma once

#include "menus/mmenu_widget.h"

namespace vandrell {

// Shown while the player has neither progress nor a finished story.
class tMMenuStart : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuStart, tMMenuHrefMain)

 public:
  tMMenuStart();
  void _shown() override;
  void _action() override;
};

// Shown while the player has progress and has not finished.
class tMMenuContinue : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuContinue, tMMenuHrefMain)

 public:
  tMMenuContinue();
  void _shown() override;
  void _action() override;
};

// Shown once the player finished: the chapter page instead of playing on.
class tMMenuLevel : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuLevel, tMMenuHrefMain)

 public:
  tMMenuLevel();
  void _shown() override;
  void _action() override;
};

class tMMenuDiary : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuDiary, tMMenuHrefMain)

 public:
  tMMenuDiary();
  void _action() override;
};

// Counts the extras the player has not seen yet.
class tMMenuExtra : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuExtra, tMMenuHrefMain)

 public:
  tMMenuExtra();
  void _shown() override;
  void _action() override;
};

class tMMenuOptions : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuOptions, tMMenuHrefMain)

 public:
  tMMenuOptions();
  void _action() override;
};

// The first time a player who finished the story comes back to the main page,
// the menu level plays the finale ("__finishcredits") once.
class tMMenuCredits : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuCredits, tMMenuHrefMain)

 public:
  tMMenuCredits();
  void _shown() override;
  void _action() override;
};

class tMMenuZeb : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuZeb, tMMenuHrefMain)

 public:
  tMMenuZeb();
  void _action() override;
};

class tMMenuQuit : public tMMenuHrefMain {
  VANDRELL_GUI_HOOKS(tMMenuQuit, tMMenuHrefMain)

 public:
  tMMenuQuit();
  void _action() override;
};

// "Welcome, name": a click changes the player.
class tMMenuProfileTitle : public tMMenuHrefProfile {
  VANDRELL_GUI_HOOKS(tMMenuProfileTitle, tMMenuHrefProfile)

 public:
  tMMenuProfileTitle();
  void _shown() override;
  void _action() override;
};

class tMMenuProfileComment : public tMMenuLabelProfile {
  VANDRELL_GUI_HOOKS(tMMenuProfileComment, tMMenuLabelProfile)

 public:
  tMMenuProfileComment();
};

class tMMenuQuitTitle : public tMMenuLabelQuit {
  VANDRELL_GUI_HOOKS(tMMenuQuitTitle, tMMenuLabelQuit)

 public:
  tMMenuQuitTitle();
};

// Ends the program the way closing the window does.
class tMMenuQuitYes : public tMMenuHrefQuit {
  VANDRELL_GUI_HOOKS(tMMenuQuitYes, tMMenuHrefQuit)

 public:
  tMMenuQuitYes();
  void _action() override;
};

class tMMenuQuitNo : public tMMenuHrefQuit {
  VANDRELL_GUI_HOOKS(tMMenuQuitNo, tMMenuHrefQuit)

 public:
  tMMenuQuitNo();
  void _action() override;
};

}  // namespace vandrell

// The chapter pages: choosing a chapter to play again once the story is
// finished, choosing a diary page, and the buttons over a diary page. Each
// turns through the campaign's chapters, and only as far as the player has
// reached.
#pragma once

#include <cstdint>

#include "menus/mmenu_widget.h"

namespace vandrell {

class tMMenuLevelTitle : public tMMenuLabelLevel {
  VANDRELL_GUI_HOOKS(tMMenuLevelTitle, tMMenuLabelLevel)

 public:
  tMMenuLevelTitle();
};

// Plays the chapter shown: the progress goes back to it and the ordinary save,
// which belongs to a later level, is dropped.
class tMMenuLevelSelect : public tMMenuHrefLevel {
  VANDRELL_GUI_HOOKS(tMMenuLevelSelect, tMMenuHrefLevel)

 public:
  tMMenuLevelSelect();
  // Leaving the page starts the next visit at the first chapter.
  int32_t none(vandrell::M_MMENU_NONE& msg) override;
  void _shown() override;
  void _action() override;
};

// One chapter back (step -1) or on (1), and the page again.
class tMMenuLevelTurn : public tMMenuHrefLevel {
  VANDRELL_GUI_HOOKS(tMMenuLevelTurn, tMMenuHrefLevel)

 public:
  tMMenuLevelTurn(int32_t step, const char* key, float h);
  void _shown() override;
  void _action() override;

 private:
  int32_t _step;
};

class tMMenuLevelBack : public tMMenuLevelTurn {
  VANDRELL_GUI_HOOKS(tMMenuLevelBack, tMMenuLevelTurn)

 public:
  tMMenuLevelBack() : tMMenuLevelTurn(-1, "back", 250) {}
};

class tMMenuLevelNext : public tMMenuLevelTurn {
  VANDRELL_GUI_HOOKS(tMMenuLevelNext, tMMenuLevelTurn)

 public:
  tMMenuLevelNext() : tMMenuLevelTurn(1, "next", 550) {}
};

class tMMenuLevelClose : public tMMenuHrefLevel {
  VANDRELL_GUI_HOOKS(tMMenuLevelClose, tMMenuHrefLevel)

 public:
  tMMenuLevelClose();
  void _action() override;
};

class tMMenuDiaryTitle : public tMMenuLabelDiary {
  VANDRELL_GUI_HOOKS(tMMenuDiaryTitle, tMMenuLabelDiary)

 public:
  tMMenuDiaryTitle();
};

// Opens the diary at the chapter shown. The position survives the menu being
// hidden while the page loads: the buttons over the page turn on from it.
class tMMenuDiarySelect : public tMMenuHrefDiary {
  VANDRELL_GUI_HOOKS(tMMenuDiarySelect, tMMenuHrefDiary)

 public:
  tMMenuDiarySelect();
  void _shown() override;
  void _action() override;
};

class tMMenuDiaryTurn : public tMMenuHrefDiary {
  VANDRELL_GUI_HOOKS(tMMenuDiaryTurn, tMMenuHrefDiary)

 public:
  tMMenuDiaryTurn(int32_t step, const char* key, float h);
  void _shown() override;
  void _action() override;

 private:
  int32_t _step;
};

class tMMenuDiaryBack : public tMMenuDiaryTurn {
  VANDRELL_GUI_HOOKS(tMMenuDiaryBack, tMMenuDiaryTurn)

 public:
  tMMenuDiaryBack() : tMMenuDiaryTurn(-1, "back", 250) {}
};

class tMMenuDiaryNext : public tMMenuDiaryTurn {
  VANDRELL_GUI_HOOKS(tMMenuDiaryNext, tMMenuDiaryTurn)

 public:
  tMMenuDiaryNext() : tMMenuDiaryTurn(1, "next", 550) {}
};

class tMMenuDiaryClose : public tMMenuHrefDiary {
  VANDRELL_GUI_HOOKS(tMMenuDiaryClose, tMMenuHrefDiary)

 public:
  tMMenuDiaryClose();
  void _action() override;
};

// Back to the main menu; Escape is taken and does nothing, so it cannot open
// the quit page over a diary page.
class tMMenuDiarypageClose : public tMMenuHrefDiarypage {
  VANDRELL_GUI_HOOKS(tMMenuDiarypageClose, tMMenuHrefDiarypage)

 public:
  tMMenuDiarypageClose();
  void _action() override;
};

// Loads the diary page of the chapter before (step -1) or after (1).
class tMMenuDiarypageTurn : public tMMenuHrefDiarypage {
  VANDRELL_GUI_HOOKS(tMMenuDiarypageTurn, tMMenuHrefDiarypage)

 public:
  tMMenuDiarypageTurn(int32_t step, const char* key, float h);
  void _shown() override;
  void _action() override;

 private:
  int32_t _step;
};

class tMMenuDiarypageBack : public tMMenuDiarypageTurn {
  VANDRELL_GUI_HOOKS(tMMenuDiarypageBack, tMMenuDiarypageTurn)

 public:
  tMMenuDiarypageBack() : tMMenuDiarypageTurn(-1, "back", 300) {}
};

class tMMenuDiarypageNext : public tMMenuDiarypageTurn {
  VANDRELL_GUI_HOOKS(tMMenuDiarypageNext, tMMenuDiarypageTurn)

 public:
  tMMenuDiarypageNext() : tMMenuDiarypageTurn(1, "next", 500) {}
};

}  // namespace vandrell

// The link page: the address of more games, over the menu level's plaque.
#pragma once

#include "menus/mmenu_widget.h"

namespace vandrell {

// Sits on the menu level's pic "__zeburl" (the middle of the screen when the
// level has none); a click opens the address in the browser and makes room
// for it by minimising the game.
class tMMenuZebUrl : public tMMenuHrefZeb {
  VANDRELL_GUI_HOOKS(tMMenuZebUrl, tMMenuHrefZeb)

 public:
  tMMenuZebUrl();
  void _shown() override;
  void _action() override;
};

class tMMenuZebClose : public tMMenuHrefZeb {
  VANDRELL_GUI_HOOKS(tMMenuZebClose, tMMenuHrefZeb)

 public:
  tMMenuZebClose();
  void _action() override;
};

}  // namespace vandrell

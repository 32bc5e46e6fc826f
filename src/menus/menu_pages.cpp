#include "menus/menu_pages.h"

#include "menus/menu.h"

namespace vandrell {

tMenuClose::tMenuClose() : tMenuHrefMain(MMenuString("menu", "close"), 400, 270) {}

void tMenuClose::_action() { tMenu::Current().hide(); }

tMenuOptions::tMenuOptions() : tMenuHrefMain(MMenuString("menu", "options"), 400, 300) {}

void tMenuOptions::_action() { tMenu::Current().go<M_MENU_OPTIONS>(); }

tMenuQuit::tMenuQuit() : tMenuHrefMain(MMenuString("menu", "quit"), 400, 330) {}

void tMenuQuit::_action() { tMenu::Current().go<M_MENU_QUIT>(); }

tMenuQuitTitle::tMenuQuitTitle() : tMenuLabelQuit(MMenuString("menuQuit", "title"), 400, 280) {}

tMenuQuitYes::tMenuQuitYes() : tMenuHrefQuit(MMenuString("menuQuit", "yes"), 370, 320) { hotspot(1.0f, 0.5f); }

void tMenuQuitYes::_action() {
  tGuiObject::send(M_GAME_SAVE{});
  tGuiObject::send(M_GAME_MENU{});
}

tMenuQuitNo::tMenuQuitNo() : tMenuHrefQuit(MMenuString("menuQuit", "no"), 430, 320) {
  hotspot(0.0f, 0.5f);
  escape(KEY_CLICK);
}

void tMenuQuitNo::_action() { tMenu::Current().go<vandrell::M_MENU_MAIN>(); }

tMenuFailTitle::tMenuFailTitle() : tMenuLabelFail(MMenuString("menuFail", "title"), 400, 230, "3") {}

tMenuFailComment::tMenuFailComment() : tMenuTextFail(MMenuString("menuFail", "comment"), 400, 300) {}

tMenuFailYes::tMenuFailYes() : tMenuHrefFail(MMenuString("menuFail", "yes"), 370, 370) { hotspot(1.0f, 0.5f); }

void tMenuFailYes::_action() { tGuiObject::send(M_GAME_RESTARTLEVEL{}); }

tMenuFailNo::tMenuFailNo() : tMenuHrefFail(MMenuString("menuFail", "no"), 430, 370) { hotspot(0.0f, 0.5f); }

void tMenuFailNo::_action() { tGuiObject::send(M_GAME_MENU{}); }

}  // namespace vandrell

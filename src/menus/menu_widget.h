// The kinds of widget the in-game menu is made of: clickable and plain texts
// in the game's first font ("0" for switches and volume buttons) and wrapped
// notices in the second, each on the pages of the in-game menu.
#pragma once

#include <string>

#include "gui/app_messages.h"
#include "menus/page_widget.h"

namespace vandrell {

class tMenuHref : public tPageHref<M_MENU_NONE> {
  VANDRELL_GUI_HOOKS(tMenuHref, tPageHref<M_MENU_NONE>)

 public:
  tMenuHref(const std::string& text, float h, float v, const std::string& font = "1")
      : tPageHref(text, h, v, font) {}
};

class tMenuLabel : public tPageLabel<M_MENU_NONE> {
  VANDRELL_GUI_HOOKS(tMenuLabel, tPageLabel<M_MENU_NONE>)

 public:
  tMenuLabel(const std::string& text, float h, float v, const std::string& font = "1")
      : tPageLabel(text, h, v, font) {}
};

class tMenuText : public tPageText<M_MENU_NONE> {
  VANDRELL_GUI_HOOKS(tMenuText, tPageText<M_MENU_NONE>)

 public:
  tMenuText(const std::string& lines, float h, float v) : tPageText(lines, h, v, "2") {}
};

using tMenuHrefMain = tOnPages<tMenuHref, vandrell::M_MENU_MAIN>;
using tMenuHrefOptions = tOnPages<tMenuHref, M_MENU_OPTIONS>;
using tMenuLabelOptions = tOnPages<tMenuLabel, M_MENU_OPTIONS>;
using tMenuHrefQuit = tOnPages<tMenuHref, M_MENU_QUIT>;
using tMenuLabelQuit = tOnPages<tMenuLabel, M_MENU_QUIT>;
using tMenuHrefFail = tOnPages<tMenuHref, M_MENU_FAIL>;
using tMenuLabelFail = tOnPages<tMenuLabel, M_MENU_FAIL>;
using tMenuTextFail = tOnPages<tMenuText, M_MENU_FAIL>;
using tMenuHrefWindowed = tOnPages<tMenuHref, M_MENU_WINDOWED>;
using tMenuTextWindowed = tOnPages<tMenuText, M_MENU_WINDOWED>;
using tMenuHrefOrientation = tOnPages<tMenuHref, M_MENU_ORIENTATION>;
using tMenuTextOrientation = tOnPages<tMenuText, M_MENU_ORIENTATION>;

}  // namespace vandrell

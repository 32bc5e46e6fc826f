// The in-game menu's options page and its two notices: the main menu's, in
// the game's fonts and rows over the middle of the shade.
#pragma once

#include "menus/menu.h"
#include "menus/menu_widget.h"
#include "menus/options_page.h"

namespace vandrell {

struct tMenuFamily {
  using tHrefOptions = tMenuHrefOptions;
  using tLabelOptions = tMenuLabelOptions;
  using tHrefWindowed = tMenuHrefWindowed;
  using tTextWindowed = tMenuTextWindowed;
  using tHrefOrientation = tMenuHrefOrientation;
  using tTextOrientation = tMenuTextOrientation;
  using MAIN = vandrell::M_MENU_MAIN;
  using OPTIONS = M_MENU_OPTIONS;
  using WINDOWED = M_MENU_WINDOWED;
  using ORIENTATION = M_MENU_ORIENTATION;
  static constexpr const char* SMALL = "0";
  static constexpr const char* LABEL = "1";
  static constexpr tOptionsLayout LAYOUT{210, 245, 275, 305, 325, 345, 365, 400, 300, 330};

  template <class Page>
  static void go() {
    tMenu::Current().go<Page>();
  }
  template <class Page>
  static void refresh() {
    tMenu::Current().refresh<Page>();
  }
};

using tMenuOptionsTitle = tOptionsTitle<tMenuFamily>;
using tMenuOptionsFullscreen = tOptionsFullscreen<tMenuFamily>;
using tMenuOptionsFullscreenSwitch = tOptionsFullscreenSwitch<tMenuFamily>;
using tMenuOptionsPointer = tOptionsPointer<tMenuFamily>;
using tMenuOptionsPointerSwitch = tOptionsPointerSwitch<tMenuFamily>;
using tMenuOptionsMusic = tOptionsMusic<tMenuFamily>;
using tMenuOptionsMusicVolume = tOptionsMusicVolume<tMenuFamily>;
using tMenuOptionsMusicMinus = tOptionsMusicMinus<tMenuFamily>;
using tMenuOptionsMusicPlus = tOptionsMusicPlus<tMenuFamily>;
using tMenuOptionsSound = tOptionsSound<tMenuFamily>;
using tMenuOptionsSoundVolume = tOptionsSoundVolume<tMenuFamily>;
using tMenuOptionsSoundMinus = tOptionsSoundMinus<tMenuFamily>;
using tMenuOptionsSoundPlus = tOptionsSoundPlus<tMenuFamily>;
using tMenuOptionsClose = tOptionsClose<tMenuFamily>;
using tMenuWindowedTitle = tOptionsWindowedTitle<tMenuFamily>;
using tMenuWindowedClose = tOptionsWindowedClose<tMenuFamily>;
using tMenuOrientationTitle = tOptionsOrientationTitle<tMenuFamily>;
using tMenuOrientationClose = tOptionsOrientationClose<tMenuFamily>;

}  // namespace vandrell

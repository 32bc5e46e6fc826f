// The main menu's options page and its two notices, in the main menu's fonts
// and rows over the lower half of the menu scene.
#pragma once

#include "menus/mmenu.h"
#include "menus/mmenu_widget.h"
#include "menus/options_page.h"

namespace vandrell {

struct tMMenuFamily {
  using tHrefOptions = tMMenuHrefOptions;
  using tLabelOptions = tMMenuLabelOptions;
  using tHrefWindowed = tMMenuHrefWindowed;
  using tTextWindowed = tMMenuTextWindowed;
  using tHrefOrientation = tMMenuHrefOrientation;
  using tTextOrientation = tMMenuTextOrientation;
  using MAIN = vandrell::M_MMENU_MAIN;
  using OPTIONS = M_MMENU_OPTIONS;
  using WINDOWED = M_MMENU_WINDOWED;
  using ORIENTATION = M_MMENU_ORIENTATION;
  static constexpr const char* SMALL = "0t";
  static constexpr const char* LABEL = "1t";
  static constexpr tOptionsLayout LAYOUT{380, 415, 445, 475, 495, 515, 535, 570, 470, 500};

  template <class Page>
  static void go() {
    tMMenu::Current().go<Page>();
  }
  template <class Page>
  static void refresh() {
    tMMenu::Current().refresh<Page>();
  }
};

using tMMenuOptionsTitle = tOptionsTitle<tMMenuFamily>;
using tMMenuOptionsFullscreen = tOptionsFullscreen<tMMenuFamily>;
using tMMenuOptionsFullscreenSwitch = tOptionsFullscreenSwitch<tMMenuFamily>;
using tMMenuOptionsPointer = tOptionsPointer<tMMenuFamily>;
using tMMenuOptionsPointerSwitch = tOptionsPointerSwitch<tMMenuFamily>;
using tMMenuOptionsMusic = tOptionsMusic<tMMenuFamily>;
using tMMenuOptionsMusicVolume = tOptionsMusicVolume<tMMenuFamily>;
using tMMenuOptionsMusicMinus = tOptionsMusicMinus<tMMenuFamily>;
using tMMenuOptionsMusicPlus = tOptionsMusicPlus<tMMenuFamily>;
using tMMenuOptionsSound = tOptionsSound<tMMenuFamily>;
using tMMenuOptionsSoundVolume = tOptionsSoundVolume<tMMenuFamily>;
using tMMenuOptionsSoundMinus = tOptionsSoundMinus<tMMenuFamily>;
using tMMenuOptionsSoundPlus = tOptionsSoundPlus<tMMenuFamily>;
using tMMenuOptionsClose = tOptionsClose<tMMenuFamily>;
using tMMenuWindowedTitle = tOptionsWindowedTitle<tMMenuFamily>;
using tMMenuWindowedClose = tOptionsWindowedClose<tMMenuFamily>;
using tMMenuOrientationTitle = tOptionsOrientationTitle<tMMenuFamily>;
using tMMenuOrientationClose = tOptionsOrientationClose<tMMenuFamily>;

}  // namespace vandrell

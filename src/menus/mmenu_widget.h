// The kinds of widget the main menu is made of: clickable texts, plain texts
// and wrapped text blocks in the menu's fonts ("0t" for switches and arrows,
// "1t" for buttons and labels, "2t" for comments and notices), each on the
// pages of the main menu.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/app_messages.h"
#include "gui/text_box.h"
#include "menus/page_widget.h"

namespace vandrell {

template <class Base>
using tMMenuWidget = tPageWidget<Base, M_MMENU_NONE>;
template <class Base, class... Pages>
using tMMenuOnPages = tOnPages<Base, Pages...>;

// A clickable text. Every click of button 1 also tells the menu level
// ("__click"); the selection buttons take button 2 as well.
class tMMenuHref : public tPageHref<M_MMENU_NONE> {
  VANDRELL_GUI_HOOKS(tMMenuHref, tPageHref<M_MMENU_NONE>)

 public:
  tMMenuHref(const std::string& text, float h, float v, const std::string& font = "1t");

 protected:
  void _clicked() override;
};

class tMMenuLabel : public tPageLabel<M_MMENU_NONE> {
  VANDRELL_GUI_HOOKS(tMMenuLabel, tPageLabel<M_MMENU_NONE>)

 public:
  tMMenuLabel(const std::string& text, float h, float v, const std::string& font = "1t")
      : tPageLabel(text, h, v, font) {}
};

class tMMenuText : public tPageText<M_MMENU_NONE> {
  VANDRELL_GUI_HOOKS(tMMenuText, tPageText<M_MMENU_NONE>)

 public:
  tMMenuText(const std::string& lines, float h, float v) : tPageText(lines, h, v, "2t") {}
};

using tMMenuHrefMain = tMMenuOnPages<tMMenuHref, M_MMENU_MAIN>;
using tMMenuHrefOptions = tMMenuOnPages<tMMenuHref, M_MMENU_OPTIONS>;
using tMMenuLabelOptions = tMMenuOnPages<tMMenuLabel, M_MMENU_OPTIONS>;
using tMMenuHrefQuit = tMMenuOnPages<tMMenuHref, M_MMENU_QUIT>;
using tMMenuLabelQuit = tMMenuOnPages<tMMenuLabel, M_MMENU_QUIT>;
using tMMenuHrefProfile = tMMenuOnPages<tMMenuHref, M_MMENU_MAIN, M_MMENU_OPTIONS>;
using tMMenuLabelProfile = tMMenuOnPages<tMMenuLabel, M_MMENU_MAIN, M_MMENU_OPTIONS>;
using tMMenuHrefSelect = tMMenuOnPages<tMMenuHref, M_MMENU_SELECT>;
using tMMenuLabelSelect = tMMenuOnPages<tMMenuLabel, M_MMENU_SELECT>;
using tMMenuHrefRemove = tMMenuOnPages<tMMenuHref, M_MMENU_REMOVE>;
using tMMenuLabelRemove = tMMenuOnPages<tMMenuLabel, M_MMENU_REMOVE>;
using tMMenuHrefCreate = tMMenuOnPages<tMMenuHref, M_MMENU_CREATE>;
using tMMenuLabelCreate = tMMenuOnPages<tMMenuLabel, M_MMENU_CREATE>;
using tMMenuTextCreate = tMMenuOnPages<tMMenuText, M_MMENU_CREATE>;
using tMMenuHrefLevel = tMMenuOnPages<tMMenuHref, M_MMENU_LEVEL>;
using tMMenuLabelLevel = tMMenuOnPages<tMMenuLabel, M_MMENU_LEVEL>;
using tMMenuHrefDiary = tMMenuOnPages<tMMenuHref, M_MMENU_DIARY>;
using tMMenuLabelDiary = tMMenuOnPages<tMMenuLabel, M_MMENU_DIARY>;
using tMMenuHrefDiarypage = tMMenuOnPages<tMMenuHref, M_MMENU_DIARYPAGE>;
using tMMenuHrefZeb = tMMenuOnPages<tMMenuHref, M_MMENU_ZEB>;
using tMMenuHrefWindowed = tMMenuOnPages<tMMenuHref, M_MMENU_WINDOWED>;
using tMMenuTextWindowed = tMMenuOnPages<tMMenuText, M_MMENU_WINDOWED>;
using tMMenuHrefOrientation = tMMenuOnPages<tMMenuHref, M_MMENU_ORIENTATION>;
using tMMenuTextOrientation = tMMenuOnPages<tMMenuText, M_MMENU_ORIENTATION>;

}  // namespace vandrell

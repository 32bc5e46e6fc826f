// The kinds of widget the main menu is made of: clickable texts, plain texts
// and wrapped text blocks in the menu's fonts. Every widget belongs to pages
// of the menu: it shows itself when one of its pages is announced and hides
// when the menu announces M_MMENU_NONE, so a page change is two messages to
// the menu and no widget keeps a list of the others.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/app_messages.h"
#include "gui/link.h"
#include "gui/text_box.h"

namespace vandrell {

// The localized text (section, key) of the strings file.
std::string MMenuString(const std::string& section, const std::string& key);
// The menu's fonts, by folder: "0t" (switches and arrows), "1t" (buttons and
// labels), "2t" (comments and notices).
tLetterPtr MMenuFont(const std::string& name);

// What hides every main menu widget and what each page's widgets do when their
// page is announced.
template <class Base>
class tMMenuWidget : public Base {
  VANDRELL_GUI_TEMPLATE_HOOKS(tMMenuWidget, Base, &tMMenuWidget::M_MMENU_NONE)

 public:
  // Hidden until its page is announced.
  tMMenuWidget() { this->visible(0); }

  virtual int32_t M_MMENU_NONE(vandrell::M_MMENU_NONE&) {
    this->visible(0);
    return 0;
  }
  // Runs each time one of the widget's pages is announced, after the widget
  // showed itself: it re-reads what it displays (names, settings, progress).
  virtual void _shown() {}

 protected:
  // Font, text and centre; the font's surfaces use the renderer's default
  // image flags, so they are smoothed when the screen is stretched.
  void place(const std::string& font, const std::string& text, float h, float v) {
    this->letter(MMenuFont(font), -1);
    this->value(text);
    this->hotspot(0.5f, 0.5f);
    this->move(h, v, 0);
  }
};

// A clickable text. Every click shouts and tells the menu level ("__click");
// button 1 then runs the button's action.
class tMMenuHref : public tMMenuWidget<tGuiHref> {
  VANDRELL_GUI_HOOKS(tMMenuHref, tMMenuWidget<tGuiHref>, &tMMenuHref::GUIMSG_KEYDOWN)

 public:
  // What Escape or Enter does to the shown button: nothing; taking the key so
  // nothing else acts on it; or taking it and clicking with button 1.
  enum tKeyRole { KEY_NONE, KEY_TAKE, KEY_CLICK };

  tMMenuHref(const std::string& text, float h, float v, const std::string& font = "1t");

  virtual int32_t GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg);
  void treat(const std::shared_ptr<tGuiHoverable>& previous) override;
  void click(int32_t button) override;
  // Button 1 runs _action(); the selection buttons also take button 2.
  virtual void _click(int32_t button);
  virtual void _action() {}

 protected:
  void escape(tKeyRole role) { _escape = role; }
  void enter(tKeyRole role) { _enter = role; }

  tKeyRole _escape = KEY_NONE;
  tKeyRole _enter = KEY_NONE;
};

class tMMenuLabel : public tMMenuWidget<tGuiLabel> {
  VANDRELL_GUI_HOOKS(tMMenuLabel, tMMenuWidget<tGuiLabel>)

 public:
  tMMenuLabel(const std::string& text, float h, float v, const std::string& font = "1t");
};

// A block 400 units wide, centred line by line, split into paragraphs at "\n".
class tMMenuText : public tMMenuWidget<tGuiText> {
  VANDRELL_GUI_HOOKS(tMMenuText, tMMenuWidget<tGuiText>)

 public:
  tMMenuText(const std::string& lines, float h, float v);
};

// A widget of the pages `Pages`: it shows itself when one is announced.
template <class Base, class... Pages>
class tMMenuOnPages : public Base {
  VANDRELL_GUI_TEMPLATE_HOOKS(tMMenuOnPages, Base, &tMMenuOnPages::template page<Pages>...)

 public:
  using Base::Base;

  template <class Page>
  int32_t page(Page&) {
    this->visible(1);
    this->_shown();
    return 0;
  }
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

// What the widgets of both menus share. A menu is a family of pages: every
// widget belongs to pages of its menu, shows itself when one of them is
// announced and hides when the menu announces the family's `None` message,
// so a page change is two messages to the menu and no widget keeps a list
// of the others.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "audio/audio.h"
#include "gui/input_messages.h"
#include "gui/link.h"
#include "gui/object_set.h"
#include "gui/text_box.h"
#include "resources/letter.h"

namespace vandrell {

// The localized text (section, key) of the strings file.
std::string MMenuString(const std::string& section, const std::string& key);
// The menus' fonts, by folder: "data/" + name + "/font".
tLetterPtr MMenuFont(const std::string& name);

// Inserts one new widget of each class into the menu, in order.
template <class... Widgets>
void InsertWidgets(tGuiSet& menu) {
  (menu.insert(std::make_shared<Widgets>()), ...);
}

template <class Base, class None>
class tPageWidget : public Base {
  VANDRELL_GUI_TEMPLATE_HOOKS(tPageWidget, Base, &tPageWidget::none)

 public:
  // Hidden until its page is announced.
  tPageWidget() { this->visible(0); }

  // Every widget of the menu hides.
  virtual int32_t none(None&) {
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

// A widget of the pages `Pages`: it shows itself when one is announced.
template <class Base, class... Pages>
class tOnPages : public Base {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOnPages, Base, &tOnPages::template page<Pages>...)

 public:
  using Base::Base;

  template <class Page>
  int32_t page(Page&) {
    this->visible(1);
    this->_shown();
    return 0;
  }
};

template <class None>
class tPageLabel : public tPageWidget<tGuiLabel, None> {
  using tBase = tPageWidget<tGuiLabel, None>;
  VANDRELL_GUI_TEMPLATE_HOOKS(tPageLabel, tBase)

 public:
  tPageLabel(const std::string& text, float h, float v, const std::string& font) { this->place(font, text, h, v); }
};

// A block 400 units wide, centred line by line, split into paragraphs at
// "\n".
template <class None>
class tPageText : public tPageWidget<tGuiText, None> {
  using tBase = tPageWidget<tGuiText, None>;
  VANDRELL_GUI_TEMPLATE_HOOKS(tPageText, tBase)

 public:
  static constexpr float WIDTH = 400.0f;
  static constexpr int32_t ALIGN_CENTRE = 2;

  tPageText(const std::string& lines, float h, float v, const std::string& font) {
    this->place(font, "", h, v);
    this->resize(WIDTH, 0.0f, 0);
    this->align(ALIGN_CENTRE);
    this->clearlines();
    this->string2lines(lines, "\\n");
  }
};

// A clickable text of a menu: it shouts when it takes the pointer and when
// button 1 clicks it, then runs its action. Escape and Enter may stand for
// a click.
template <class None>
class tPageHref : public tPageWidget<tGuiHref, None> {
  using tBase = tPageWidget<tGuiHref, None>;
  VANDRELL_GUI_TEMPLATE_HOOKS(tPageHref, tBase, &tPageHref::GUIMSG_KEYDOWN)

 public:
  static constexpr int32_t KEY_ESCAPE = 27;
  static constexpr int32_t KEY_ENTER = 13;
  // What Escape or Enter does to the shown button: nothing; taking the key so
  // nothing else acts on it; or taking it and clicking with button 1.
  enum tKeyRole { KEY_NONE, KEY_TAKE, KEY_CLICK };

  tPageHref(const std::string& text, float h, float v, const std::string& font) { this->place(font, text, h, v); }

  virtual int32_t GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg) {
    if (!this->isVisible() || msg.checkOut().has_value()) return 0;
    const tKeyRole role = msg.key() == KEY_ESCAPE ? _escape : msg.key() == KEY_ENTER ? _enter : KEY_NONE;
    if (role == KEY_NONE) return 0;
    msg.out(this->shared_from_this());
    // A greyed-out button takes its key but does not act, as it would not
    // for the mouse.
    if (role == KEY_CLICK && this->isEnable()) click(1);
    return 0;
  }
  void treat(const std::shared_ptr<tGuiHoverable>&) override { tAudio::Current().shout_treat(); }
  void click(int32_t button) override {
    if (button == 1) {
      _clicked();
      tAudio::Current().shout_click();
    }
    _click(button);
  }
  // Button 1 runs _action(); a button that takes others overrides this.
  virtual void _click(int32_t button) {
    if (button == 1) _action();
  }
  virtual void _action() {}

 protected:
  // What every click of button 1 on any button of the menu does first.
  virtual void _clicked() {}
  void escape(tKeyRole role) { _escape = role; }
  void enter(tKeyRole role) { _enter = role; }

  tKeyRole _escape = KEY_NONE;
  tKeyRole _enter = KEY_NONE;
};

}  // namespace vandrell

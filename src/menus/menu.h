// The in-game menu: over a campaign level, a shade fades in to black, and
// once it is opaque the level and its sounds pause and a column of buttons
// offers to go on, change the options or quit to the main menu. The same menu
// shows the failure page when a script ends the level as failed. Closing it
// resumes the level and the audio at once while the shade fades out. While
// it shows at all, the shade takes the pointer, so nothing of the level
// below can be hovered or clicked.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/app_messages.h"
#include "gui/gui_rect.h"
#include "gui/message.h"
#include "gui/message_filter.h"
#include "gui/object_set.h"

namespace vandrell {

// A page's name in the log line written whenever a page shows.
template <class Page>
inline constexpr const char* MENU_PAGE_NAME = nullptr;
template <>
inline constexpr const char* MENU_PAGE_NAME<vandrell::M_MENU_NONE> = "none";
template <>
inline constexpr const char* MENU_PAGE_NAME<vandrell::M_MENU_MAIN> = "main";
template <>
inline constexpr const char* MENU_PAGE_NAME<M_MENU_OPTIONS> = "options";
template <>
inline constexpr const char* MENU_PAGE_NAME<M_MENU_QUIT> = "quit";
template <>
inline constexpr const char* MENU_PAGE_NAME<M_MENU_FAIL> = "fail";
template <>
inline constexpr const char* MENU_PAGE_NAME<M_MENU_WINDOWED> = "windowed";
template <>
inline constexpr const char* MENU_PAGE_NAME<M_MENU_ORIENTATION> = "orientation";

// The full-screen shade, black at the menu's opacity.
class tMenuBg : public tGuiRect {
  VANDRELL_GUI_HOOKS(tMenuBg, tGuiRect)

 public:
  tMenuBg();
  // Takes the pointer while it shows at all.
  int32_t hovering(float x, float y) override;
};

class tMenu : public tGuiSet {
  VANDRELL_GUI_HOOKS(tMenu, tGuiSet, &tMenu::GUIMSG_UPDATE)

 public:
  // Opacity per second: a third of a second to black.
  static constexpr float _shadeSpeed = 3.0f;

  // Reads the strings and fonts: build it after start-up loaded them.
  // Starts hidden.
  tMenu();

  // The one in-game menu, made on first use; the game holds it in its set
  // through shared().
  static tMenu& Current();
  static const std::shared_ptr<tMenu>& shared();

  // Puts a held item down and fades in; the main page follows once the
  // shade is opaque.
  virtual void show();
  // The same with the failure page.
  virtual void showFail();
  // Releases the pauses at once and fades out.
  virtual void hide();
  virtual int32_t isShow() const;
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);

  // Hides the page shown and shows `Page`.
  template <class Page>
  void go() {
    static_assert(MENU_PAGE_NAME<Page> != nullptr, "every page has a name in the log");
    sendto(*this, vandrell::M_MENU_NONE{});
    logPage(MENU_PAGE_NAME<Page>);
    sendto(*this, Page{});
  }
  // Announces the page shown again, so its widgets re-read what they display.
  template <class Page>
  void refresh() {
    sendto(*this, Page{});
  }

  float shade() const { return _shade; }
  const std::shared_ptr<tMenuBg>& bg() const { return _bg; }

 protected:
  // The owner of the menu's pauses.
  tPauseOwner owner() const { return this; }
  template <class Page>
  void fadeTo() {
    fadeTo(std::make_unique<Page>(), MENU_PAGE_NAME<Page>);
  }
  void fadeTo(std::unique_ptr<tGuiMessage> page, const char* name);
  static void logPage(const char* name);

  std::shared_ptr<tGuiMessageFilter> _fEnable = std::make_shared<tGuiMessageFilter>();
  std::shared_ptr<tGuiMessageFilter> _fDisable = std::make_shared<tGuiMessageFilter>();
  std::shared_ptr<tMenuBg> _bg = std::make_shared<tMenuBg>();
  float _shade = 0.0f;
  float _shadeTo = 0.0f;
  // The page announced once the menu is opaque.
  std::unique_ptr<tGuiMessage> _showMessage;
  const char* _showName = nullptr;
};

}  // namespace vandrell

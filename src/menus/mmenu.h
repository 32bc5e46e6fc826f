// The main menu: the players' choices drawn over the menu level, which paints
// the background and reacts through its named commands. One page shows at a
// time; a page change announces M_MMENU_NONE and then the page to the menu
// alone. While the menu is hidden its widgets hear only the page messages, so
// they neither draw nor take input.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/app_messages.h"
#include "gui/input_messages.h"
#include "gui/message_filter.h"
#include "gui/object_set.h"

namespace vandrell {

// A page's name in the log line written at each page change, so a replayed
// session can be followed page by page.
template <class Page>
inline constexpr const char* MMENU_PAGE_NAME = nullptr;
template <>
inline constexpr const char* MMENU_PAGE_NAME<vandrell::M_MMENU_NONE> = "none";
template <>
inline constexpr const char* MMENU_PAGE_NAME<vandrell::M_MMENU_MAIN> = "main";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_OPTIONS> = "options";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_QUIT> = "quit";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_SELECT> = "select";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_CREATE> = "create";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_REMOVE> = "remove";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_LEVEL> = "level";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_DIARY> = "diary";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_DIARYPAGE> = "diarypage";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_ZEB> = "zeb";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_WINDOWED> = "windowed";
template <>
inline constexpr const char* MMENU_PAGE_NAME<M_MMENU_ORIENTATION> = "orientation";

class tMMenu : public tGuiSet {
  VANDRELL_GUI_HOOKS(tMMenu, tGuiSet, &tMMenu::GUIMSG_KEYDOWN, &tMMenu::M_MMENU_MAIN)

 public:
  // Reads the strings, the fonts and the campaign's chapters: build it after
  // start-up loaded them. Starts hidden.
  tMMenu();

  // The one main menu, made on first use; the game holds it in its set
  // through shared().
  static tMMenu& Current();
  static const std::shared_ptr<tMMenu>& shared();

  // The main page for a selected player, else the player selection.
  virtual void show();
  virtual void hide();
  // The buttons over a diary page; the game calls it once the page loaded.
  virtual void showDiary();
  virtual int32_t isShow() const { return _shown; }
  // Escape that no widget took opens the quit page.
  virtual int32_t GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg);
  // The chapter and diary positions start at the player's latest chapter.
  virtual int32_t M_MMENU_MAIN(vandrell::M_MMENU_MAIN& msg);

  // Hides the page shown and shows `Page`.
  template <class Page>
  void go() {
    static_assert(MMENU_PAGE_NAME<Page> != nullptr, "every page has a name in the log");
    sendto(*this, vandrell::M_MMENU_NONE{});
    logPage(MMENU_PAGE_NAME<Page>);
    sendto(*this, Page{});
  }
  // Announces the page shown again, so its widgets re-read what they display.
  template <class Page>
  void refresh() {
    sendto(*this, Page{});
  }
  // The selection page, or the main page when a player is selected.
  void goHome();

  // Whether the player has reached the chapter at that position: it begins at
  // or before their progress, or they finished the story.
  bool reached(int32_t position) const;
  // Whether turning `step` chapters from `position` leads to a chapter the
  // player may see; and where it leads, kept within the chapters.
  bool canTurn(int32_t position, int32_t step) const;
  int32_t turn(int32_t position, int32_t step) const;
  // The campaign's chapter title at that position, "" when there is none.
  std::string chapterTitle(int32_t position) const;
  int32_t chapterCount() const { return static_cast<int32_t>(chapters.size()); }

  // The campaign level indexes that open a chapter, ascending.
  std::vector<int32_t> chapters;
  // The positions in `chapters` chosen on the chapter and diary pages.
  int32_t nChapter = 0;
  int32_t nDiary = 0;

 protected:
  void runHoverPass();
  static void logPage(const char* name);

  std::shared_ptr<tGuiMessageFilter> _fEnable = std::make_shared<tGuiMessageFilter>();
  std::shared_ptr<tGuiMessageFilter> _fDisable = std::make_shared<tGuiMessageFilter>();
  int32_t _shown = 0;
};

}  // namespace vandrell

// Shared pieces of the in-game menu tests: the main menu tests' strings and
// profiles with the game's own fonts for the in-game menu, a stand-in for a
// running campaign level (a scene picture the pointer can rest on, a timer
// that runs only while nothing pauses the level, and the game requests it
// hears), and the menu tab below the menu in the root.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gui/pause_owners.h"
#include "menus/menu.h"
#include "menus/menu_cmd.h"
#include "menus/menu_options.h"
#include "menus/menu_pages.h"
#include "mmenu_test_support.h"
#include "scene/mission_property.h"
#include "scene/pic_visual.h"

namespace vandrell {

class tPlayLevelStandIn : public tGuiObject {
  VANDRELL_GUI_HOOKS(tPlayLevelStandIn, tGuiObject, &tPlayLevelStandIn::GUIMSG_UPDATE,
                     &tPlayLevelStandIn::M_LEVEL_PAUSE, &tPlayLevelStandIn::M_LEVEL_PAUSEOFF,
                     &tPlayLevelStandIn::M_GAME_SAVE, &tPlayLevelStandIn::M_GAME_MENU,
                     &tPlayLevelStandIn::M_GAME_RESTARTLEVEL, &tPlayLevelStandIn::M_LEVEL_FAIL)

 public:
  // A timed action of the level: it counts seconds while the level runs.
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
    if (!pauses.isPause()) clock += msg.delta();
    return 0;
  }
  virtual int32_t M_LEVEL_PAUSE(vandrell::M_LEVEL_PAUSE& msg) {
    pauses.pause(true, msg.input());
    ++pausesTaken;
    return 0;
  }
  virtual int32_t M_LEVEL_PAUSEOFF(vandrell::M_LEVEL_PAUSEOFF& msg) {
    pauses.pause(false, msg.input());
    return 0;
  }
  virtual int32_t M_GAME_SAVE(vandrell::M_GAME_SAVE&) { return note("M_GAME_SAVE"); }
  virtual int32_t M_GAME_MENU(vandrell::M_GAME_MENU&) { return note("M_GAME_MENU"); }
  virtual int32_t M_GAME_RESTARTLEVEL(vandrell::M_GAME_RESTARTLEVEL&) { return note("M_GAME_RESTARTLEVEL"); }
  virtual int32_t M_LEVEL_FAIL(vandrell::M_LEVEL_FAIL&) { return note("M_LEVEL_FAIL"); }

  std::vector<std::string> take() { return std::exchange(heard, {}); }

  tPauseOwners pauses;
  int pausesTaken = 0;
  float clock = 0.0f;
  std::vector<std::string> heard;

 private:
  int32_t note(const std::string& what) {
    heard.push_back(what);
    return 0;
  }
};

class InGameMenuTest : public MMenuTest {
 protected:
  InGameMenuTest() {
    const std::string data = std::string(VANDRELL_TEST_DATA) + "/menus/";
    for (const char* font : {"0", "1", "2", "3"}) {
      std::filesystem::copy(data + "fonts/" + font, content.file("media/data/") + font);
    }
    for (const char* picture : {"menu_bg", "menu_bg2", "menu_border"}) {
      std::filesystem::copy_file(data + picture + ".png", content.file("media/data/") + picture + ".png");
    }
    scenePic->keepHover(1);
    scenePic->keepTreat(1);
    scenePic->move(300, 300, 0);
    scenePic->resize(200, 100, 0);
    tGui::Current().insert(play);
    tGui::Current().insert(scenePic);
    cmdScope.emplace(std::make_shared<tMenuCmd>());
    ingameScope.emplace(std::make_shared<tMenu>());
    tGui::Current().insert(tMenuCmd::shared());
    tGui::Current().insert(tMenu::shared());
    tMenuCmd::Current().show();
  }

  static tMenu& ingame() { return tMenu::Current(); }
  static tMenuCmd& tab() { return tMenuCmd::Current(); }

  template <class Widget>
  static std::shared_ptr<Widget> item() {
    for (const auto& member : ingame().order()) {
      if (auto found = std::dynamic_pointer_cast<Widget>(member)) return found;
    }
    ADD_FAILURE() << "the in-game menu has no " << typeid(Widget).name();
    return nullptr;
  }
  template <class Widget>
  static bool showing() {
    return item<Widget>()->isVisible() != 0;
  }
  // The pages whose widgets are visible, joined with "+"; "" for none.
  static std::string shownPage() {
    std::string pages;
    const auto add = [&pages](bool shown, const char* name) {
      if (shown) pages += (pages.empty() ? "" : "+") + std::string(name);
    };
    add(showing<tMenuClose>(), "main");
    add(showing<tMenuOptionsTitle>(), "options");
    add(showing<tMenuQuitTitle>(), "quit");
    add(showing<tMenuFailTitle>(), "fail");
    add(showing<tMenuWindowedTitle>(), "windowed");
    add(showing<tMenuOrientationTitle>(), "orientation");
    return pages;
  }
  template <class Widget>
  static void press() {
    click(*item<Widget>());
  }
  static void clickTab() {
    movePointer(770, 15);
    hoverPass();
    post(EVENT_MOUSEDOWN, 1);
    post(EVENT_MOUSEUP, 1);
  }
  static void frame(float seconds) {
    tGui::Current().update(seconds);
    hoverPass();
  }
  // Long enough for the shade to reach either end.
  static void settle() {
    for (int frames = 0; frames < 5; ++frames) frame(0.1f);
  }

  std::shared_ptr<tPlayLevelStandIn> play = std::make_shared<tPlayLevelStandIn>();
  std::shared_ptr<tPicImageVisual> scenePic = std::make_shared<tPicImageVisual>();
  tCurrentScope<tMissionProperty> property{std::make_shared<tMissionProperty>()};
  std::optional<tCurrentScope<tMenuCmd>> cmdScope;
  std::optional<tCurrentScope<tMenu>> ingameScope;
};

}  // namespace vandrell

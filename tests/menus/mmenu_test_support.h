// Shared pieces of the main menu tests: the game's real strings, chapters and
// menu fonts in a scratch data folder, a fresh profiles object over a scratch
// per-user folder, settings whose application services are written down, a
// stand-in for the menu level that writes down what the menu asks of it, and
// the menu itself in the GUI root, driven with mouse and key events.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "core/settings.h"
#include "gui/gui_test_support.h"
#include "gui/visual_test_support.h"
#include "menus/mmenu.h"
#include "menus/mmenu_chapters.h"
#include "menus/mmenu_link.h"
#include "menus/mmenu_main.h"
#include "menus/mmenu_options.h"
#include "menus/mmenu_players.h"
#include "platform/process_wide.h"
#include "resources/campaign.h"
#include "resources/media_lookup.h"
#include "resources/profile.h"
#include "resources/strings.h"
#include "scene/pic.h"
#include "support/temp_dir.h"

namespace vandrell {

// The application services, counted; the display offers `modes`.
class tSettingsStandIn : public tSettings {
 public:
  void graphicsSetup() override { ++setups; }
  void saveConfig() override { ++saves; }
  void minimize() override { ++minimizes; }
  int32_t graphicsDepth(int32_t width, int32_t height) override {
    return tSettings::graphicsDepth(modes, width, height);
  }

  std::vector<TGraphicsMode> modes;
  int setups = 0;
  int saves = 0;
  int minimizes = 0;
};

// A pic that stands where the level file put it.
class tPlacedPic : public tPic {
  VANDRELL_GUI_HOOKS(tPlacedPic, tPic)

 public:
  tPlacedPic(float x, float y) : _x(x), _y(y) {}
  float zeb_property_x() override { return _x; }
  float zeb_property_y() override { return _y; }

 private:
  float _x;
  float _y;
};

// What the menu level hears: the named calls except "__click" (counted
// apart), the game requests and the application's terminate notice.
class tMenuLevelStandIn : public tGuiObject {
  VANDRELL_GUI_HOOKS(tMenuLevelStandIn, tGuiObject, &tMenuLevelStandIn::M_COMMAND_NEXTCALL,
                     &tMenuLevelStandIn::M_GAME_EXTRA, &tMenuLevelStandIn::M_GAME_DIARY,
                     &tMenuLevelStandIn::M_GAME_MENU, &tMenuLevelStandIn::M_APP_TERMINATE,
                     &tMenuLevelStandIn::M_PIC_FIND)

 public:
  virtual int32_t M_COMMAND_NEXTCALL(vandrell::M_COMMAND_NEXTCALL& msg) {
    if (msg.input() == "__click") {
      ++clicks;
    } else {
      heard.push_back(msg.input());
    }
    return 0;
  }
  virtual int32_t M_GAME_EXTRA(vandrell::M_GAME_EXTRA&) { return note("M_GAME_EXTRA"); }
  virtual int32_t M_GAME_DIARY(vandrell::M_GAME_DIARY& msg) {
    return note("M_GAME_DIARY " + std::to_string(msg.page()));
  }
  virtual int32_t M_GAME_MENU(vandrell::M_GAME_MENU&) { return note("M_GAME_MENU"); }
  virtual int32_t M_APP_TERMINATE(vandrell::M_APP_TERMINATE&) { return note("M_APP_TERMINATE"); }
  virtual int32_t M_PIC_FIND(vandrell::M_PIC_FIND& msg) {
    if (plaque && msg.input() == "__zeburl") msg.answer(plaque);
    return 0;
  }

  std::vector<std::string> take() { return std::exchange(heard, {}); }

  std::vector<std::string> heard;
  int clicks = 0;
  std::shared_ptr<tPic> plaque;

 private:
  int32_t note(const std::string& what) {
    heard.push_back(what);
    return 0;
  }
};

class MMenuTest : public GuiTest {
 protected:
  static std::string sourceFile(const std::string& path) {
    return std::string(VANDRELL_TEST_DATA) + "/../../" + path;
  }

  MMenuTest() {
    namespace fs = std::filesystem;
    fs::create_directories(content.file("media/data"));
    fs::create_directories(content.file("locations"));
    fs::copy_file(sourceFile("data/strings/en"), content.file("media/data/strings"));
    for (const char* font : {"0t", "1t", "2t"}) {
      fs::copy(std::string(VANDRELL_TEST_DATA) + "/menus/fonts/" + font, content.file("media/data/") + font);
    }
    strings.emplace(std::make_shared<tStrings>());
    tStrings::Current().loadStrings();
    tProfile::Current().loadProfile(user.path() + "/");
    tGui::Current().insert(level);
  }

  // The menu over the campaign file `campaign` (the game's own by default).
  tMMenu& build(const std::string& campaign = "") {
    namespace fs = std::filesystem;
    const std::string file = content.file("locations/campaign.cfg");
    fs::remove(file);
    if (campaign.empty()) {
      fs::copy_file(sourceFile("data/locations/campaign.cfg"), file);
    } else {
      std::FILE* out = std::fopen(file.c_str(), "wb");
      std::fputs(campaign.c_str(), out);
      std::fclose(out);
    }
    if (menuScope) tGui::Current().objects().removeObject(tMMenu::shared());
    menuScope.reset();
    campaignScope.reset();
    campaignScope.emplace(std::make_shared<tCampaign>());
    tCampaign::Current().loadCampaign("");
    menuScope.emplace(std::make_shared<tMMenu>());
    tGui::Current().insert(tMMenu::shared());
    return tMMenu::Current();
  }

  static tMMenu& menu() { return tMMenu::Current(); }
  static tProfile& profile() { return tProfile::Current(); }

  // The first widget of that class.
  template <class Widget>
  static std::shared_ptr<Widget> widget() {
    for (const auto& member : menu().order()) {
      if (auto found = std::dynamic_pointer_cast<Widget>(member)) return found;
    }
    ADD_FAILURE() << "the menu has no " << typeid(Widget).name();
    return nullptr;
  }
  template <class Widget>
  static bool shows() {
    return widget<Widget>()->isVisible() != 0;
  }

  // The pages whose widgets are visible, joined with "+"; "" for none.
  static std::string page() {
    std::string pages;
    const auto add = [&pages](bool shown, const char* name) {
      if (shown) pages += (pages.empty() ? "" : "+") + std::string(name);
    };
    add(shows<tMMenuDiary>(), "main");
    add(shows<tMMenuOptionsTitle>(), "options");
    add(shows<tMMenuQuitTitle>(), "quit");
    add(shows<tMMenuSelectTitle>(), "select");
    add(shows<tMMenuRemoveTitle>(), "remove");
    add(shows<tMMenuCreateTitle>(), "create");
    add(shows<tMMenuLevelTitle>(), "level");
    add(shows<tMMenuDiaryTitle>(), "diary");
    add(shows<tMMenuDiarypageClose>(), "diarypage");
    add(shows<tMMenuZebClose>(), "zeb");
    add(shows<tMMenuWindowedTitle>(), "windowed");
    add(shows<tMMenuOrientationTitle>(), "orientation");
    return pages;
  }

  static void hoverPass() {
    tGuiHoverCatcher::Current().update();
    tGuiTreatCatcher::Current().update();
  }
  // Points at the middle of the widget, as a player's mouse would, and
  // presses and releases `button` there.
  static void click(const tGuiRect& target, int32_t button = 1) {
    const tRect r = target.xrect();
    movePointer(static_cast<int32_t>(r.x + r.w / 2), static_cast<int32_t>(r.y + r.h / 2));
    hoverPass();
    post(EVENT_MOUSEDOWN, button);
    post(EVENT_MOUSEUP, button);
  }
  template <class Widget>
  static void click(int32_t button = 1) {
    click(*widget<Widget>(), button);
  }
  static void press(int32_t key) {
    post(EVENT_KEYDOWN, key);
    post(EVENT_KEYUP, key);
  }
  // Characters as the platform delivers typed text: code points.
  static void type(const std::u32string& text) {
    for (char32_t c : text) post(EVENT_KEYCHAR, static_cast<int32_t>(c));
  }

  // A player in `slot` with that progress (none when negative).
  static void addPlayer(int32_t slot, const std::string& name, int32_t progress = -1) {
    profile().user(slot);
    profile().createPlayer(name);
    if (progress >= 0) profile().progress(progress);
  }

  TempDir content;
  TempDir user;
  ScreenScope screen{1, 1, 0, 0};
  tCurrentScope<tFile> media{std::make_shared<tFile>(content.path() + "/")};
  std::shared_ptr<tSettingsStandIn> settings = std::make_shared<tSettingsStandIn>();
  tCurrentScope<tSettings> settingsScope{settings};
  tCurrentScope<tProfile> profiles{std::make_shared<tProfile>()};
  tCurrentScope<tAudio> audio{std::make_shared<tAudio>()};
  std::optional<tCurrentScope<tStrings>> strings;
  std::optional<tCurrentScope<tCampaign>> campaignScope;
  std::optional<tCurrentScope<tMMenu>> menuScope;
  std::shared_ptr<tMenuLevelStandIn> level = std::make_shared<tMenuLevelStandIn>();
};

}  // namespace vandrell

// Shared pieces of the panel, hint, magnifier and resist meter tests: a
// stand-in level that holds the HUD as the real level does and answers what
// the HUD asks of it, an audio manager that writes down its shouts, and a
// fixture with a 1:1 virtual screen, the script language, the game's strings
// and a media folder holding the game's HUD pictures and one font as fonts 0,
// 1 and 2.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "audio/audio.h"
#include "gui/app_messages.h"
#include "gui/gui_test_support.h"
#include "support/screen_scope.h"
#include "hud/journal.h"
#include "hud/level_wide.h"
#include "hud/panel.h"
#include "hud/play_hud.h"
#include "hud/resist.h"
#include "hud/resist_art.h"
#include "hud/txt.h"
#include "platform/event.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"
#include "resources/profile.h"
#include "resources/resource_manager.h"
#include "resources/strings.h"
#include "scene/message.h"
#include "scene/pic.h"
#include "script/zeb_script_scope.h"
#include "support/temp_dir.h"

namespace vandrell {

class tHudLevel : public tGuiSet {
  VANDRELL_GUI_HOOKS(tHudLevel, tGuiSet, &tHudLevel::M_MESSAGE_FIND, &tHudLevel::M_COMMAND_NEXTCALL,
                     &tHudLevel::M_SOS, &tHudLevel::M_TXT_ISSHOW, &tHudLevel::M_LOCATION_PAUSE,
                     &tHudLevel::M_LOCATION_PAUSEOFF)

 public:
  virtual int32_t M_MESSAGE_FIND(vandrell::M_MESSAGE_FIND& msg) {
    const auto found = messages.find(msg.input());
    if (found != messages.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_COMMAND_NEXTCALL(vandrell::M_COMMAND_NEXTCALL& msg) {
    commands.push_back(msg.input());
    return 0;
  }
  virtual int32_t M_SOS(vandrell::M_SOS& msg) {
    if (hintTarget) msg.answer(hintTarget);
    return 0;
  }
  virtual int32_t M_TXT_ISSHOW(vandrell::M_TXT_ISSHOW& msg) {
    if (shownText) msg.answer(shownText);
    return 0;
  }

  virtual int32_t M_LOCATION_PAUSE(vandrell::M_LOCATION_PAUSE& msg) {
    pausedBy = msg.input();
    return 0;
  }
  virtual int32_t M_LOCATION_PAUSEOFF(vandrell::M_LOCATION_PAUSEOFF& msg) {
    if (pausedBy == msg.input()) pausedBy = nullptr;
    return 0;
  }

  std::vector<std::string> takeCommands() { return std::exchange(commands, {}); }

  std::map<std::string, tMessagePtr> messages;
  std::vector<std::string> commands;
  // What the level would point a hint at, and the text it has on screen.
  std::shared_ptr<tPic> hintTarget;
  std::shared_ptr<tTxt> shownText;
  // Who holds the scene's locations (and so their timed commands) still.
  tPauseOwner pausedBy = nullptr;
};

class tShoutLog : public tAudio {
  VANDRELL_GUI_HOOKS(tShoutLog, tAudio)

 public:
  void shout(const std::string& name, float) override { shouts.push_back(name); }
  std::vector<std::string> take() { return std::exchange(shouts, {}); }

  std::vector<std::string> shouts;
};

// A player who kept `hints` hints from earlier levels.
class tHintProfile : public tProfile {
 public:
  explicit tHintProfile(int32_t hints) : _hints(hints) {}
  int32_t getSos() override { return _hints; }

 private:
  int32_t _hints;
};

// The pictures of the panel, its buttons, the magnifier and the meter.
inline const char* const HUD_PICTURES[] = {
    "panel_bg", "panel", "journal", "journal_hover", "sos", "sos_hover", "sos_bg", "zoom", "zoom_hover",
    "loupe", "resist", "resist_border", "resist_bar", "resist_colorbar"};

class PlayHudTest : public GuiTest {
 protected:
  // The HUD of a level whose player kept `hints` hints.
  explicit PlayHudTest(int32_t hints = 0) : profile(std::make_shared<tHintProfile>(hints)) {
    namespace fs = std::filesystem;
    const fs::path data = fs::path(folder.path()) / "media" / "data";
    const fs::path source(VANDRELL_TEST_DATA);
    for (const char* font : {"0", "1", "2"}) {
      fs::create_directories(data / font);
      fs::copy_file(source / "fonts" / "dejavu_sans_16", data / font / "font");
      fs::copy_file(source / "fonts" / "dejavu_sans_16.pixmap", data / font / "font.pixmap");
    }
    for (const char* picture : HUD_PICTURES) {
      fs::copy_file(source / "hud" / (std::string(picture) + ".png"), data / (std::string(picture) + ".png"));
    }
    fs::copy_file(source / ".." / ".." / "data" / "strings" / "en", data / "strings");
    strings.emplace(std::make_shared<tStrings>());
    tStrings::Current().loadStrings();
    art.emplace(tResistArt::Load());
    tGui::Current().insert(level);
    RenewPlayHud(*level, std::make_shared<tItemLayer>());
  }

  // One frame of `seconds`: the update, then the pointer passes.
  static void step(float seconds) {
    tGui::Current().update(seconds);
    tGuiHoverCatcher::Current().update();
    tGuiTreatCatcher::Current().update();
  }
  // `count` frames of `seconds` each.
  static void run(int count, float seconds) {
    for (int frame = 0; frame < count; ++frame) step(seconds);
  }
  // The pointer to design position (h, v), then a press of `button` there.
  static void press(int32_t button, int32_t h, int32_t v) {
    movePointer(h, v);
    step(0.0f);
    post(EVENT_MOUSEDOWN, button);
    post(EVENT_MOUSEUP, button);
  }
  // A page the level knows of, for the journal.
  void page(const std::string& id, const std::string& markup) { level->messages[id] = tMessage::Create(markup); }
  // The journal open on a page.
  void openJournal() {
    page("diary", "A page");
    tJournal::Current().addMessage("diary");
    tJournal::Current().show();
  }

  ScreenScope screen{1, 1, 0, 0};
  ZebScriptScope script;
  TempDir folder;
  tCurrentScope<tFile> media{std::make_shared<tFile>(folder.path() + "/")};
  tCurrentScope<tCacheResourceManager> cache{std::make_shared<tCacheResourceManager>()};
  std::shared_ptr<tHintProfile> profile;
  tCurrentScope<tProfile> profileScope{profile};
  std::shared_ptr<tShoutLog> audio = std::make_shared<tShoutLog>();
  tCurrentScope<tAudio> audioScope{audio};
  std::optional<tCurrentScope<tStrings>> strings;
  std::optional<tCurrentScope<tResistArt>> art;
  std::shared_ptr<tHudLevel> level = std::make_shared<tHudLevel>();
};

}  // namespace vandrell

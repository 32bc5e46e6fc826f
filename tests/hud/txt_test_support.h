// Shared pieces of the on-screen text tests: a stand-in for the running level
// (it owns the message table, starts no commands but writes their names down,
// and counts hide broadcasts), a text with its state open to the tests, and a
// fixture that adds a 1:1 virtual screen, the script language and a text
// layer to the fresh root of the GUI tests.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gui/gui_test_support.h"
#include "gui/visual_test_support.h"
#include "hud/txt.h"
#include "hud/txt_art.h"
#include "hud/txt_layer.h"
#include "platform/process_wide.h"
#include "scene/message.h"
#include "scene/pic_property.h"
#include "script/zeb_script_scope.h"
#include "support/block_font.h"

namespace vandrell {

class tLevelStandIn : public tGuiObject {
  VANDRELL_GUI_HOOKS(tLevelStandIn, tGuiObject, &tLevelStandIn::M_MESSAGE_FIND, &tLevelStandIn::M_COMMAND_START,
                     &tLevelStandIn::M_TXT_HIDE)

 public:
  virtual int32_t M_MESSAGE_FIND(vandrell::M_MESSAGE_FIND& msg) {
    const auto found = messages.find(msg.input());
    if (found != messages.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_COMMAND_START(vandrell::M_COMMAND_START& msg) {
    commands.push_back(msg.input());
    return 0;
  }
  virtual int32_t M_TXT_HIDE(vandrell::M_TXT_HIDE&) {
    ++hides;
    return 0;
  }

  std::map<std::string, tMessagePtr> messages;
  std::vector<std::string> commands;
  int hides = 0;
};

class tOpenTxt : public tTxt {
  VANDRELL_GUI_HOOKS(tOpenTxt, tTxt)

 public:
  float fade() const { return _fade; }
  float borderScale() const { return _borderScale; }
  float orientation() const { return _scale; }
  int32_t hasSurface() const { return _surface != nullptr; }
};

class TxtTest : public GuiTest {
 protected:
  TxtTest() {
    tGui::Current().insert(level);
    tGui::Current().insert(layer);
  }

  // A text of the layer showing line `line` of message `id`, resting at
  // (x0, y0), in the block font (letters a to f and the blank).
  std::shared_ptr<tOpenTxt> text(const std::string& name, const std::string& id, int32_t line, int32_t x0 = 300,
                                 int32_t y0 = 200) {
    auto txt = std::make_shared<tOpenTxt>();
    layer->insert(txt, name);
    txt->loadSrc(id);
    std::vector<std::string> params(27, "0");
    params[0] = std::to_string(x0);
    params[1] = std::to_string(y0);
    params[25] = std::to_string(line);
    txt->loadParams(params);
    txt->letter(WordFont(), 0);
    txt->refresh();
    return txt;
  }

  // One frame of `seconds`: the update, then the pointer passes.
  static void step(float seconds) {
    tGui::Current().update(seconds);
    tGuiHoverCatcher::Current().update();
    tGuiTreatCatcher::Current().update();
  }
  static void click() { post(EVENT_MOUSEDOWN, 1); }
  std::vector<std::string> takeCommands() { return std::exchange(level->commands, {}); }

  // The texts' pictures from now on.
  void useArt(std::shared_ptr<tTxtArt> pictures) {
    art.reset();
    art.emplace(std::move(pictures));
  }

  // One window pixel per design unit, with scene position (0, 0) at the
  // window's corner whatever the scene's origin offset.
  ScreenScope screen{1, 1, -static_cast<float>(tPicProperty::Current().offsetX()), -static_cast<float>(tPicProperty::Current().offsetY())};
  ZebScriptScope script;
  // No pictures unless a test draws with its own.
  std::optional<tCurrentScope<tTxtArt>> art{std::in_place, std::make_shared<tTxtArt>()};
  std::shared_ptr<tLevelStandIn> level = std::make_shared<tLevelStandIn>();
  std::shared_ptr<tTxtLayer> layer = std::make_shared<tTxtLayer>();
};

}  // namespace vandrell

// Shared pieces of the GUI tests: a fixture that leaves the process-wide root
// as it found it, and a probe object that writes down what reaches it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/gui.h"
#include "gui/hover_catchers.h"
#include "gui/input_messages.h"
#include "gui/key_catcher.h"
#include "gui/mouse_catcher.h"
#include "platform/event.h"
#include "platform/process_wide.h"

namespace vandrell {

// Messages that only the tests send.
VANDRELL_GUI_MESSAGE(TESTMSG_PING);
VANDRELL_GUI_MESSAGE(TESTMSG_PONG);

// Lines such as "a:PING" in the order deliveries happened.
using tTrace = std::vector<std::string>;

// Answers PING with its name and writes down PING, UPDATE and RENDER.
class tProbe : public tGuiObject {
  VANDRELL_GUI_HOOKS(tProbe, tGuiObject, &tProbe::TESTMSG_PING, &tProbe::GUIMSG_UPDATE, &tProbe::GUIMSG_RENDER)

 public:
  tProbe(std::string label, tTrace& trace) : label(std::move(label)), trace(trace) {}

  virtual int32_t TESTMSG_PING(vandrell::TESTMSG_PING& msg) {
    trace.push_back(label + ":PING");
    msg.out(label);
    return 0;
  }
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE&) {
    trace.push_back(label + ":UPDATE");
    return 0;
  }
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
    trace.push_back(label + ":RENDER");
    return 0;
  }

  const std::string label;
  tTrace& trace;
};

inline std::shared_ptr<tProbe> MakeProbe(const std::string& label, tTrace& trace) {
  return std::make_shared<tProbe>(label, trace);
}

// The answer of a broadcast as a string, or "" when nobody answered.
inline std::string AnswerText(const std::any& answer) {
  const auto* text = std::any_cast<std::string>(&answer);
  return text ? *text : "";
}

class GuiTest : public ::testing::Test {
 protected:
  // Every test gets a root of its own, with fresh catchers and input state.
  tCurrentScope<tGui> root{std::make_shared<tGui>()};

  static void post(int32_t id, int32_t data, int32_t x = 0, int32_t y = 0) {
    TEvent ev;
    ev.id = id;
    ev.data = data;
    ev.x = x;
    ev.y = y;
    tGui::Current().event(ev);
  }
  static void movePointer(int32_t x, int32_t y) { post(EVENT_MOUSEMOVE, 0, x, y); }
};

}  // namespace vandrell

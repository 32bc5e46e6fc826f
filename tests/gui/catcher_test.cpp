#include <gtest/gtest.h>

#include "core/screen.h"
#include "gui_test_support.h"

namespace vandrell {

namespace {

// Writes down every input message with its payload.
class tInputProbe : public tGuiObject {
  VANDRELL_GUI_HOOKS(tInputProbe, tGuiObject, &tInputProbe::GUIMSG_KEYUP, &tInputProbe::GUIMSG_KEYDOWN,
                     &tInputProbe::GUIMSG_KEYCHAR, &tInputProbe::GUIMSG_MOUSEUP, &tInputProbe::GUIMSG_MOUSEDOWN,
                     &tInputProbe::GUIMSG_MOUSEMOVE, &tInputProbe::GUIMSG_INSTALLCATCHER)

 public:
  explicit tInputProbe(tTrace& trace) : trace(trace) {}
  virtual int32_t GUIMSG_KEYUP(vandrell::GUIMSG_KEYUP& msg) { return note("KEYUP", msg.key()); }
  virtual int32_t GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg) { return note("KEYDOWN", msg.key()); }
  virtual int32_t GUIMSG_KEYCHAR(vandrell::GUIMSG_KEYCHAR& msg) { return note("KEYCHAR", msg.character()); }
  virtual int32_t GUIMSG_MOUSEUP(vandrell::GUIMSG_MOUSEUP& msg) { return note("MOUSEUP", msg.key()); }
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) { return note("MOUSEDOWN", msg.key()); }
  virtual int32_t GUIMSG_MOUSEMOVE(vandrell::GUIMSG_MOUSEMOVE& msg) {
    trace.push_back("MOUSEMOVE " + std::to_string(msg.x()) + " " + std::to_string(msg.y()) + " " +
                    std::to_string(msg.dx()) + " " + std::to_string(msg.dy()));
    return 0;
  }
  virtual int32_t GUIMSG_INSTALLCATCHER(vandrell::GUIMSG_INSTALLCATCHER&) { return note("INSTALLCATCHER", 0); }

  tTrace& trace;

 private:
  int32_t note(const std::string& what, int32_t value) {
    trace.push_back(what + " " + std::to_string(value));
    return 0;
  }
};

class CatcherTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    tGui::Current().insert(std::make_shared<tInputProbe>(trace));
  }

  tTrace trace;
};

}  // namespace

TEST_F(CatcherTest, KeyEventsBecomeKeyMessagesAndFillTheTable) {
  post(EVENT_KEYDOWN, 65);
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(65), 1);
  post(EVENT_KEYREPEAT, 65);
  post(EVENT_KEYCHAR, 'a');
  post(EVENT_KEYUP, 65);
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(65), 0);
  EXPECT_EQ(trace, (tTrace{"KEYDOWN 65", "KEYCHAR 97", "KEYUP 65"}));
}

TEST_F(CatcherTest, ModifiersAreHeldWhileEitherKeyOfThePairIs) {
  struct tPair {
    int32_t left, right;
    int32_t (tGuiKeyCatcher::*held)() const;
  };
  const tPair pairs[] = {{160, 161, &tGuiKeyCatcher::shiftPressed},
                         {162, 163, &tGuiKeyCatcher::ctrlPressed},
                         {164, 165, &tGuiKeyCatcher::altPressed},
                         {91, 92, &tGuiKeyCatcher::sysPressed}};
  tGuiKeyCatcher& keys = tGuiKeyCatcher::Current();
  for (const tPair& pair : pairs) {
    SCOPED_TRACE(pair.left);
    EXPECT_EQ((keys.*pair.held)(), 0);
    post(EVENT_KEYDOWN, pair.left);
    post(EVENT_KEYDOWN, pair.right);
    post(EVENT_KEYUP, pair.left);
    EXPECT_EQ((keys.*pair.held)(), 1);
    post(EVENT_KEYUP, pair.right);
    EXPECT_EQ((keys.*pair.held)(), 0);
  }
  post(EVENT_KEYDOWN, 160);
  EXPECT_EQ(keys.ctrlPressed() + keys.altPressed() + keys.sysPressed(), 0);
}

TEST_F(CatcherTest, ResumingOrFlushingForgetsHeldKeys) {
  post(EVENT_KEYDOWN, 65);
  post(EVENT_KEYDOWN, 161);
  post(EVENT_APPSUSPEND, 0);
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(65), 1);
  post(EVENT_APPRESUME, 0);
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(65), 0);
  EXPECT_EQ(tGuiKeyCatcher::Current().shiftPressed(), 0);

  post(EVENT_KEYDOWN, 66);
  tGuiObject::send(GUIMSG_FLUSHINPUT{});
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(66), 0);
}

TEST_F(CatcherTest, KeyCodesOutsideTheTableStillSendTheirMessages) {
  post(EVENT_KEYDOWN, 256);
  post(EVENT_KEYDOWN, -1);
  post(EVENT_KEYUP, 70000);
  EXPECT_EQ(trace, (tTrace{"KEYDOWN 256", "KEYDOWN -1", "KEYUP 70000"}));
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(256), 0);
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(-1), 0);
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(0), 0);
  EXPECT_EQ(tGuiKeyCatcher::Current().pressed(255), 0);
}

TEST_F(CatcherTest, MouseEventsBecomeMouseMessages) {
  movePointer(100, 50);
  trace.clear();
  movePointer(110, 40);
  post(EVENT_MOUSEDOWN, 1);
  post(EVENT_MOUSEUP, 2);
  post(EVENT_MOUSEWHEEL, 1, 500, 500);
  EXPECT_EQ(trace, (tTrace{"MOUSEMOVE 110 40 10 -10", "MOUSEDOWN 1", "MOUSEUP 2"}));
  // Only moves change the stored position.
  EXPECT_EQ(tGuiMouseCatcher::Current().x(), 110);
  EXPECT_EQ(tGuiMouseCatcher::Current().y(), 40);
}

TEST_F(CatcherTest, SpeedIsSampledPerUpdateAndKeptOverEmptyFrames) {
  tGuiMouseCatcher& mouse = tGuiMouseCatcher::Current();
  movePointer(100, 100);
  tGui::Current().update(1.0f);
  movePointer(130, 90);
  tGui::Current().update(0.5f);
  EXPECT_FLOAT_EQ(mouse.xspeed(), 60.0f);
  EXPECT_FLOAT_EQ(mouse.yspeed(), -20.0f);

  movePointer(200, 200);
  tGui::Current().update(0.0f);
  tGuiObject::send(GUIMSG_UPDATE{});  // no input: a delta of 0
  tGui::Current().update(-1.0f);
  EXPECT_FLOAT_EQ(mouse.xspeed(), 60.0f);
  EXPECT_FLOAT_EQ(mouse.yspeed(), -20.0f);

  // The next real frame measures from the last sample, not from the moves in between.
  tGui::Current().update(2.0f);
  EXPECT_FLOAT_EQ(mouse.xspeed(), 35.0f);
  EXPECT_FLOAT_EQ(mouse.yspeed(), 55.0f);
}

TEST_F(CatcherTest, DesignCoordinatesFollowTheCurrentScreen) {
  tScreen saved = tScreen::Current();
  tScreen::Create(2.0f, 4.0f, 10.0f, 20.0f)->Setup();
  tGuiMouseCatcher& mouse = tGuiMouseCatcher::Current();
  movePointer(10, 20);
  tGui::Current().update(1.0f);
  movePointer(30, 60);
  tGui::Current().update(1.0f);
  EXPECT_FLOAT_EQ(mouse.h(), 10.0f);
  EXPECT_FLOAT_EQ(mouse.v(), 10.0f);
  EXPECT_FLOAT_EQ(mouse.hspeed(), 10.0f);
  EXPECT_FLOAT_EQ(mouse.vspeed(), 10.0f);
  EXPECT_EQ(mouse.inside(10, 10, 0, 0), 1.0f);
  EXPECT_EQ(mouse.inside(0, 0, 10, 10), 1.0f);
  EXPECT_EQ(mouse.inside(0, 0, 9.9f, 10), 0.0f);
  EXPECT_EQ(mouse.inside(10.1f, 0, 10, 10), 0.0f);
  saved.Setup();
}

namespace {

class tRecordingCatcher : public tGuiCatcher {
 public:
  tRecordingCatcher(std::string label, tTrace& trace) : label(std::move(label)), trace(trace) {}

 protected:
  int32_t _event(const TEvent& ev) override {
    trace.push_back(label + ":event " + std::to_string(ev.id));
    return 0;
  }
  int32_t _message(tGuiMessage& msg) override {
    if (msg.type() == tGuiMessageType::of<TESTMSG_PING>()) trace.push_back(label + ":PING");
    if (msg.type() == tGuiMessageType::of<GUIMSG_INSTALLCATCHER>()) trace.push_back(label + ":INSTALL");
    return 0;
  }

 private:
  std::string label;
  tTrace& trace;
};

}  // namespace

TEST_F(CatcherTest, RootShowsEveryMessageToItsCatchersBeforeItsObjects) {
  tGui root;
  tGuiMessage::gui(&root);
  auto first = std::make_shared<tRecordingCatcher>("first", trace);
  auto second = std::make_shared<tRecordingCatcher>("second", trace);
  first->install();
  root.insert(std::make_shared<tInputProbe>(trace));
  root.insert(MakeProbe("object", trace));
  second->install();

  tGuiObject::send(TESTMSG_PING{});
  TEvent ev;
  ev.id = EVENT_APPSUSPEND;
  root.event(ev);

  // Installation is seen by nobody; the broadcast goes catchers first.
  EXPECT_EQ(trace, (tTrace{"first:PING", "second:PING", "object:PING", "first:event 257", "second:event 257"}));
}

}  // namespace vandrell

// Shared pieces of the scene tests: a scene world with a virtual screen of
// one window pixel per design unit, fresh pic and mission property objects
// and a media folder of its own; a stand-in for the level that finds pics by name and
// writes down what pics ask of it; parameter records as level files write
// them; and pics built in the level loader's order.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/app_messages.h"
#include "gui/gui.h"
#include "gui/gui_test_support.h"
#include "gui/hover_catchers.h"
#include "support/run_script.h"
#include "gui/visual_test_support.h"
#include "platform/filesystem.h"
#include "platform/pixmap.h"
#include "platform/png_codec.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"
#include "resources/resource_manager.h"
#include "scene/message.h"
#include "scene/mission_property.h"
#include "scene/pic.h"
#include "scene/pic_property.h"
#include "script/command.h"
#include "support/temp_dir.h"

namespace vandrell {

// What the running level does for pics, missions and items: lookups by name,
// and the requests and notices they send it, written down.
class tLevelStandIn : public tGuiObject {
  VANDRELL_GUI_HOOKS(tLevelStandIn, tGuiObject, &tLevelStandIn::M_PIC_FIND, &tLevelStandIn::M_PIC_CLICK,
                     &tLevelStandIn::M_PIC_EVAL, &tLevelStandIn::M_COMMAND_EVAL, &tLevelStandIn::M_PIC_OFFSET,
                     &tLevelStandIn::M_PIC_MUTABLE, &tLevelStandIn::M_MESSAGE_FIND,
                     &tLevelStandIn::M_COMMAND_PLAYCALL, &tLevelStandIn::M_MISSION_SENDCURSOR,
                     &tLevelStandIn::M_MISSION_CLEARCURSOR, &tLevelStandIn::M_MISSION_SENDCOUNTER,
                     &tLevelStandIn::M_MISSIONGROUP_CHECK, &tLevelStandIn::M_MISSION_MUTABLE)

 public:
  virtual int32_t M_PIC_FIND(vandrell::M_PIC_FIND& msg) {
    const auto found = pics.find(msg.input());
    if (found != pics.end()) msg.answer(found->second.lock());
    return 0;
  }
  virtual int32_t M_PIC_CLICK(vandrell::M_PIC_CLICK& msg) {
    clicks.push_back(msg.input());
    return 0;
  }
  virtual int32_t M_PIC_EVAL(vandrell::M_PIC_EVAL& msg) {
    evaluated.push_back(msg.input() ? msg.input()->id() : "");
    return 0;
  }
  virtual int32_t M_COMMAND_EVAL(vandrell::M_COMMAND_EVAL& msg) {
    commands.push_back(msg.input());
    return 0;
  }
  virtual int32_t M_PIC_OFFSET(vandrell::M_PIC_OFFSET& msg) {
    offsets.emplace_back(msg.dx(), msg.dy());
    return 0;
  }
  virtual int32_t M_PIC_MUTABLE(vandrell::M_PIC_MUTABLE&) {
    ++mutables;
    return 0;
  }
  virtual int32_t M_MESSAGE_FIND(vandrell::M_MESSAGE_FIND& msg) {
    const auto found = messages.find(msg.input());
    if (found != messages.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_COMMAND_PLAYCALL(vandrell::M_COMMAND_PLAYCALL& msg) { return note("playcall " + msg.input()); }
  virtual int32_t M_MISSION_SENDCURSOR(vandrell::M_MISSION_SENDCURSOR& msg) { return note("cursor", msg.input()); }
  virtual int32_t M_MISSION_CLEARCURSOR(vandrell::M_MISSION_CLEARCURSOR& msg) {
    return note("clearcursor", msg.input());
  }
  virtual int32_t M_MISSION_SENDCOUNTER(vandrell::M_MISSION_SENDCOUNTER& msg) {
    return note("counter", msg.input());
  }
  virtual int32_t M_MISSIONGROUP_CHECK(vandrell::M_MISSIONGROUP_CHECK&) { return note("groupcheck"); }
  virtual int32_t M_MISSION_MUTABLE(vandrell::M_MISSION_MUTABLE&) { return note("mutable"); }

  // What missions and items told the level since the last call, in order.
  std::vector<std::string> takeNotices() { return std::exchange(notices, {}); }

  std::map<std::string, std::weak_ptr<tPic>> pics;
  std::map<std::string, std::shared_ptr<tMessage>> messages;
  std::vector<std::string> notices;
  std::vector<std::string> clicks;
  std::vector<std::string> evaluated;
  std::vector<std::string> commands;
  std::vector<std::pair<int32_t, int32_t>> offsets;
  int mutables = 0;

 private:
  int32_t note(const std::string& what) {
    notices.push_back(what);
    return 0;
  }
  // "what id=counter" for a mission.
  int32_t note(const std::string& what, const std::shared_ptr<tMission>& mission) {
    return note(mission ? what + " " + mission->id() + "=" + std::to_string(mission->getCount()) : what + " null");
  }
};

// A visual that writes down "label:MESSAGE" for what reaches it.
class tTraceVisual : public tGuiObject {
  VANDRELL_GUI_HOOKS(tTraceVisual, tGuiObject, &tTraceVisual::GUIMSG_RENDER, &tTraceVisual::GUIMSG_UPDATE,
                     &tTraceVisual::GUIMSG_HOVER, &tTraceVisual::GUIMSG_TREAT, &tTraceVisual::GUIMSG_MOUSEDOWN,
                     &tTraceVisual::M_PIC_MUTABLE)

 public:
  tTraceVisual(std::string label, tTrace& trace) : _label(std::move(label)), _trace(trace) {}

  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) { return note("RENDER"); }
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE&) { return note("UPDATE"); }
  virtual int32_t GUIMSG_HOVER(vandrell::GUIMSG_HOVER&) { return note("HOVER"); }
  virtual int32_t GUIMSG_TREAT(vandrell::GUIMSG_TREAT&) { return note("TREAT"); }
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN&) { return note("MOUSEDOWN"); }
  virtual int32_t M_PIC_MUTABLE(vandrell::M_PIC_MUTABLE&) { return note("MUTABLE"); }

 private:
  int32_t note(const std::string& what) {
    _trace.push_back(_label + ":" + what);
    return 0;
  }

  std::string _label;
  tTrace& _trace;
};

// A pic drawn by a tracing visual in the pass `postdraw`.
class tTracePic : public tPic {
  VANDRELL_GUI_HOOKS(tTracePic, tPic)

 public:
  tTracePic(const std::string& label, tTrace& trace, int32_t postdraw) {
    _this = std::make_shared<tTraceVisual>(label, trace);
    _postdraw = postdraw;
  }
};

// The record of a visible, enabled, opaque, untinted picture at (x, y) at its
// natural size, drawn in the normal pass, with `changes` laid over it.
inline tPicParams Record(int32_t x, int32_t y, const std::map<size_t, std::string>& changes = {},
                         size_t size = 30) {
  tPicParams prms(size);
  std::map<size_t, std::string> fields = {{0, std::to_string(x)}, {1, std::to_string(y)}, {2, "1"}, {3, "1"},
                                          {6, "255"},            {7, "255"},            {8, "255"}, {9, "255"}};
  for (const auto& [index, value] : changes) fields[index] = value;
  for (const auto& [index, value] : fields) {
    if (index < size) prms[index] = value;
  }
  return prms;
}

class tSceneWorld {
 public:
  tSceneWorld() { tGui::Current().insert(level, "level"); }

  // A PNG of `width` x `height` pixels given row by row as 0xAARRGGBB, or
  // all of one colour, as media/`name`.
  void putImage(const std::string& name, int32_t width, int32_t height, const std::vector<uint32_t>& argb) const {
    TPixmapPtr pixmap = TPixmap::Create(width, height);
    for (int32_t i = 0; i < width * height; ++i) {
      const uint32_t pixel = argb.size() == 1 ? argb[0] : argb[static_cast<size_t>(i)];
      pixmap->WritePixel(i % width, i / width, static_cast<int32_t>(pixel));
    }
    ASSERT_TRUE(SavePixmapPNG(*pixmap, _media.file("media/" + name)));
  }

  // Built as the level loader builds a pic: name, source, candidate
  // positions (with the record's own position last), record, polygon; then
  // made available, as the level does once every pic is loaded.
  template <class Pic>
  std::shared_ptr<Pic> load(const std::string& name, const std::string& src, const tPicParams& prms,
                            std::vector<std::string> candidates = {}, tPolyPtr poly = nullptr) {
    auto pic = std::make_shared<Pic>();
    pic->loadId(name);
    pic->loadSrc(src, prms, resources);
    candidates.push_back(prms[0] + "," + prms[1]);
    pic->loadRnds(candidates);
    pic->loadParams(prms);
    pic->loadPoly(std::move(poly));
    pic->setupAvail();
    level->pics[name] = pic;
    return pic;
  }

  tCacheResourceManager resources;
  std::shared_ptr<tLevelStandIn> level = std::make_shared<tLevelStandIn>();

 private:
  TempDir _media;
  bool _folder = CreateDir(_media.file("media"));
  tCurrentScope<tFile> _files{std::make_shared<tFile>(_media.path() + "/")};
  ScreenScope _screen{1, 1, 0, 0};
  tCurrentScope<tPicProperty> _property{std::make_shared<tPicProperty>()};
  tCurrentScope<tMissionProperty> _missionProperty{std::make_shared<tMissionProperty>()};
};

// A scene in a GUI root of its own, stepped frame by frame.
class SceneTest : public GuiTest {
 protected:
  // One frame of the loop: the update, then the hover and treat passes.
  static void frame(float delta) {
    tGui::Current().update(delta);
    passes();
  }
  static void pointAt(int32_t x, int32_t y) {
    movePointer(x, y);
    passes();
  }
  static void passes() {
    tGuiHoverCatcher::Current().update();
    tGuiTreatCatcher::Current().update();
  }
  static void press(int32_t button) { post(EVENT_MOUSEDOWN, button); }

  tSceneWorld scene;
};

}  // namespace vandrell

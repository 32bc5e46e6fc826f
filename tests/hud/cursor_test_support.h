// Shared pieces of the cursor and universal button tests: a stand-in for the
// running level (it answers the cursor query for a hovered scene picture,
// owns a message table and writes down the commands played), the things a
// pointer can rest on (a link, a scene picture, an item of the bottom row,
// the universal button) and the cursor itself on top of the root.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/settings.h"
#include "gui/gui_test_support.h"
#include "gui/link.h"
#include "hud/cursor.h"
#include "hud/cursor_art.h"
#include "hud/unibutton.h"
#include "hud/unibutton_art.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"
#include "scene/item.h"
#include "scene/item_art.h"
#include "scene/message.h"
#include "scene/mission_property.h"
#include "scene/mission_test_support.h"
#include "scene/pic_property.h"
#include "scene/pic_visual.h"
#include "script/command.h"
#include "support/block_font.h"
#include "support/screen_scope.h"
#include "support/temp_dir.h"

namespace vandrell {

class tCursorLevelStandIn : public tGuiObject {
  VANDRELL_GUI_HOOKS(tCursorLevelStandIn, tGuiObject, &tCursorLevelStandIn::M_PIC_CURSOR,
                     &tCursorLevelStandIn::M_MESSAGE_FIND, &tCursorLevelStandIn::M_COMMAND_PLAYCALL)

 public:
  // As the level does: the cursor number of the hovered picture that asks
  // for one.
  virtual int32_t M_PIC_CURSOR(vandrell::M_PIC_CURSOR& msg) {
    if (pic && pic->isHover() && picCursor != 0) msg.answer({picCursor});
    return 0;
  }
  virtual int32_t M_MESSAGE_FIND(vandrell::M_MESSAGE_FIND& msg) {
    const auto found = messages.find(msg.input());
    if (found != messages.end()) msg.answer(found->second);
    return 0;
  }
  virtual int32_t M_COMMAND_PLAYCALL(vandrell::M_COMMAND_PLAYCALL& msg) {
    played.push_back(msg.input());
    return 0;
  }

  std::shared_ptr<tGuiHoverable> pic;
  int32_t picCursor = 0;
  std::map<std::string, tMessagePtr> messages;
  std::vector<std::string> played;
};

class CursorTest : public GuiTest {
 protected:
  CursorTest() {
    tGui::Current().insert(level);
    link->letter(WordFont(), 0);
    link->value("abc");
    link->move(100, 100, 0);
    tGui::Current().insert(link);
    pic->keepHover(1);
    pic->keepTreat(1);
    pic->move(300, 100, 0);
    pic->resize(100, 100, 0);
    tGui::Current().insert(pic);
    level->pic = pic;
    level->messages["key"] = tMessage::Create("Brass key");
    item->mission(world.item("key"));
    item->idmessage("key");
    tGui::Current().insert(item);
    tGui::Current().insert(cursorScope.shared);
  }

  // One frame of `seconds`: the update, the pointer passes and the render
  // pass in which the cursor picks its shape.
  static void frame(float seconds = 0.0f) {
    tGui::Current().update(seconds);
    tGuiHoverCatcher::Current().update();
    tGuiTreatCatcher::Current().update();
    tGui::Current().render();
  }
  static void pointAt(int32_t x, int32_t y) {
    movePointer(x, y);
    frame();
  }
  // The item slot rises into view.
  static void raiseItem() {
    for (int frames = 0; frames < 20; ++frames) frame(0.1f);
  }
  static tCursor& cursor() { return tCursor::Current(); }
  // Runs the script text as a command, as far as its first wait.
  static void runScript(const std::string& text) {
    auto command = tCommand::Parse(text);
    tGui::Current().insert(command);
    command->start();
    command->update(0.0f);
    command->free();
  }
  // Item slots of 64 x 64 units.
  static std::shared_ptr<tItemArt> cushions() {
    auto art = std::make_shared<tItemArt>();
    art->bg = TImage::Create(64, 64);
    art->hover = TImage::Create(64, 64);
    art->border = TImage::Create(84, 84);
    return art;
  }

  // A scope holding the object it put in place, for inserting it into the root.
  template <class T>
  struct tOwnedScope {
    std::shared_ptr<T> shared;
    tCurrentScope<T> scope{shared};
  };

  // The game's pictures of the cursor, the item slots and the universal
  // button, and the fonts of the comment box and the button, in a scratch
  // data folder.
  static bool copyArt(const TempDir& content) {
    namespace fs = std::filesystem;
    const std::string data = std::string(VANDRELL_TEST_DATA);
    fs::create_directories(content.file("media/data"));
    fs::copy(data + "/menus/fonts/1", content.file("media/data/1"));
    fs::copy(data + "/menus/fonts/2", content.file("media/data/2"));
    for (const char* name : {"cursor", "cursor_hover", "cursor_2", "cursor_attention", "unibutton", "unibutton_hover",
                             "unibutton_border"}) {
      fs::copy_file(data + "/hud/" + name + ".png", content.file("media/data/") + name + ".png");
    }
    for (const char* name : {"item", "item_hover", "item_border"}) {
      fs::copy_file(data + "/scene/" + name + ".png", content.file("media/data/") + name + ".png");
    }
    return true;
  }

  TempDir content;
  bool copied = copyArt(content);
  tCurrentScope<tFile> media{std::make_shared<tFile>(content.path() + "/")};
  ScreenScope screen{1, 1, 0, 0};
  std::shared_ptr<tSettings> settings = std::make_shared<tSettings>();
  tCurrentScope<tSettings> settingsScope{settings};
  tCurrentScope<tMissionProperty> property{std::make_shared<tMissionProperty>()};
  tCurrentScope<tPicProperty> picProperty{std::make_shared<tPicProperty>()};
  tCurrentScope<tItemArt> itemArt{cushions()};
  tMissionWorld world;
  std::shared_ptr<tCursorLevelStandIn> level = std::make_shared<tCursorLevelStandIn>();
  std::shared_ptr<tGuiHref> link = std::make_shared<tGuiHref>();
  std::shared_ptr<tPicImageVisual> pic = std::make_shared<tPicImageVisual>();
  std::shared_ptr<tItem> item = std::make_shared<tItem>();
  tOwnedScope<tCursor> cursorScope{std::make_shared<tCursor>()};
};

}  // namespace vandrell

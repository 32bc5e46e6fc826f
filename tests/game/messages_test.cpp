#include <gtest/gtest.h>

#include <string>

#include "game/messages.h"
#include "gui/gui.h"
#include "platform/process_wide.h"

namespace vandrell {

namespace {

// The level's lookups whose handlers are not named after their messages.
class tLevelLookups : public tGuiObject {
  VANDRELL_GUI_HOOKS(tLevelLookups, tGuiObject, &tLevelLookups::M_COMMANDGROUPS_FIND, &tLevelLookups::M_TXT_ISHOW,
                     &tLevelLookups::M_PIC_FIND)

 public:
  virtual int32_t M_COMMANDGROUPS_FIND(vandrell::M_COMMANDGROUP_FIND& msg) { return answer(msg, "group "); }
  virtual int32_t M_TXT_ISHOW(vandrell::M_TXT_ISSHOW& msg) {
    msg.out(std::string("shown text"));
    return 0;
  }
  virtual int32_t M_PIC_FIND(vandrell::M_PIC_FIND& msg) { return answer(msg, "pic "); }

 private:
  static int32_t answer(tGuiMessage& msg, const std::string& kind) {
    if (const auto* name = msg.inAs<std::string>()) msg.out(kind + *name);
    return 0;
  }
};

// A menu widget that shows itself on its page and hides on the family's NONE.
template <class None, class Page>
class tPageWidget : public tGuiObject {
  VANDRELL_GUI_HOOKS(tPageWidget, tGuiObject, &tPageWidget::none, &tPageWidget::page)

 public:
  virtual int32_t none(None&) {
    shown = false;
    return 0;
  }
  virtual int32_t page(Page&) {
    shown = true;
    return 0;
  }
  bool shown = false;
};

using tMainOptionsWidget = tPageWidget<M_MMENU_NONE, M_MMENU_OPTIONS>;

// The windowed-mode text of the main menu answers the windowed page through a
// handler named after the create page.
class tWindowedText : public tMainOptionsWidget {
  VANDRELL_GUI_HOOKS(tWindowedText, tMainOptionsWidget, &tWindowedText::M_MMENU_CREATE)

 public:
  virtual int32_t M_MMENU_CREATE(vandrell::M_MMENU_WINDOWED&) {
    refreshed = true;
    return 0;
  }
  bool refreshed = false;
};

std::string Text(const std::any& answer) {
  const auto* text = std::any_cast<std::string>(&answer);
  return text ? *text : "";
}

class GameMessagesTest : public ::testing::Test {
 protected:
  tCurrentScope<tGui> root{std::make_shared<tGui>()};
};

}  // namespace

TEST_F(GameMessagesTest, LookupsAnswerThroughTheOutputSlotAndHandlersNamedOtherwiseAreFound) {
  EXPECT_FALSE(tGuiObject::send(M_PIC_FIND{}, std::string("key")).has_value());  // no level
  tGui::Current().insert(std::make_shared<tLevelLookups>());
  EXPECT_EQ(Text(tGuiObject::send(M_PIC_FIND{}, std::string("key"))), "pic key");
  EXPECT_EQ(Text(tGuiObject::send(M_COMMANDGROUP_FIND{}, std::string("doors"))), "group doors");
  EXPECT_EQ(Text(tGuiObject::send(M_TXT_ISSHOW{})), "shown text");
  EXPECT_FALSE(tGuiObject::send(M_MISSION_FIND{}, std::string("key")).has_value());
}

TEST_F(GameMessagesTest, PageMessagesSentToOneMenuStayInIt) {
  auto mainMenu = std::make_shared<tGuiSet>();
  auto gameMenu = std::make_shared<tGuiSet>();
  auto mainOptions = std::make_shared<tMainOptionsWidget>();
  auto gameOptions = std::make_shared<tPageWidget<M_MENU_NONE, M_MENU_OPTIONS>>();
  auto windowed = std::make_shared<tWindowedText>();
  mainMenu->insert(mainOptions);
  mainMenu->insert(windowed);
  gameMenu->insert(gameOptions);
  tGui::Current().insert(mainMenu);
  tGui::Current().insert(gameMenu);

  tGuiObject::sendto(*mainMenu, M_MMENU_NONE{});
  tGuiObject::sendto(*mainMenu, M_MMENU_OPTIONS{});
  EXPECT_TRUE(mainOptions->shown && windowed->shown);
  EXPECT_FALSE(gameOptions->shown);

  tGuiObject::sendto(*gameMenu, M_MENU_OPTIONS{});
  tGuiObject::sendto(*gameMenu, M_MMENU_WINDOWED{});
  EXPECT_TRUE(gameOptions->shown);
  EXPECT_FALSE(windowed->refreshed);
  tGuiObject::sendto(*mainMenu, M_MMENU_WINDOWED{});
  EXPECT_TRUE(windowed->refreshed);

  tGuiObject::sendto(*mainMenu, M_MMENU_NONE{});
  EXPECT_FALSE(mainOptions->shown || windowed->shown);
  EXPECT_TRUE(gameOptions->shown);
}

}  // namespace vandrell

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gui/app_messages.h"
#include "gui/gui.h"
#include "platform/process_wide.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

// A set of particle pics, as a level's location would hand it out: a class of
// its own, answered where the vocabulary names the plain set.
class tParticleSet : public tGuiSet {
  VANDRELL_GUI_HOOKS(tParticleSet, tGuiSet)
};

// The level's lookups, two of them through handlers not named after their
// messages.
class tLevelLookups : public tGuiObject {
  VANDRELL_GUI_HOOKS(tLevelLookups, tGuiObject, &tLevelLookups::M_COMMANDGROUPS_FIND, &tLevelLookups::M_TXT_ISHOW,
                     &tLevelLookups::M_PICPARTICLE_FINDBYLOCATION, &tLevelLookups::M_PIC_OFFSET)

 public:
  virtual int32_t M_COMMANDGROUPS_FIND(vandrell::M_COMMANDGROUP_FIND& msg) {
    asked.push_back("group " + msg.input());
    return 0;
  }
  virtual int32_t M_TXT_ISHOW(vandrell::M_TXT_ISSHOW&) {
    asked.push_back("shown text");
    return 0;
  }
  virtual int32_t M_PICPARTICLE_FINDBYLOCATION(vandrell::M_PICPARTICLE_FINDBYLOCATION& msg) {
    if (msg.input() == "hall") msg.answer(particles);
    return 0;
  }
  virtual int32_t M_PIC_OFFSET(vandrell::M_PIC_OFFSET& msg) {
    offsets.push_back({msg.dx(), msg.dy()});
    return 0;
  }

  std::vector<std::string> asked;
  std::vector<std::pair<int32_t, int32_t>> offsets;
  std::shared_ptr<tParticleSet> particles = std::make_shared<tParticleSet>();
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

class AppMessagesTest : public ::testing::Test {
 protected:
  tCurrentScope<tGui> root{std::make_shared<tGui>()};
};

}  // namespace

TEST_F(AppMessagesTest, LookupsAnswerTypedAndHandlersNamedOtherwiseAreFound) {
  EXPECT_EQ(M_PICPARTICLE_FINDBYLOCATION::ask("hall"), nullptr);  // no level
  auto level = std::make_shared<tLevelLookups>();
  tGui::Current().insert(level);

  // The answer is a derived class; the sender reads the base the vocabulary names.
  const std::shared_ptr<tGuiSet> particles = M_PICPARTICLE_FINDBYLOCATION::ask("hall");
  EXPECT_EQ(particles, level->particles);
  EXPECT_NE(std::dynamic_pointer_cast<tParticleSet>(particles), nullptr);
  EXPECT_EQ(M_PICPARTICLE_FINDBYLOCATION::ask("attic"), nullptr);

  EXPECT_EQ(M_COMMANDGROUP_FIND::ask("doors"), nullptr);
  EXPECT_EQ(M_TXT_ISSHOW::ask(), nullptr);
  EXPECT_EQ(level->asked, (std::vector<std::string>{"group doors", "shown text"}));
}

TEST_F(AppMessagesTest, APayloadOfTheWrongTypeIsReportedAndReadsEmpty) {
  auto level = std::make_shared<tLevelLookups>();
  tGui::Current().insert(level);
  LogCapture log;

  tGuiObject::send(M_COMMANDGROUP_FIND{}, 42);  // a number where a name belongs
  EXPECT_EQ(level->asked, std::vector<std::string>{"group "});
  EXPECT_TRUE(log.contains("M_COMMANDGROUP_FIND: input is int instead of std::"));

  M_PIC_OFFSET::send({7});  // dy left out
  EXPECT_EQ(level->offsets, (std::vector<std::pair<int32_t, int32_t>>{{7, 0}}));
  EXPECT_TRUE(log.contains("M_PIC_OFFSET: no number 1"));

  M_PICPARTICLE_FINDBYLOCATION query;
  query.make(std::string("hall"), std::string("not a set"));
  EXPECT_EQ(query.answer(), nullptr);
  EXPECT_TRUE(log.contains("M_PICPARTICLE_FINDBYLOCATION: answer is std::"));
}

TEST_F(AppMessagesTest, PageMessagesSentToOneMenuStayInIt) {
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

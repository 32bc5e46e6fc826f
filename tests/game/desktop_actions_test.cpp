// Moving the system pointer and opening web links from scripts. Tests run
// headless, where opening a link only writes the address to the log.
#include "game/desktop_actions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/settings.h"
#include "platform/input.h"
#include "platform/process_wide.h"
#include "resources/working_folder.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "script/zeb_script_scope.h"
#include "support/log_capture.h"
#include "support/screen_scope.h"

namespace vandrell {

namespace {

// The application as the link action reaches it: minimising is counted.
class tMinimizeCount : public tSettings {
 public:
  void minimize() override { ++minimized; }
  int32_t minimized = 0;
};

class DesktopActionsTest : public ::testing::Test {
 protected:
  DesktopActionsTest() { RegisterDesktopActions(); }

  // Runs the script text as a command, as far as its first wait.
  static void run(const std::string& text) {
    const auto command = tCommand::Parse(text);
    command->start();
    command->update(0.0f);
  }
  // The addresses opened since the test began.
  std::vector<std::string> opened() const {
    std::vector<std::string> links;
    for (const std::string& line : log.lines()) {
      if (line.rfind("Open URL: ", 0) == 0) links.push_back(line.substr(10));
    }
    return links;
  }

  WorkingFolder folder;
  std::shared_ptr<tMinimizeCount> app = std::make_shared<tMinimizeCount>();
  tCurrentScope<tSettings> appScope{app};
  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  LogCapture log;
};

}  // namespace

TEST_F(DesktopActionsTest, TheLinkFileGivesTheGameLinkAndWithoutItTheWindowOnlyMinimises) {
  run("url");
  EXPECT_EQ(app->minimized, 1);
  EXPECT_TRUE(opened().empty());

  WorkingFolder::put("url", std::string("\xff\xfe[url\n=\x01\n", 9));
  run("url");
  EXPECT_EQ(app->minimized, 2);
  EXPECT_TRUE(opened().empty()) << "a garbled file holds no link";

  WorkingFolder::put("url", "[url]\r\nsurvey=https://example.org/survey\r\ngame=https://example.org/game\r\n");
  run("url");
  EXPECT_EQ(opened(), std::vector<std::string>{"https://example.org/game"});
}

TEST_F(DesktopActionsTest, ANamedLinkComesFromTheStringsAndAnUnknownNameOpensNothing) {
  run("url=nowhere");
  EXPECT_EQ(app->minimized, 1);
  EXPECT_TRUE(opened().empty()) << "the strings' placeholder is no address";
  EXPECT_TRUE(log.contains("nowhere"));
}

TEST_F(DesktopActionsTest, ThePointerGoesToTheDesignPointInWindowPixels) {
  ScreenScope screen{0.5f, 0.75f, 10.0f, 20.0f};
  run("pointerxy=101,41");
  EXPECT_EQ(MouseX(), 60) << "10 + 101 * 0.5, truncated";
  EXPECT_EQ(MouseY(), 50);
}

}  // namespace vandrell

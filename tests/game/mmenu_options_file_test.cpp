// Options changed in the main menu reach the options file through the
// application at once, so the next start has them even after a crash.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/app.h"
#include "menus/mmenu.h"
#include "menus/mmenu_options.h"
#include "platform/process.h"
#include "platform/process_wide.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

class MMenuOptionsFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    menu.reset();
    app.reset();
    setArgs({"vandrell"});
  }

  // The application as the program starts it, with its per-user folder here.
  tApp& start() {
    menu.reset();
    app.reset();
    setArgs({"vandrell", "-user", user.path() + "/"});
    app = std::make_unique<tApp>();
    menu.emplace(std::make_shared<tMMenu>());
    return *app;
  }
  static void setArgs(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    SetAppArgs(static_cast<int>(argv.size()), argv.data());
  }
  // A click with the first button, as the option's button receives it.
  template <class Widget>
  static void press() {
    for (const auto& member : tMMenu::Current().order()) {
      if (auto widget = std::dynamic_pointer_cast<Widget>(member)) return widget->click(1);
    }
    FAIL() << "no such button";
  }

  TempDir user;
  std::unique_ptr<tApp> app;
  std::optional<tCurrentScope<tMMenu>> menu;
};

TEST_F(MMenuOptionsFileTest, VolumesAndThePointerChosenInTheMenuAreThereAtTheNextStart) {
  tApp& first = start();
  first.VOLUME_MUSIC = 0.5f;
  first.VOLUME_SOUND = 0.5f;
  tMMenu::Current().go<M_MMENU_OPTIONS>();
  press<tMMenuOptionsMusicPlus>();
  press<tMMenuOptionsSoundMinus>();
  press<tMMenuOptionsSoundMinus>();
  press<tMMenuOptionsPointerSwitch>();

  // No orderly exit: the options were written when they changed.
  tApp& second = start();
  EXPECT_FLOAT_EQ(second.VOLUME_MUSIC, 0.55f);
  EXPECT_FLOAT_EQ(second.VOLUME_SOUND, 0.4f);
  EXPECT_EQ(second.HARDWARECURSOR, 1);
}

}  // namespace

}  // namespace vandrell

// The menu level's script shows and hides the main menu.
#include "menus/mmenu_actions.h"
#include "mmenu_test_support.h"
#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

class MMenuActionsTest : public MMenuTest {
 protected:
  static void run(const std::string& text) {
    for (const tActionPtr& action : tAction::Parse(text)) action->exec();
  }

  ZebScriptScope script;
};

TEST_F(MMenuActionsTest, MmalphaShowsTheMenuForNonZeroAndHidesItForZero) {
  RegisterMMenuActions();
  addPlayer(1, "Ada");
  build();
  run("mmalpha=1");
  EXPECT_TRUE(menu().isShow());
  EXPECT_EQ(page(), "main");
  run("mmalpha=0");
  EXPECT_FALSE(menu().isShow());
  EXPECT_EQ(page(), "");
  run("mmalpha=0.5");
  EXPECT_TRUE(menu().isShow());
}

}  // namespace

}  // namespace vandrell

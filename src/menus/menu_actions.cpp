#include "menus/menu_actions.h"

#include "core/numeric.h"
#include "hud/panel.h"
#include "menus/menu.h"
#include "menus/menu_cmd.h"
#include "platform/process_wide.h"
#include "script/action_keywords.h"

namespace vandrell {

void tMenuGameover::failPage() {
  if (tProcessWide<tMenu>::exists()) tMenu::Current().showFail();
}

float tZebAction_interface::exec() {
  const int32_t k = trunci(number(0));
  if (k == 0) {
    tPanel::Current().show();
  } else {
    tPanel::Current().hide();
  }
  if (k == 0 || k == 1) {
    tMenuCmd::Current().show();
  } else {
    tMenuCmd::Current().hide();
    tMenu::Current().hide();
  }
  return 0.0f;
}

void RegisterMenuActions() {
  tActionKeywords::Current().implement<tMenuGameover>("tZebAction_gameover");
  tActionKeywords::Current().implement<tZebAction_interface>("tZebAction_interface");
}

}  // namespace vandrell

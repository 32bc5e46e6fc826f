#include "menus/menu_actions.h"

#include "menus/menu.h"
#include "platform/process_wide.h"
#include "script/action_keywords.h"

namespace vandrell {

void tMenuGameover::failPage() {
  if (tProcessWide<tMenu>::exists()) tMenu::Current().showFail();
}

void RegisterMenuActions() { tActionKeywords::Current().implement<tMenuGameover>("tZebAction_gameover"); }

}  // namespace vandrell

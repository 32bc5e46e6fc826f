#include "menus/mmenu_actions.h"

#include "menus/mmenu.h"
#include "script/expr_value.h"

namespace vandrell {

float tZebAction_mmalpha::exec() {
  if (calc(0)->ToNumber() != 0.0f) {
    tMMenu::Current().show();
  } else {
    tMMenu::Current().hide();
  }
  return 0.0f;
}

void RegisterMMenuActions() { RegisterAction<tZebAction_mmalpha>({"mmalpha"}); }

}  // namespace vandrell

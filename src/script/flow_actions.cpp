#include "script/flow_actions.h"

#include "core/settings.h"
#include "gui/app_messages.h"
#include "resources/profile.h"
#include "script/expr_book.h"

namespace vandrell {

float tZebAction_set::exec() {
  const std::string name = variable(0);
  if (!name.empty()) tExprBook::Current().set(name, calc(1));
  return 0.0f;
}

float tZebAction_uv::exec() {
  const std::string name = variable(0);
  if (name.empty()) {
    reportNothingNamed(0);
  } else {
    tProfile::Current().zeb_uv(name, number(1));
  }
  return 0.0f;
}

float tZebAction_gameover::exec() {
  const float n = number(0);
  if (n == 0.0f) {
    tGuiObject::send(M_GAME_FAIL{});
    tSettings::Current().terminate();
  } else if (n == 1.0f) {
    tGuiObject::send(M_LEVEL_FAIL{});
    failPage();
  } else if (n == 2.0f) {
    tGuiObject::send(M_LEVEL_COMPLETE{});
  } else if (n == 3.0f) {
    tGuiObject::send(M_LEVEL_FASTCOMPLETE{});
  } else if (n == 4.0f) {
    tGuiObject::send(M_LEVEL_GAME{});
  } else if (n == 5.0f) {
    tGuiObject::send(M_LEVEL_EXTRA{});
  }
  return 0.0f;
}

void tZebAction_gameover::failPage() { reportOnce("not available yet: the in-game menu's fail page of " + keyword()); }

float tZebAction_save::exec() {
  tGuiObject::send(M_GAME_AUTOSAVE{});
  return 0.0f;
}

float tZebAction_load::exec() {
  tGuiObject::send(M_GAME_RESTARTLEVEL{});
  return 0.0f;
}

float tZebAction_check::exec() {
  tGuiObject::send(M_COMMAND_CHECK{});
  return 0.0f;
}

}  // namespace vandrell

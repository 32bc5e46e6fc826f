#include "hud/cursor_actions.h"

#include <string>

#include "core/numeric.h"
#include "gui/app_messages.h"
#include "hud/cursor.h"
#include "hud/unibutton.h"
#include "platform/process_wide.h"
#include "scene/mission_property.h"
#include "script/action_keywords.h"

namespace vandrell {

float tZebAction_showcursor::exec() {
  const int32_t n = trunci(number(0));
  if (!tMissionProperty::Current().isHolding()) M_COMMAND_NEXTCALL::send("__showcursor_" + std::to_string(n));
  return 0.0f;
}

float tZebAction_lockcursor::exec() {
  tGuiObject::send(M_CURSOR_LOCK{});
  return 0.0f;
}

float tZebAction_unlockcursor::exec() {
  tGuiObject::send(M_CURSOR_UNLOCK{});
  return 0.0f;
}

float tZebAction_hidepointer::exec() {
  const float n = number(0);
  if (tProcessWide<tCursor>::exists()) tCursor::Current().show(n == 0.0f ? 1 : 0);
  return 0.0f;
}

float tZebAction_unibutton::exec() {
  const std::string message = variable(0);
  const int32_t x = trunci(number(1));
  const int32_t y = trunci(number(2));
  const std::string command = variable(3);
  if (tUnibutton::Exists()) tUnibutton::Current().zeb_unibutton(message, x, y, command);
  return 0.0f;
}

float tZebAction_offunibutton::exec() {
  if (tUnibutton::Exists()) tUnibutton::Current().zeb_offunibutton();
  return 0.0f;
}

void RegisterCursorActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_showcursor);
  VANDRELL_ACTION(keywords, tZebAction_lockcursor);
  VANDRELL_ACTION(keywords, tZebAction_unlockcursor);
  VANDRELL_ACTION(keywords, tZebAction_hidepointer);
  VANDRELL_ACTION(keywords, tZebAction_unibutton);
  VANDRELL_ACTION(keywords, tZebAction_offunibutton);
}

}  // namespace vandrell

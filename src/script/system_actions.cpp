#include "script/system_actions.h"

#include "core/numeric.h"
#include "script/action_keywords.h"
#include "script/expr_book.h"
#include "script/expr_value.h"

namespace vandrell {

void tSystemCall::passArgument(tInValue kind) {
  tExprBook::Current().set("__in", kind == tInValue::NUMBER ? tExprNumber::Create(number(0)) : calc(0));
}

bool tSystemCall::switchedOn(bool truncate) {
  const float n = number(0);
  return truncate ? trunci(n) != 0 : n != 0.0f;
}

void RegisterSystemActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_fadein);
  VANDRELL_ACTION(keywords, tZebAction_fadeout);
  VANDRELL_ACTION(keywords, tZebAction_fadehalf);
  VANDRELL_ACTION(keywords, tZebAction_darkmask);
  VANDRELL_ACTION(keywords, tZebAction_darkmasksize);
  VANDRELL_ACTION(keywords, tZebAction_darkmaskwidth);
  VANDRELL_ACTION(keywords, tZebAction_darkmaskheight);
  VANDRELL_ACTION(keywords, tZebAction_darkmaskalpha);
  VANDRELL_ACTION(keywords, tZebAction_darkmaskalphamodify);
  VANDRELL_ACTION(keywords, tZebAction_overondarkmask);
  VANDRELL_ACTION(keywords, tZebAction_overoffdarkmask);
  VANDRELL_ACTION(keywords, tZebAction_changedarkmask);
  VANDRELL_ACTION(keywords, tZebAction_resetdarkmask);
  VANDRELL_ACTION(keywords, tZebAction_mistake);
}

}  // namespace vandrell

#include "script/zeb_action.h"

#include "core/settings.h"
#include "script/action_keywords.h"

namespace vandrell {

float tZebAction::number(int32_t i, float fallback) { return calc(i, tExprNumber::Create(fallback))->ToNumber(); }

float tZebAction::ticks(int32_t i) { return tSettings::Current().inc2period(number(i)); }

float tZebAction::rate(int32_t i) { return tSettings::Current().inc2speed(number(i)); }

float tZebAction::ms(int32_t i) { return number(i) / 1000.0f; }

void tZebAction::reportNothingNamed(int32_t i) {
  const tActionRow* row = tActionKeywords::Current().find(keyword());
  const bool known = row && i >= 0 && i < row->maxArgs();
  const std::string noun = known ? ArgNoun(row->args[i]) : "object";
  reportOnce(keyword() + " argument " + std::to_string(i + 1) + " '" + variable(i) + "' names no " + noun);
}

}  // namespace vandrell

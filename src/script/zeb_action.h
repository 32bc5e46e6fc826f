// The common ground of the vocabulary's actions: reading arguments of the
// kinds the keyword table gives them, and finding their targets. A target
// that is missing or of the wrong kind makes the action skip its effect, as
// scripts expect; it is reported once per written action, naming the
// command, the keyword and the argument, so a content creator sees the slip.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "script/action.h"

namespace vandrell {

class tZebAction : public tAction {
 protected:
  // Argument i as a number; `fallback` when it was not written.
  float number(int32_t i, float fallback = 0.0f);
  // A duration in ticks, in seconds.
  float ticks(int32_t i);
  // An amount per tick, per second.
  float rate(int32_t i);
  // A duration in milliseconds, in seconds.
  float ms(int32_t i);

  // The object argument i evaluates to when it is a `T`, else null.
  template <class T>
  std::shared_ptr<T> object(int32_t i) {
    auto found = std::dynamic_pointer_cast<T>(calc(i)->ToObject());
    if (!found) reportNothingNamed(i);
    return found;
  }

  // What the level answers to `Query` with argument i read as a name; null
  // (or empty) when it knows nothing of that name.
  template <class Query>
  auto named(int32_t i) {
    auto found = Query::ask(variable(i));
    if (!found) reportNothingNamed(i);
    return found;
  }

  // Argument i names nothing of the kind the keyword's row expects there.
  void reportNothingNamed(int32_t i);
};

// Finds its target by the name in its first argument and makes one call on it:
//   using tZebAction_startcommand = tNamedCall<M_COMMAND_FIND, &tCommand::start>;
//   using tZebAction_enablecommand = tNamedCall<M_COMMAND_FIND, &tCommand::enable, 1>;
template <class Query, auto Operation, auto... Values>
class tNamedCall : public tZebAction {
 public:
  float exec() override {
    if (const auto target = named<Query>(0)) ((*target).*Operation)(Values...);
    return 0.0f;
  }
};

}  // namespace vandrell

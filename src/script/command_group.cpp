#include "script/command_group.h"

#include "script/condition.h"

namespace vandrell {

template <class Each>
void tCommandGroup::forEach(Each each) {
  for (const auto& command : _commands) each(*command);
}

template <class Each>
void tCommandGroup::forEachPlain(Each each) {
  for (const auto& command : _commands) {
    if (!dynamic_cast<tCondition*>(command.get())) each(*command);
  }
}

void tCommandGroup::genable(int32_t v) {
  forEach([v](tCommand& command) { command.genable(v); });
}

void tCommandGroup::enable(int32_t v) {
  forEach([v](tCommand& command) { command.enable(v); });
}

void tCommandGroup::start() {
  forEachPlain([](tCommand& command) { command.start(); });
}

void tCommandGroup::stop() {
  forEach([](tCommand& command) { command.stop(); });
}

void tCommandGroup::play() {
  forEachPlain([](tCommand& command) { command.play(); });
}

void tCommandGroup::pause() {
  forEach([](tCommand& command) { command.pause(); });
}

}  // namespace vandrell

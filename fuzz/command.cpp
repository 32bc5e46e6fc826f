// Command parsing and running on arbitrary text with the test actions and
// the script operators. The first byte chooses the kind of command, looping,
// one-shot firing and how long it runs before it is saved. A command rebuilt
// from the same text and restored from that save must then behave exactly
// like the one that goes on running.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "../tests/script/test_actions.h"
#include "core/numeric.h"
#include "platform/random.h"
#include "resources/config.h"
#include "script/command.h"
#include "script/condition.h"
#include "script/zeb_book.h"

using namespace vandrell;

namespace {

constexpr float DELTAS[] = {0.02f, 0.4f, 0.0f, 1.0f, 0.25f};
constexpr const char* SAVE_KEYS[] = {"play", "enable", "genable", "n", "block.n", "wait", "condenable"};

struct Options {
  bool condition;
  bool runOnce;
  bool looping;
  bool oneShot;
  int stepsBeforeSave;
};

// The command a "hook" action steers; its argument picks what it does.
std::weak_ptr<tCommand> hooked;

float steer(tAction& action) {
  const auto command = hooked.lock();
  if (!command) return 0.0f;
  switch (trunci(action.calc(0)->ToNumber())) {
    case 1: command->nextcall(); break;
    case 2: command->start(); break;
    case 3: command->stop(); break;
    case 4: command->play(); break;
    case 5: command->enable(0); break;
    case 6: command->enable(1); break;
    case 7:
      if (auto condition = std::dynamic_pointer_cast<tCondition>(command)) condition->check();
      break;
    default: break;
  }
  return action.calc(1)->ToNumber();
}

tCommandPtr parse(const std::string& text, const Options& options) {
  tCommandPtr command;
  if (options.condition) {
    auto condition = tCondition::Parse(text);
    condition->condition(tExpr::Create("0~1"));
    condition->autodisable(options.oneShot);
    command = condition;
  } else if (options.runOnce) {
    command = tRunableCommand::Parse(text);
  } else {
    command = tCommand::Parse(text);
  }
  command->looping(options.looping);
  return command;
}

void step(const tCommandPtr& command, int i) {
  hooked = command;
  if (i % 7 == 3) command->nextcall();
  if (i % 5 == 4) command->play();
  if (auto condition = std::dynamic_pointer_cast<tCondition>(command); condition && i % 3 == 0) condition->check();
  command->update(DELTAS[i % std::size(DELTAS)]);
}

// What the command records over the steps from `first` on.
std::vector<std::string> run(const tCommandPtr& command, int first, int last) {
  SeedRnd(first);
  TestActionLog().clear();
  for (int i = first; i < last; ++i) step(command, i);
  return TestActionLog();
}

std::vector<std::string> savedKeys(const tCommandPtr& command) {
  tConfig save;
  command->saveInstant(save, "command");
  std::vector<std::string> keys;
  for (const char* key : SAVE_KEYS) keys.push_back(save.GetString("command", key, "-"));
  return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const Options options{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0, (data[0] & 8) != 0,
                        data[0] >> 4};
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  InstallZebScript();
  ResetTestActions();
  TestActionHook() = steer;

  const tCommandPtr command = parse(text, options);
  command->start();
  run(command, 0, options.stepsBeforeSave);
  tConfig save;
  command->saveInstant(save, "command");

  const tCommandPtr restored = parse(text, options);
  restored->loadInstant(save, "command");
  if (savedKeys(restored) != savedKeys(command)) std::abort();

  const int last = options.stepsBeforeSave + 24;
  const auto goingOn = run(command, options.stepsBeforeSave, last);
  const auto resumed = run(restored, options.stepsBeforeSave, last);
  if (goingOn != resumed || savedKeys(restored) != savedKeys(command)) std::abort();
  hooked.reset();
  return 0;
}

#include "script/action.h"

#include <algorithm>

#include "platform/log.h"
#include "script/command.h"
#include "script/command_text.h"

namespace vandrell {

namespace {
constexpr int32_t MAX_RESTARTS_PER_RUN = 100;
}  // namespace

tExprValuePtr tAction::calc(int32_t i, tExprValuePtr fallback) {
  if (i >= 0 && i < static_cast<int32_t>(_args.size())) return _args[i]->calc();
  return fallback ? fallback : tExprValue::Create();
}

std::string tAction::variable(int32_t i) {
  if (i < 0 || i >= static_cast<int32_t>(_args.size())) return "";
  return TrimScriptText(_args[i]->getExpr());
}

std::vector<tActionPtr> tAction::Parse(const std::string& text) {
  const std::vector<tActionUse> uses = DescribeAction(text);
  if (uses.empty()) return {};
  if (!uses.front().row) {
    DebugLog(uses.front().problem());
    return {};
  }
  // The actions get the arguments exactly as split, so that "so" alone still
  // carries its one empty argument.
  const tActionText split = SplitActionText(text);
  std::vector<tActionPtr> actions;
  for (size_t i = 0; i < uses.size(); ++i) {
    const std::string problem = uses[i].problem();
    if (!problem.empty()) DebugLog("args: " + text + " (" + problem + ")");
    std::vector<tExprPtr> arguments;
    for (const auto& argument : split.alternatives[i]) arguments.push_back(tExpr::Create(argument));
    tActionPtr action = MakeAction(split.keyword);
    action->args(std::move(arguments));
    actions.push_back(std::move(action));
  }
  return actions;
}

void tAction::reportOnce(const std::string& problem) {
  if (_reported) return;
  _reported = true;
  const std::string& command = tCommand::Running();
  DebugLog("Command " + (command.empty() ? std::string("(unnamed)") : command) + ": " + problem);
}

float tActionBlock::exec() {
  float wait = 0.0f;
  int32_t restarts = 0;
  while (_n < count()) {
    const int32_t index = _n++;
    wait = _actions[index]->exec();
    // The action may have restarted this very block through its command; one
    // that always does would keep the block from ever ending.
    if (_n <= index && ++restarts > MAX_RESTARTS_PER_RUN) {
      DebugLog("An action block restarts itself without end; it is cut short.");
      _n = count();
      return 0.0f;
    }
    if (wait > 0.0f) break;
  }
  return wait;
}

tActionBlockPtr tActionBlock::Parse(const std::string& text) {
  std::vector<tActionPtr> actions;
  for (const auto& actionText : BlockActionTexts(text)) {
    for (auto& action : tAction::Parse(actionText)) actions.push_back(std::move(action));
  }
  auto block = std::make_shared<tActionBlock>();
  block->actions(std::move(actions));
  return block;
}

void tActionBlock::n(int32_t next) {
  if (next < 0 || next > count()) {
    DebugLog("Action index " + std::to_string(next) + " outside a block of " + std::to_string(count()) + " actions.");
  }
  _n = std::clamp(next, 0, count());
}

}  // namespace vandrell

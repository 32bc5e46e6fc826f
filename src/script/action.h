// Actions and action blocks: the steps of a command. A block runs its actions
// one after another until one asks to wait.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "script/action_keywords.h"
#include "script/expr.h"

namespace vandrell {

// One parsed action. Each keyword's class overrides exec().
class tAction {
 public:
  virtual ~tAction() = default;

  virtual void args(std::vector<tExprPtr> args) { _args = std::move(args); }
  // Seconds to wait before the block goes on; 0 or less goes on at once.
  virtual float exec() { return 0.0f; }
  // Argument i evaluated, or `fallback` (the empty value when null) when the
  // action was written with fewer arguments.
  virtual tExprValuePtr calc(int32_t i, tExprValuePtr fallback = nullptr);
  // Argument i as written, trimmed and not evaluated: how actions read names.
  virtual std::string variable(int32_t i);

  // One action per "|" alternative of a registered keyword. An unregistered
  // keyword gives none and is reported as "undef: " + text; an alternative
  // written with more or fewer arguments than its keyword takes still becomes
  // an action, and is reported as "args: " + text with what is wrong.
  static std::vector<tActionPtr> Parse(const std::string& text);

  // The keyword the action was written with, alias or not.
  const std::string& keyword() const { return _keyword; }
  int32_t argCount() const { return static_cast<int32_t>(_args.size()); }
  void keyword(const std::string& keyword) { _keyword = keyword; }

 protected:
  // Writes "Command NAME: " + `problem` to the log, once per action, so a
  // script that runs it over and over does not flood the log.
  void reportOnce(const std::string& problem);

  std::vector<tExprPtr> _args;

 private:
  std::string _keyword;
  bool _reported = false;
};

class tActionBlock;
using tActionBlockPtr = std::shared_ptr<tActionBlock>;

class tActionBlock {
 public:
  virtual ~tActionBlock() = default;

  virtual void actions(std::vector<tActionPtr> actions) { _actions = std::move(actions); }
  virtual void restart() { _n = 0; }
  // Runs actions from the next one on until one returns a wait or the block
  // ends; answers the last action's wait (0 when none ran).
  virtual float exec();
  virtual int32_t isComplete() const { return _n >= count() ? 1 : 0; }

  static tActionBlockPtr Parse(const std::string& text);

  int32_t count() const { return static_cast<int32_t>(_actions.size()); }
  const std::vector<tActionPtr>& actions() const { return _actions; }
  // The index of the next action, for saving.
  int32_t n() const { return _n; }
  // Resumes at a saved index; one outside the block is reported and clamped.
  void n(int32_t next);

 private:
  int32_t _n = 0;
  std::vector<tActionPtr> _actions;
};

}  // namespace vandrell

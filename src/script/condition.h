// Conditions: commands that play their next block whenever their condition
// expression holds at a check. A one-shot condition stops listening once it
// fires and disables itself when its block is done, until enabled again.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "script/command.h"

namespace vandrell {

class tCondition : public tCommand {
  VANDRELL_GUI_HOOKS(tCondition, tCommand)

 public:
  // The command's keys and "condenable".
  void saveInstant(tConfigBase& cfg, const std::string& section) override;
  void loadInstant(tConfigBase& cfg, const std::string& section) override;
  // Enabling re-arms a condition that has fired.
  void genable(int32_t v) override;
  void enable(int32_t v) override;
  // The finished block stays complete until the next firing; nothing pauses.
  void blockComplete() override;
  virtual void autodisable(int32_t v) { _autodisable = v; }
  // Null never fires.
  virtual void condition(tExprPtr expr) { _cond = std::move(expr); }
  // Any non-zero number is true.
  virtual void check();

  static std::shared_ptr<tCondition> Parse(const std::string& text);

 private:
  void rearm();

  int32_t _autodisable = 0;
  int32_t _condenable = 1;
  tExprPtr _cond;
};

}  // namespace vandrell

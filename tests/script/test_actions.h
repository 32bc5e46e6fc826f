// Actions for exercising commands without the game's vocabulary:
//   "waitms=ms"        waits ms / 1000 seconds;
//   "show=name,..."    and its alias "rec" record "name,..." (the arguments as
//                      written) in TestActionLog();
//   "hook=..."         runs TestActionHook() and waits what it returns.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "script/action.h"
#include "script/action_keywords.h"

namespace vandrell {

inline std::vector<std::string>& TestActionLog() {
  static std::vector<std::string> log;
  return log;
}

inline std::function<float(tAction&)>& TestActionHook() {
  static std::function<float(tAction&)> hook;
  return hook;
}

class tTestWaitMs : public tAction {
 public:
  float exec() override { return calc(0)->ToNumber() / 1000.0f; }
};

class tTestRecord : public tAction {
 public:
  float exec() override {
    std::string written;
    for (size_t i = 0; i < _args.size(); ++i) written += (i ? "," : "") + variable(static_cast<int32_t>(i));
    TestActionLog().push_back(written);
    return 0.0f;
  }
};

class tTestHook : public tAction {
 public:
  float exec() override { return TestActionHook() ? TestActionHook()(*this) : 0.0f; }
};

// Registers the test keywords and empties the log and the hook.
inline void ResetTestActions() {
  RegisterAction<tTestWaitMs>({"waitms"});
  RegisterAction<tTestRecord>({"show", "rec"});
  RegisterAction<tTestHook>({"hook"});
  TestActionLog().clear();
  TestActionHook() = nullptr;
}

}  // namespace vandrell

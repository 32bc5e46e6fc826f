// Base of the command tests: the script language and the test actions, alone
// in a registry of their own, are installed, and diagnostic lines are
// collected.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/process_wide.h"
#include "script/action_keywords.h"
#include "support/log_capture.h"
#include "test_actions.h"
#include "zeb_script_scope.h"

namespace vandrell {

class ScriptTest : public ::testing::Test {
 protected:
  using Texts = std::vector<std::string>;

  void SetUp() override { ResetTestActions(); }

  // What the actions recorded since the last call.
  Texts shown() {
    Texts recorded = TestActionLog();
    TestActionLog().clear();
    return recorded;
  }

  ZebScriptScope script;
  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>(tActionKeywords::EMPTY)};
  LogCapture log;
};

}  // namespace vandrell

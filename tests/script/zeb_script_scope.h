// Installs the script language (its book and operators) for the lifetime of
// a test and puts back whatever was installed before.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/process_wide.h"
#include "script/expr.h"
#include "script/zeb_book.h"

namespace vandrell {

class ZebScriptScope {
 public:
  ZebScriptScope() { InstallZebScript(); }

  tExprBook& book() { return tExprBook::Current(); }

 private:
  tCurrentScope<tExprOperators> _operators{std::make_shared<tExprOperators>()};
  tCurrentScope<tExprBook> _book{nullptr};
};

}  // namespace vandrell

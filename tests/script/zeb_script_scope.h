// Installs the script language (its book and operators) for the lifetime of
// a test and puts back whatever was installed before.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "script/expr.h"
#include "script/zeb_book.h"

namespace vandrell {

class ZebScriptScope {
 public:
  ZebScriptScope() : _savedOperators(exprOperators()), _savedBook(exprBook) { InstallZebScript(); }
  ~ZebScriptScope() {
    exprOperators() = _savedOperators;
    exprBook = _savedBook;
  }
  ZebScriptScope(const ZebScriptScope&) = delete;
  ZebScriptScope& operator=(const ZebScriptScope&) = delete;

  tExprBook& book() { return *exprBook; }

 private:
  std::map<std::string, tExprOpPtr> _savedOperators;
  std::shared_ptr<tExprBook> _savedBook;
};

}  // namespace vandrell

// Script expressions: infix text over numbers, variables and object
// properties, compiled once into reverse Polish order and evaluated on a value
// stack whenever a command runs. The engine knows no operator of its own; the
// symbols and their classes come from the process-wide operator table.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "script/expr_token.h"
#include "script/expr_value.h"

namespace vandrell {

class tExpr;
using tExprPtr = std::shared_ptr<tExpr>;

class tExpr {
 public:
  virtual ~tExpr() = default;

  static tExprPtr Create(const std::string& text);

  // Set by the "-e" switch: expressions compile when created, that is while
  // their level loads, instead of when first evaluated.
  static inline bool exprCompileOnSet = false;
  // Replaces the text and drops the compiled form; compiles at once while
  // exprCompileOnSet is set, else at the first calc or variable.
  virtual void expr(const std::string& text);
  virtual const std::string& getExpr() const { return _expr; }
  virtual void compile();
  // The name of the variable the expression starts with, or "".
  virtual std::string variable();
  // The value of the last evaluation; null before the first.
  virtual tExprValuePtr result() const { return _result; }
  // Never fails: whatever the text, the result is a value.
  virtual tExprValuePtr calc();
  // Operator characters are the only separators, so "a b" is one variable.
  virtual std::vector<tExprTokenPtr> _parse(const std::string& text);
  virtual tExprTokenPtr _lexeme2token(const std::string& lexeme);
  virtual std::vector<tExprTokenPtr> _rpn(const std::vector<tExprTokenPtr>& tokens);

 private:
  std::string _expr;
  std::optional<std::vector<tExprTokenPtr>> _bin;  // reverse Polish, absent until compiled
  tExprValuePtr _result;
};

// One shared operator per one-character symbol. Filled at start-up, before any
// expression is compiled; an expression keeps the operators it was compiled with.
class tExprOperators : public std::map<std::string, tExprOpPtr> {
 public:
  using std::map<std::string, tExprOpPtr>::map;
  static tExprOperators& Current();
};

}  // namespace vandrell

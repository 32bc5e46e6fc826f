// The pieces of a compiled expression: operands (constants, variables,
// object properties) and operators. Operator instances are shared by every
// expression that uses their symbol, so they keep no state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "script/expr_value.h"

namespace vandrell {

using tExprStack = std::vector<tExprValuePtr>;

class tExprToken {
 public:
  virtual ~tExprToken() = default;
  // One evaluation step on the value stack; an operator that finds the stack
  // empty takes the empty value for each missing operand.
  virtual void _apply(tExprStack& stack) = 0;
};

using tExprTokenPtr = std::shared_ptr<tExprToken>;

class tExprArg : public tExprToken {
 public:
  // Refreshes the operand's current value.
  virtual void calc() = 0;
  virtual tExprValuePtr value() { return _value; }
  void _apply(tExprStack& stack) final;

 protected:
  tExprValuePtr _value;
};

class tExprConst : public tExprArg {
 public:
  // Leading digits, point and exponent of the lexeme; trailing junk is ignored.
  static std::shared_ptr<tExprConst> Create(const std::string& lexeme);
  void calc() override {}
};

class tExprVariable : public tExprArg {
 public:
  virtual const std::string& variable() const { return _variable; }
  static std::shared_ptr<tExprVariable> Create(const std::string& lexeme);
  // Reads the current book; without one the value is a null object.
  void calc() override;

 protected:
  std::string _variable;
};

// "name:property", blanks around either part dropped.
class tExprProperty : public tExprVariable {
 public:
  static std::shared_ptr<tExprProperty> Create(const std::string& lexeme);
  void calc() override;

 private:
  std::string _property;
};

class tExprOp : public tExprToken {
 public:
  // Precedence: a higher number binds tighter.
  virtual int32_t order() const = 0;
};

class tExprOp0 : public tExprOp {
 public:
  virtual tExprValuePtr calc() = 0;
  void _apply(tExprStack& stack) final;
};

class tExprOp1 : public tExprOp {
 public:
  virtual tExprValuePtr calc(const tExprValuePtr& a) = 0;
  void _apply(tExprStack& stack) final;
};

class tExprOp2 : public tExprOp {
 public:
  // `a` is the left operand.
  virtual tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) = 0;
  void _apply(tExprStack& stack) final;
};

// Brackets only steer the reordering; an opening bracket left unmatched ends
// up in the compiled form and evaluates to 0.
class tExprOp_OpenBr : public tExprOp0 {
 public:
  int32_t order() const override { return 1; }
  tExprValuePtr calc() override;
};

class tExprOp_CloseBr : public tExprOp0 {
 public:
  int32_t order() const override { return 2; }
  tExprValuePtr calc() override;
};

using tExprOpPtr = std::shared_ptr<tExprOp>;

}  // namespace vandrell

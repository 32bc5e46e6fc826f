// The script language's operators: comparisons, Min and Max, arithmetic in
// 32-bit floats, random numbers and the prefix operators. Every result is a
// new number; an operand is read through ToNumber(), so objects and the empty
// value count as 0 (except for the identity test of "=" and "?").
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "script/expr.h"
#include "script/expr_token.h"

namespace vandrell {

// "=": 1 for two objects that are the same (two nulls included) or two equal
// numbers; a number never equals an object.
class tZebOp_Equal : public tExprOp2 {
 public:
  int32_t order() const override { return 10; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

class tZebOp_NoEqual : public tZebOp_Equal {
 public:
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

class tZebOp_Less : public tZebOp_Equal {
 public:
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

class tZebOp_More : public tZebOp_Equal {
 public:
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

// On a tie the right operand wins, for Max as well.
class tZebOp_Min : public tExprOp2 {
 public:
  int32_t order() const override { return 19; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

class tZebOp_Max : public tZebOp_Min {
 public:
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

class tZebOp_Add : public tExprOp2 {
 public:
  int32_t order() const override { return 20; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

class tZebOp_Sub : public tZebOp_Add {
 public:
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

class tZebOp_Mul : public tZebOp_Add {
 public:
  int32_t order() const override { return 30; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

// Division by zero gives an infinity or not-a-number, never an error.
class tZebOp_Div : public tZebOp_Mul {
 public:
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

// fmod in double precision: the remainder takes the sign of a.
class tZebOp_Mod : public tZebOp_Mul {
 public:
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

// A whole number between the operands truncated toward zero, both ends
// included, in either order.
class tZebOp_Rand : public tExprOp2 {
 public:
  int32_t order() const override { return 39; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

// A real number from the smaller operand up to, not including, the larger.
class tZebOp_Rnd : public tExprOp2 {
 public:
  int32_t order() const override { return 39; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

// Prefix operators bind tighter than everything but "^". Two in a row do not
// nest: the first is applied to the empty value before the operand is read.
class tZebOp_Neg : public tExprOp1 {
 public:
  int32_t order() const override { return 40; }
  tExprValuePtr calc(const tExprValuePtr& a) override;
};

// Truncation toward zero.
class tZebOp_Int : public tZebOp_Neg {
 public:
  tExprValuePtr calc(const tExprValuePtr& a) override;
};

class tZebOp_Abs : public tZebOp_Neg {
 public:
  tExprValuePtr calc(const tExprValuePtr& a) override;
};

// pow in double precision; groups from the left like every operator.
class tZebOp_Power : public tZebOp_Add {
 public:
  int32_t order() const override { return 50; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override;
};

// A fresh operator table: the brackets and the seventeen script operators,
// each symbol with a new instance of its class.
tExprOperators ZebOperatorTable();

}  // namespace vandrell

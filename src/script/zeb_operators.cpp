#include "script/zeb_operators.h"

#include <cmath>
#include <limits>
#include <memory>

#include "core/numeric.h"
#include "platform/random.h"

namespace vandrell {

namespace {

tExprValuePtr number(float value) { return tExprNumber::Create(value); }
tExprValuePtr truth(bool value) { return tExprNumber::Create(value ? 1.0f : 0.0f); }

// Double results beyond the float range become infinities, as float
// arithmetic would have made them.
float toFloat(double value) {
  constexpr float infinity = std::numeric_limits<float>::infinity();
  if (value > std::numeric_limits<float>::max()) return infinity;
  if (value < -std::numeric_limits<float>::max()) return -infinity;
  return static_cast<float>(value);
}

bool same(const tExprValuePtr& a, const tExprValuePtr& b) {
  const auto* objectA = dynamic_cast<const tExprObject*>(a.get());
  const auto* objectB = dynamic_cast<const tExprObject*>(b.get());
  if (objectA && objectB) return objectA->data == objectB->data;
  const auto* numberA = dynamic_cast<const tExprNumber*>(a.get());
  const auto* numberB = dynamic_cast<const tExprNumber*>(b.get());
  return numberA && numberB && numberA->data == numberB->data;
}

}  // namespace

tExprValuePtr tZebOp_Equal::calc(const tExprValuePtr& a, const tExprValuePtr& b) { return truth(same(a, b)); }

tExprValuePtr tZebOp_NoEqual::calc(const tExprValuePtr& a, const tExprValuePtr& b) { return truth(!same(a, b)); }

tExprValuePtr tZebOp_Less::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return truth(a->ToNumber() < b->ToNumber());
}

tExprValuePtr tZebOp_More::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return truth(a->ToNumber() > b->ToNumber());
}

tExprValuePtr tZebOp_Min::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  const float x = a->ToNumber(), y = b->ToNumber();
  return number(y <= x ? y : x);
}

tExprValuePtr tZebOp_Max::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  const float x = a->ToNumber(), y = b->ToNumber();
  return number(y >= x ? y : x);
}

tExprValuePtr tZebOp_Add::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return number(a->ToNumber() + b->ToNumber());
}

tExprValuePtr tZebOp_Sub::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return number(a->ToNumber() - b->ToNumber());
}

tExprValuePtr tZebOp_Mul::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return number(a->ToNumber() * b->ToNumber());
}

tExprValuePtr tZebOp_Div::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return number(a->ToNumber() / b->ToNumber());
}

tExprValuePtr tZebOp_Mod::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return number(toFloat(std::fmod(static_cast<double>(a->ToNumber()), static_cast<double>(b->ToNumber()))));
}

tExprValuePtr tZebOp_Rand::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return number(static_cast<float>(Rand(trunci(a->ToNumber()), trunci(b->ToNumber()))));
}

tExprValuePtr tZebOp_Rnd::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  const float low = std::fmin(a->ToNumber(), b->ToNumber());
  const float high = std::fmax(a->ToNumber(), b->ToNumber());
  const float drawn = toFloat(Rnd(low, high));
  // Rounding to float may reach the upper bound, which the draw never includes.
  return number(drawn >= high && high > low ? std::nextafter(high, low) : drawn);
}

tExprValuePtr tZebOp_Neg::calc(const tExprValuePtr& a) { return number(-a->ToNumber()); }

tExprValuePtr tZebOp_Int::calc(const tExprValuePtr& a) { return number(std::trunc(a->ToNumber())); }

tExprValuePtr tZebOp_Abs::calc(const tExprValuePtr& a) { return number(std::fabs(a->ToNumber())); }

tExprValuePtr tZebOp_Power::calc(const tExprValuePtr& a, const tExprValuePtr& b) {
  return number(toFloat(std::pow(static_cast<double>(a->ToNumber()), static_cast<double>(b->ToNumber()))));
}

tExprOperators ZebOperatorTable() {
  return {
      {"(", std::make_shared<tExprOp_OpenBr>()},  {")", std::make_shared<tExprOp_CloseBr>()},
      {"=", std::make_shared<tZebOp_Equal>()},    {"?", std::make_shared<tZebOp_NoEqual>()},
      {"<", std::make_shared<tZebOp_Less>()},     {">", std::make_shared<tZebOp_More>()},
      {"{", std::make_shared<tZebOp_Min>()},      {"}", std::make_shared<tZebOp_Max>()},
      {"+", std::make_shared<tZebOp_Add>()},      {"-", std::make_shared<tZebOp_Sub>()},
      {"*", std::make_shared<tZebOp_Mul>()},      {"/", std::make_shared<tZebOp_Div>()},
      {"#", std::make_shared<tZebOp_Mod>()},      {"~", std::make_shared<tZebOp_Rand>()},
      {"'", std::make_shared<tZebOp_Rnd>()},      {"!", std::make_shared<tZebOp_Neg>()},
      {"%", std::make_shared<tZebOp_Int>()},      {"$", std::make_shared<tZebOp_Abs>()},
      {"^", std::make_shared<tZebOp_Power>()},
  };
}

}  // namespace vandrell

#include "script/expr_token.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "script/expr_book.h"
#include "script/command_text.h"

namespace vandrell {

namespace {

tExprValuePtr pop(tExprStack& stack) {
  if (stack.empty()) return tExprValue::Create();
  tExprValuePtr top = std::move(stack.back());
  stack.pop_back();
  return top;
}

// atof, kept in range: a double beyond the float range becomes an infinity
// rather than an undefined conversion.
float decimalNumber(const std::string& lexeme) {
  const double value = std::strtod(lexeme.c_str(), nullptr);
  constexpr float infinity = std::numeric_limits<float>::infinity();
  if (std::abs(value) > std::numeric_limits<float>::max()) return value > 0 ? infinity : -infinity;
  return static_cast<float>(value);
}

}  // namespace

void tExprArg::_apply(tExprStack& stack) {
  calc();
  stack.push_back(value());
}

std::shared_ptr<tExprConst> tExprConst::Create(const std::string& lexeme) {
  auto token = std::make_shared<tExprConst>();
  token->_value = tExprNumber::Create(decimalNumber(lexeme));
  return token;
}

std::shared_ptr<tExprVariable> tExprVariable::Create(const std::string& lexeme) {
  auto token = std::make_shared<tExprVariable>();
  token->_variable = lexeme;
  return token;
}

void tExprVariable::calc() { _value = tExprBook::Current().get(_variable); }

std::shared_ptr<tExprProperty> tExprProperty::Create(const std::string& lexeme) {
  auto token = std::make_shared<tExprProperty>();
  // Only the first two parts count: "a:b:c" reads property b of a.
  const size_t colon = lexeme.find(':');
  token->_variable = TrimScriptText(lexeme.substr(0, colon));
  if (colon != std::string::npos) {
    const size_t end = lexeme.find(':', colon + 1);
    token->_property = TrimScriptText(lexeme.substr(colon + 1, end == std::string::npos ? end : end - colon - 1));
  }
  return token;
}

void tExprProperty::calc() {
  _value = tExprBook::Current().property(_variable, _property);
}

void tExprOp0::_apply(tExprStack& stack) { stack.push_back(calc()); }

void tExprOp1::_apply(tExprStack& stack) {
  tExprValuePtr a = pop(stack);
  stack.push_back(calc(a));
}

void tExprOp2::_apply(tExprStack& stack) {
  tExprValuePtr b = pop(stack);
  tExprValuePtr a = pop(stack);
  stack.push_back(calc(a, b));
}

tExprValuePtr tExprOp_OpenBr::calc() { return tExprNumber::Create(0.0f); }

tExprValuePtr tExprOp_CloseBr::calc() { return tExprNumber::Create(0.0f); }

}  // namespace vandrell

// A small arithmetic operator table for exercising the expression engine
// without the script language's own operators. Installing it replaces the
// process-wide table and book for the lifetime of the object.
#pragma once

#include "platform/process_wide.h"
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "script/expr.h"
#include "script/expr_book.h"

namespace vandrell {

namespace test_ops {

class Binary : public tExprOp2 {
 public:
  Binary(int32_t order, std::function<float(float, float)> f) : _order(order), _f(std::move(f)) {}
  int32_t order() const override { return _order; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override {
    return tExprNumber::Create(_f(a->ToNumber(), b->ToNumber()));
  }

 private:
  int32_t _order;
  std::function<float(float, float)> _f;
};

class Negate : public tExprOp1 {
 public:
  int32_t order() const override { return 40; }
  tExprValuePtr calc(const tExprValuePtr& a) override { return tExprNumber::Create(-a->ToNumber()); }
};

// 1 when both operands hold the same object (a number never equals an object).
class Same : public tExprOp2 {
 public:
  int32_t order() const override { return 10; }
  tExprValuePtr calc(const tExprValuePtr& a, const tExprValuePtr& b) override {
    const bool objects = std::dynamic_pointer_cast<tExprObject>(a) && std::dynamic_pointer_cast<tExprObject>(b);
    return tExprNumber::Create(objects && a->ToObject() == b->ToObject() ? 1.0f : 0.0f);
  }
};

inline tExprOperators table() {
  return {
      {"(", std::make_shared<tExprOp_OpenBr>()},
      {")", std::make_shared<tExprOp_CloseBr>()},
      {"=", std::make_shared<Same>()},
      {"+", std::make_shared<Binary>(20, [](float a, float b) { return a + b; })},
      {"-", std::make_shared<Binary>(20, [](float a, float b) { return a - b; })},
      {"*", std::make_shared<Binary>(30, [](float a, float b) { return a * b; })},
      {"/", std::make_shared<Binary>(30, [](float a, float b) { return a / b; })},
      {"!", std::make_shared<Negate>()},
      {"^", std::make_shared<Binary>(50, [](float a, float b) { return static_cast<float>(std::pow(a, b)); })},
  };
}

}  // namespace test_ops

class TestOperatorTable {
 public:
  explicit TestOperatorTable(std::shared_ptr<tExprBook> book = nullptr)
      : _operators(std::make_shared<tExprOperators>(test_ops::table())), _book(std::move(book)) {}
  ~TestOperatorTable() { tExpr::exprCompileOnSet = _savedCompileOnSet; }
  TestOperatorTable(const TestOperatorTable&) = delete;
  TestOperatorTable& operator=(const TestOperatorTable&) = delete;

 private:
  tCurrentScope<tExprOperators> _operators;
  tCurrentScope<tExprBook> _book;
  bool _savedCompileOnSet = tExpr::exprCompileOnSet;
};

}  // namespace vandrell

// Expression compiling and evaluation on arbitrary text, against a small
// arithmetic operator table and a book holding numbers, objects and a name
// with a blank in it. Whatever the text, evaluation yields a value, and
// compiling the same text again evaluates the same way.
#include <cmath>
#include <cstdlib>
#include <string>

#include "../tests/script/test_operators.h"
#include "script/expr.h"
#include "script/expr_book.h"

using namespace vandrell;

namespace {

struct Thing : tObject {};

std::shared_ptr<tExprBook> makeBook() {
  auto book = std::make_shared<tExprBook>();
  book->set("a", tExprNumber::Create(2.0f));
  book->set("b", tExprNumber::Create(-0.5f));
  book->set("a b", tExprNumber::Create(1e30f));
  book->set("p", tExprObject::Create(std::make_shared<Thing>()));
  book->set("q", tExprObject::Create(nullptr));
  return book;
}

bool same(float x, float y) { return x == y || (std::isnan(x) && std::isnan(y)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  auto book = makeBook();
  TestOperatorTable ops(book);

  const tExprPtr expression = tExpr::Create(text);
  expression->variable();
  const tExprValuePtr value = expression->calc();
  if (!value || expression->result() != value) std::abort();

  tExpr::exprCompileOnSet = true;
  const tExprValuePtr again = tExpr::Create(text)->calc();
  if (!same(value->ToNumber(), again->ToNumber()) || value->ToObject() != again->ToObject()) std::abort();

  book->clear();
  if (expression->result()->ToObject()) std::abort();
  expression->calc();
  return 0;
}

#include "script/expr_book.h"

namespace vandrell {

std::shared_ptr<tExprBook> exprBook;

void tExprBook::set(const std::string& name, tExprValuePtr value) {
  _book[name] = value ? std::move(value) : tExprValue::Create();
}

tExprValuePtr tExprBook::get(const std::string& name) {
  const auto found = _book.find(name);
  return found != _book.end() ? found->second : tExprValue::Create();
}

tExprValuePtr tExprBook::property(const std::string& name, const std::string& /*property*/) { return get(name); }

void tExprBook::clear() {
  for (auto& [name, value] : _book) {
    if (auto object = std::dynamic_pointer_cast<tExprObject>(value)) object->data = nullptr;
  }
  _book.clear();
}

}  // namespace vandrell

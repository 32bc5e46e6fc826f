#include "script/expr_book.h"

#include "platform/process_wide.h"

namespace vandrell {

namespace {

// Stands in until a book is installed: every variable reads as a null object.
class tNoBook final : public tExprBook {
 public:
  tExprValuePtr get(const std::string&) override { return tExprObject::Create(nullptr); }
  tExprValuePtr property(const std::string& name, const std::string&) override { return get(name); }
};

}  // namespace

tExprBook& tExprBook::Current() {
  return tProcessWide<tExprBook>::get([] { return std::make_shared<tNoBook>(); });
}

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

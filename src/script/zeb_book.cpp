#include "script/zeb_book.h"

#include <vector>

#include "resources/profile.h"
#include "script/expr.h"
#include "script/zeb_operators.h"

namespace vandrell {

namespace {
std::vector<tZebPropertyOwner>& propertyOwners() {
  static std::vector<tZebPropertyOwner> owners{ZebPropertyOwner<tProfile>()};
  return owners;
}
}  // namespace

tExprValuePtr tZebExpr::get(const std::string& name) {
  const auto found = _book.find(name);
  return found == _book.end() ? tExprNumber::Create(0.0f) : found->second;
}

tExprValuePtr tZebExpr::property(const std::string& name, const std::string& property) {
  tExprValuePtr value = get(name);
  if (const tObjectPtr object = value->ToObject()) {
    for (const auto& owner : propertyOwners()) {
      if (tExprValuePtr answer = owner(object, property)) return answer;
    }
  }
  return value;
}

void tZebExpr::addPropertyOwner(tZebPropertyOwner owner) { propertyOwners().push_back(std::move(owner)); }

void InstallZebScript() {
  exprBook = std::make_shared<tZebExpr>();
  exprOperators() = ZebOperatorTable();
}

}  // namespace vandrell

#include "script/zeb_book.h"

#include <vector>

#include "platform/process_wide.h"
#include "script/expr.h"
#include "script/zeb_operators.h"
#include "script/zeb_profile.h"

namespace vandrell {

namespace {
std::vector<tZebPropertyOwner>& propertyOwners() {
  static std::vector<tZebPropertyOwner> owners{ZebPropertyOwner<tZebProfile>()};
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
  tProcessWide<tExprBook>::exchange(std::make_shared<tZebExpr>());
  tExprOperators::Current() = ZebOperatorTable();
}

}  // namespace vandrell

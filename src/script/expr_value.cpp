#include "script/expr_value.h"

namespace vandrell {

tExprValuePtr tExprNumber::Create(float value) {
  auto number = std::make_shared<tExprNumber>();
  number->data = value;
  return number;
}

tExprValuePtr tExprObject::Create(tObjectPtr object) {
  auto value = std::make_shared<tExprObject>();
  value->data = std::move(object);
  return value;
}

}  // namespace vandrell

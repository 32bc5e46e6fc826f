// Values of script expressions: nothing, a number or an object reference.
#pragma once

#include <memory>

#include "script/object.h"

namespace vandrell {

class tExprValue;
using tExprValuePtr = std::shared_ptr<tExprValue>;

// The empty value: what a malformed expression or a lookup of nothing yields.
class tExprValue {
 public:
  virtual ~tExprValue() = default;
  virtual tObjectPtr ToObject() const { return nullptr; }
  virtual float ToNumber() const { return 0.0f; }

  static tExprValuePtr Create() { return std::make_shared<tExprValue>(); }
};

class tExprNumber : public tExprValue {
 public:
  float data = 0.0f;

  float ToNumber() const override { return data; }
  static tExprValuePtr Create(float value);
};

// `data` may be null; a book that is cleared nulls the values it held, so an
// expression result that outlives the book stops keeping its object alive.
class tExprObject : public tExprValue {
 public:
  tObjectPtr data;

  tObjectPtr ToObject() const override { return data; }
  static tExprValuePtr Create(tObjectPtr object);
};

}  // namespace vandrell

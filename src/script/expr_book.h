// Variable books: the named values that expression variables read.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "script/expr_value.h"

namespace vandrell {

class tExprBook {
 public:
  virtual ~tExprBook() = default;

  // The book every expression evaluates against. Until the script book is
  // installed at start-up, every variable reads as a null object.
  static tExprBook& Current();

  // Inserts or replaces; a null value is stored as the empty value.
  virtual void set(const std::string& name, tExprValuePtr value);
  // The stored value, or a new empty value when the name holds nothing.
  virtual tExprValuePtr get(const std::string& name);
  // A plain book has no properties: the variable itself.
  virtual tExprValuePtr property(const std::string& name, const std::string& property);
  // Forgets every value and nulls the objects of the object values, so results
  // still held elsewhere no longer keep those objects alive.
  virtual void clear();
  // Every variable, in name order.
  const std::map<std::string, tExprValuePtr>& values() const { return _book; }

 protected:
  std::map<std::string, tExprValuePtr> _book;
};


}  // namespace vandrell

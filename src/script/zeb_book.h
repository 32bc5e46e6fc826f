// The script book: the one variable book every script expression reads. A
// name that holds nothing reads as the number 0, and "name:property" asks the
// object stored under the name for that property.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "script/expr_book.h"
#include "script/expr_value.h"

namespace vandrell {

// The property of an object of one kind, or null when the object is of
// another kind.
using tZebPropertyOwner = std::function<tExprValuePtr(const tObjectPtr& object, const std::string& property)>;

// For classes with a zeb_property(name) that answers a value or a plain number.
template <class Owner>
tZebPropertyOwner ZebPropertyOwner() {
  return [](const tObjectPtr& object, const std::string& property) -> tExprValuePtr {
    const auto owner = std::dynamic_pointer_cast<Owner>(object);
    if (!owner) return nullptr;
    if constexpr (std::is_arithmetic_v<decltype(owner->zeb_property(property))>) {
      return tExprNumber::Create(static_cast<float>(owner->zeb_property(property)));
    } else {
      return owner->zeb_property(property);
    }
  };
}

class tZebExpr : public tExprBook {
 public:
  tExprValuePtr get(const std::string& name) override;
  // Asks the kinds of object that answer properties in the order they were
  // added; any other value, a number for instance, is its own property.
  tExprValuePtr property(const std::string& name, const std::string& property) override;

  // Each class whose objects answer script properties adds itself once at
  // start-up, after the player profile: the pic property object, then pics.
  static void addPropertyOwner(tZebPropertyOwner owner);
};

// Installs a new script book as the current book and a new table of the
// script operators; run once at start-up, before any level loads.
void InstallZebScript();

}  // namespace vandrell

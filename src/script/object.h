// The common root of everything a script value can refer to: pics, the
// player profile, the pic property object. Script code asks an object for its
// kind with dynamic_pointer_cast, so the root only needs to be polymorphic.
#pragma once

#include <memory>

namespace vandrell {

class tObject {
 public:
  virtual ~tObject() = default;
};

using tObjectPtr = std::shared_ptr<tObject>;

}  // namespace vandrell

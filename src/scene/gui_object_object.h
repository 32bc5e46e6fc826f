// A GUI object that wraps another one: the wrapped object sees every message
// that reaches the wrapper, before the wrapper's own handlers. Scene objects
// use it to keep their state apart from the visual that draws them.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/object.h"

namespace vandrell {

class tGuiObjectObject : public tGuiObject {
  VANDRELL_GUI_HOOKS(tGuiObjectObject, tGuiObject, &tGuiObjectObject::GUIMSG_FREE)

 public:
  // The wrapped object, or null.
  virtual const std::shared_ptr<tGuiObject>& wrapped() const { return _this; }
  int32_t message(tGuiMessage& msg, tGuiMessageType type) override;
  // Releasing the wrapped object releases the wrapper too, so it leaves every
  // set that holds it.
  virtual int32_t GUIMSG_FREE(vandrell::GUIMSG_FREE& msg);

 protected:
  std::shared_ptr<tGuiObject> _this;
};

}  // namespace vandrell

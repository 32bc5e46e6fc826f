#include "scene/gui_object_object.h"

namespace vandrell {

int32_t tGuiObjectObject::message(tGuiMessage& msg, tGuiMessageType type) {
  // A handler of the wrapped object may drop the wrapper's reference to it.
  if (const std::shared_ptr<tGuiObject> wrapped = _this) wrapped->message(msg, type);
  return tGuiObject::message(msg, type);
}

int32_t tGuiObjectObject::GUIMSG_FREE(vandrell::GUIMSG_FREE& msg) {
  const auto* freed = msg.inAs<std::shared_ptr<tGuiObject>>();
  if (freed && *freed && *freed == _this) {
    _this.reset();
    free();
  }
  return 0;
}

}  // namespace vandrell

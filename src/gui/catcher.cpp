#include "gui/catcher.h"

#include "gui/input_messages.h"
#include "gui/object.h"

namespace vandrell {

int32_t tGuiCatcher::event(const TEvent& ev) {
  _event(ev);
  return 0;
}

int32_t tGuiCatcher::message(tGuiMessage& msg) {
  _message(msg);
  return 0;
}

std::any tGuiCatcher::send(tGuiMessage&& msg, std::any in, std::any out) {
  return tGuiObject::send(std::move(msg), std::move(in), std::move(out));
}

void tGuiCatcher::install() { send(GUIMSG_INSTALLCATCHER{}, shared_from_this()); }

int32_t tGuiCatcher::_event(const TEvent&) { return 0; }

int32_t tGuiCatcher::_message(tGuiMessage&) { return 0; }

}  // namespace vandrell

#include "gui/mouse_catcher.h"

#include "core/screen.h"
#include "gui/input_messages.h"
#include "gui/rect.h"
#include "platform/event.h"

namespace vandrell {

float tGuiMouseCatcher::h() const { return X2H(static_cast<float>(_x)); }

float tGuiMouseCatcher::v() const { return Y2V(static_cast<float>(_y)); }

float tGuiMouseCatcher::hspeed() const { return W2L(_xspeed); }

float tGuiMouseCatcher::vspeed() const { return H2T(_yspeed); }

float tGuiMouseCatcher::inside(float x, float y, float w, float h) const {
  return tRect::Create(x, y, w, h).Inside(this->h(), v()) ? 1.0f : 0.0f;
}

int32_t tGuiMouseCatcher::_event(const TEvent& ev) {
  switch (ev.id) {
    case EVENT_MOUSEUP:
      _mouseUp(ev.data);
      break;
    case EVENT_MOUSEDOWN:
      _mouseDown(ev.data);
      break;
    case EVENT_MOUSEMOVE:
      _mouseMove(ev.x, ev.y);
      break;
    default:
      break;
  }
  return 0;
}

int32_t tGuiMouseCatcher::_message(tGuiMessage& msg) {
  if (msg.type() == tGuiMessageType::of<GUIMSG_UPDATE>()) _mouseSpeed(static_cast<GUIMSG_UPDATE&>(msg).delta());
  return 0;
}

void tGuiMouseCatcher::_mouseUp(int32_t button) { send(GUIMSG_MOUSEUP{}, tIntArray{button}); }

void tGuiMouseCatcher::_mouseDown(int32_t button) { send(GUIMSG_MOUSEDOWN{}, tIntArray{button}); }

void tGuiMouseCatcher::_mouseMove(int32_t x, int32_t y) {
  const int32_t dx = x - _x;
  const int32_t dy = y - _y;
  _x = x;
  _y = y;
  send(GUIMSG_MOUSEMOVE{}, tIntArray{x, y, dx, dy});
}

void tGuiMouseCatcher::_mouseSpeed(float delta) {
  if (delta <= 0.0f) return;
  _xspeed = static_cast<float>(_x - _xspeedx) / delta;
  _yspeed = static_cast<float>(_y - _yspeedy) / delta;
  _xspeedx = _x;
  _yspeedy = _y;
}

}  // namespace vandrell

#include "gui/object.h"

namespace vandrell {

int32_t tGuiObject::message(tGuiMessage& msg, tGuiMessageType type) {
  if (!_messageHooks) {
    const tGuiHookTable& hooks = _getMessageHooks();
    if (hooks.owner() != typeid(*this)) {
      throw std::logic_error(std::string(typeid(*this).name()) + " does not declare its message hooks");
    }
    _messageHooks = &hooks;
  }
  return _message(msg, type);
}

int32_t tGuiObject::_message(tGuiMessage& msg, tGuiMessageType type) {
  if (tGuiHook hook = _messageHooks->find(type)) hook(*this, msg);
  return 0;
}

const tGuiHookTable& tGuiObject::_getMessageHooks() const {
  static const tGuiHookTable hooks(typeid(tGuiObject));
  return hooks;
}

std::any tGuiObject::send(tGuiMessage& msg, std::any in, std::any out) {
  return msg.make(std::move(in), std::move(out)).emit();
}

std::any tGuiObject::send(tGuiMessage&& msg, std::any in, std::any out) {
  return send(msg, std::move(in), std::move(out));
}

std::any tGuiObject::sendto(tGuiObject& target, tGuiMessage& msg, std::any in, std::any out) {
  // The target may lose its last owner to one of its own handlers.
  const std::shared_ptr<tGuiObject> keepAlive = target.weak_from_this().lock();
  msg.make(std::move(in), std::move(out));
  target.message(msg, msg.type());
  return msg.checkOut();
}

std::any tGuiObject::sendto(tGuiObject& target, tGuiMessage&& msg, std::any in, std::any out) {
  return sendto(target, msg, std::move(in), std::move(out));
}

int32_t tGuiObject::genid() {
  static int32_t lastId = 0;
  return ++lastId;
}

void tGuiObject::free() { send(vandrell::GUIMSG_FREE{}, shared_from_this()); }

}  // namespace vandrell

#include "gui/message.h"

namespace vandrell {

namespace {
tGuiMessageReceiver* receiver = nullptr;
}  // namespace

uint32_t tGuiMessageType::next() {
  static uint32_t count = 0;
  return count++;
}

void tGuiMessage::gui(tGuiMessageReceiver* newReceiver) { receiver = newReceiver; }

tGuiMessage& tGuiMessage::make(std::any in, std::any out) {
  _in = std::move(in);
  _out = std::move(out);
  return *this;
}

const std::any& tGuiMessage::emit() {
  if (receiver) receiver->SendMessage(*this);
  return checkOut();
}

tGuiMessage& GUIMSG_UPDATE::make(std::any in, std::any out) {
  if (!in.has_value()) in = tFloatArray{0.0f};
  return tGuiMessage::make(std::move(in), std::move(out));
}

}  // namespace vandrell

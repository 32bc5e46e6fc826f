#include "gui/key_catcher.h"

#include "gui/input_messages.h"
#include "platform/event.h"

namespace vandrell {

namespace {
bool inTable(int32_t key, size_t size) { return key >= 0 && static_cast<size_t>(key) < size; }
}  // namespace

int32_t tGuiKeyCatcher::pressed(int32_t key) const {
  return inTable(key, _pressed.size()) ? _pressed[static_cast<size_t>(key)] : 0;
}

int32_t tGuiKeyCatcher::shiftPressed() const { return eitherPressed(KEY_LSHIFT, KEY_RSHIFT); }

int32_t tGuiKeyCatcher::altPressed() const { return eitherPressed(KEY_LALT, KEY_RALT); }

int32_t tGuiKeyCatcher::ctrlPressed() const { return eitherPressed(KEY_LCONTROL, KEY_RCONTROL); }

int32_t tGuiKeyCatcher::sysPressed() const { return eitherPressed(KEY_LSYSTEM, KEY_RSYSTEM); }

void tGuiKeyCatcher::flush() { _pressed.fill(0); }

int32_t tGuiKeyCatcher::_event(const TEvent& ev) {
  switch (ev.id) {
    case EVENT_KEYUP:
      _keyUp(ev.data);
      break;
    case EVENT_KEYDOWN:
      _keyDown(ev.data);
      break;
    case EVENT_KEYCHAR:
      _keyChar(ev.data);
      break;
    case EVENT_APPRESUME:
      // Key-ups that happened while the window was away never arrive.
      flush();
      break;
    default:
      break;
  }
  return 0;
}

int32_t tGuiKeyCatcher::_message(tGuiMessage& msg) {
  if (msg.type() == tGuiMessageType::of<GUIMSG_FLUSHINPUT>()) flush();
  return 0;
}

void tGuiKeyCatcher::_keyUp(int32_t key) {
  setPressed(key, 0);
  send(GUIMSG_KEYUP{}, tIntArray{key});
}

void tGuiKeyCatcher::_keyDown(int32_t key) {
  setPressed(key, 1);
  send(GUIMSG_KEYDOWN{}, tIntArray{key});
}

void tGuiKeyCatcher::_keyChar(int32_t character) { send(GUIMSG_KEYCHAR{}, tIntArray{character}); }

int32_t tGuiKeyCatcher::eitherPressed(int32_t left, int32_t right) const {
  return pressed(left) || pressed(right) ? 1 : 0;
}

void tGuiKeyCatcher::setPressed(int32_t key, int32_t state) {
  if (inTable(key, _pressed.size())) _pressed[static_cast<size_t>(key)] = state;
}

}  // namespace vandrell

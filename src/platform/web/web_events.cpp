#include "platform/web/web_events.h"

#include <emscripten/emscripten.h>

#include <vector>

#include "platform/event.h"
#include "platform/input.h"

namespace vandrell {

namespace {

struct InputState {
  bool systemInput = true;
  // What arrived since the last pump, in order.
  std::vector<TEvent> arrived;
};

InputState& input() {
  static InputState s;
  return s;
}

void arrive(int32_t id, int32_t data, int32_t mods, int32_t x, int32_t y) {
  if (!input().systemInput) return;
  TEvent ev;
  ev.id = id;
  ev.data = data;
  ev.mods = mods;
  ev.x = x;
  ev.y = y;
  input().arrived.push_back(ev);
}

void pump() {
  std::vector<TEvent> arrived;
  arrived.swap(input().arrived);
  for (const TEvent& ev : arrived) PostEvent(ev);
}

// Control characters that a key produces as a typed character, as the game's
// text entry expects them (backspace, tab, enter, escape).
bool controlCharacter(int32_t virtualKey) {
  return virtualKey == 8 || virtualKey == 9 || virtualKey == 13 || virtualKey == 27;
}

}  // namespace

// Called by the page's script with pointer positions already in canvas
// pixels. `kind`: 0 move, 1 press, 2 release; `button` as the DOM numbers
// them (0 left, 1 middle, 2 right).
extern "C" EMSCRIPTEN_KEEPALIVE void vandrell_web_pointer(int32_t kind, int32_t button, int32_t mods, int32_t x,
                                                          int32_t y) {
  if (kind == 0) {
    arrive(EVENT_MOUSEMOVE, 0, mods, x, y);
    return;
  }
  const int32_t number = button == 0 ? 1 : button == 2 ? 2 : button == 1 ? 3 : 0;
  if (number) arrive(kind == 1 ? EVENT_MOUSEDOWN : EVENT_MOUSEUP, number, mods, x, y);
}

// Steps away from the player are positive, as on the desktop.
extern "C" EMSCRIPTEN_KEEPALIVE void vandrell_web_wheel(int32_t steps, int32_t mods) {
  arrive(EVENT_MOUSEWHEEL, steps, mods, MouseX(), MouseY());
}

// A key: the DOM's key code and location (2 = the right-hand one of a pair),
// and the character it types, 0 for none.
extern "C" EMSCRIPTEN_KEEPALIVE void vandrell_web_key(int32_t down, int32_t keyCode, int32_t location,
                                                      int32_t repeat, int32_t character, int32_t mods) {
  int32_t key = VirtualKeyFromKeySym(keyCode);
  if (key >= 160 && key <= 165 && location == 2) ++key;
  if (key) {
    if (!down) {
      arrive(EVENT_KEYUP, key, mods, MouseX(), MouseY());
    } else {
      arrive(repeat ? EVENT_KEYREPEAT : EVENT_KEYDOWN, key, mods, MouseX(), MouseY());
      if (controlCharacter(key)) arrive(EVENT_KEYCHAR, key, mods, MouseX(), MouseY());
    }
  }
  if (down && character >= 32) arrive(EVENT_KEYCHAR, character, mods, MouseX(), MouseY());
}

void StartWebInput() {
  SetEventPump(pump);
  EM_ASM({ Module.vandrellListen(true); });
}

void StopWebInput() {
  SetEventPump(nullptr);
  EM_ASM({ Module.vandrellListen(false); });
}

// The page cannot move the system pointer: only the tracked position moves.
void MoveMouse(int32_t x, int32_t y) { SetPointerPosition(x, y); }

void SetMouseVisible(bool visible) { EM_ASM({ Module.vandrellPointer($0 ? "" : "none"); }, visible ? 1 : 0); }

void SetSystemPointer(int32_t pointer) {
  EM_ASM({ Module.vandrellPointer($0 ? "pointer" : "default"); }, pointer == POINTER_HAND ? 1 : 0);
}

void SetSystemInputEnabled(bool enabled) { input().systemInput = enabled; }

// The key symbols of the web build are the DOM's key codes, which are the
// game's virtual keys for nearly every key; the modifiers come as their
// left-hand keys.
int32_t VirtualKeyFromKeySym(int32_t keySym) {
  if ((keySym >= 'A' && keySym <= 'Z') || (keySym >= '0' && keySym <= '9')) return keySym;
  if (keySym >= 96 && keySym <= 135 && keySym != 108) return keySym;  // keypad, F1 to F24
  if ((keySym >= 33 && keySym <= 40) || (keySym >= 186 && keySym <= 192) || (keySym >= 219 && keySym <= 222))
    return keySym;
  switch (keySym) {
    case 8: case 9: case 13: case 19: case 20: case 27: case 32: case 44: case 45: case 46:
    case 91: case 92: case 93: case 144: case 145:
      return keySym;
    case 16: return 160;
    case 17: return 162;
    case 18: return 164;
    case 59: return 186;   // ; and = and - where the browser numbers them differently
    case 61: return 187;
    case 173: return 189;
    default: return 0;
  }
}

}  // namespace vandrell

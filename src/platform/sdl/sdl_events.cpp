#include "platform/sdl/sdl_events.h"

#include "platform/event.h"
#include "platform/input.h"
#include "platform/sdl/sdl_context.h"
#include "platform/text_stream.h"

namespace vandrell {

namespace {

struct InputState {
  bool systemInput = true;
  bool suspended = false;  // a suspend was raised and no resume yet
  SDL_Cursor* pointers[2] = {nullptr, nullptr};
};

InputState& input() {
  static InputState s;
  return s;
}

int32_t currentMods() {
  const SDL_Keymod mod = SDL_GetModState();
  int32_t mods = 0;
  if (mod & KMOD_SHIFT) mods |= MODIFIER_SHIFT;
  if (mod & KMOD_CTRL) mods |= MODIFIER_CONTROL;
  if (mod & KMOD_ALT) mods |= MODIFIER_OPTION;
  if (mod & KMOD_GUI) mods |= MODIFIER_SYSTEM;
  return mods;
}

void post(int32_t id, int32_t data, int32_t x, int32_t y) {
  TEvent ev;
  ev.id = id;
  ev.data = data;
  ev.mods = currentMods();
  ev.x = x;
  ev.y = y;
  PostEvent(ev);
}

int32_t buttonNumber(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

// Control characters that a key produces as a typed character, as the game's
// text entry expects them (backspace, tab, enter, escape).
int32_t controlCharacter(int32_t virtualKey) {
  switch (virtualKey) {
    case 8: case 9: case 13: case 27: return virtualKey;
    default: return 0;
  }
}

void translate(const SDL_Event& e) {
  InputState& s = input();
  const bool userInput = s.systemInput;
  switch (e.type) {
    case SDL_QUIT:
      post(EVENT_APPTERMINATE, 0, MouseX(), MouseY());
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
        // SDL_QUIT follows for the last window; one terminate is enough.
      } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST && !s.suspended) {
        s.suspended = true;
        post(EVENT_APPSUSPEND, 0, MouseX(), MouseY());
      } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && s.suspended) {
        s.suspended = false;
        post(EVENT_APPRESUME, 0, MouseX(), MouseY());
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      if (!userInput) break;
      const int32_t key = VirtualKeyFromKeySym(e.key.keysym.sym);
      if (!key) break;
      if (e.type == SDL_KEYUP) {
        post(EVENT_KEYUP, key, MouseX(), MouseY());
        break;
      }
      post(e.key.repeat ? EVENT_KEYREPEAT : EVENT_KEYDOWN, key, MouseX(), MouseY());
      if (const int32_t c = controlCharacter(key)) post(EVENT_KEYCHAR, c, MouseX(), MouseY());
      break;
    }
    case SDL_TEXTINPUT: {
      if (!userInput) break;
      const std::string text = e.text.text;
      for (size_t i = 0; i < text.size();) post(EVENT_KEYCHAR, static_cast<int32_t>(DecodeUtf8(text, i)), MouseX(), MouseY());
      break;
    }
    case SDL_MOUSEMOTION:
      if (userInput) post(EVENT_MOUSEMOVE, 0, e.motion.x, e.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int32_t button = buttonNumber(e.button.button);
      if (userInput && button) {
        post(e.type == SDL_MOUSEBUTTONDOWN ? EVENT_MOUSEDOWN : EVENT_MOUSEUP, button, e.button.x, e.button.y);
      }
      break;
    }
    case SDL_MOUSEWHEEL:
      if (userInput) post(EVENT_MOUSEWHEEL, e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y, MouseX(), MouseY());
      break;
    default:
      break;
  }
}

}  // namespace

void PumpSdlEvents() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) translate(e);
}

void ShutdownSdlPointers() {
  for (SDL_Cursor*& pointer : input().pointers) {
    if (pointer) SDL_FreeCursor(pointer);
    pointer = nullptr;
  }
}

void MoveMouse(int32_t x, int32_t y) {
  SetPointerPosition(x, y);
  const TGraphicsPtr& g = CurrentGraphics();
  if (g && g->window) SDL_WarpMouseInWindow(g->window, x, y);
}

void SetMouseVisible(bool visible) {
  if (EnsureSdlVideo()) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SetSystemPointer(int32_t pointer) {
  if (!EnsureSdlVideo()) return;
  const int index = pointer == POINTER_HAND ? 1 : 0;
  SDL_Cursor*& shape = input().pointers[index];
  if (!shape) shape = SDL_CreateSystemCursor(index ? SDL_SYSTEM_CURSOR_HAND : SDL_SYSTEM_CURSOR_ARROW);
  if (shape) SDL_SetCursor(shape);
}

void SetSystemInputEnabled(bool enabled) { input().systemInput = enabled; }

int32_t VirtualKeyFromKeySym(int32_t keySym) {
  if (keySym >= SDLK_a && keySym <= SDLK_z) return 'A' + (keySym - SDLK_a);
  if (keySym >= SDLK_0 && keySym <= SDLK_9) return keySym;
  if (keySym >= SDLK_F1 && keySym <= SDLK_F12) return 112 + (keySym - SDLK_F1);
  if (keySym >= SDLK_F13 && keySym <= SDLK_F24) return 124 + (keySym - SDLK_F13);
  if (keySym >= SDLK_KP_1 && keySym <= SDLK_KP_9) return 97 + (keySym - SDLK_KP_1);
  switch (keySym) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_KP_0: return 96;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_PERIOD: return 110;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_LSHIFT: return 160;
    case SDLK_RSHIFT: return 161;
    case SDLK_LCTRL: return 162;
    case SDLK_RCTRL: return 163;
    case SDLK_LALT: return 164;
    case SDLK_RALT: return 165;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: return 0;
  }
}

}  // namespace vandrell

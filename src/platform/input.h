// The pointer and the platform's own pointer shapes.
#pragma once

#include <cstdint>

namespace vandrell {

// Pointer position in window pixels, as the last mouse event that entered the
// event queue (or MoveMouse) left it.
int32_t MouseX();
int32_t MouseY();
// Sets the tracked position without moving the system pointer.
void SetPointerPosition(int32_t x, int32_t y);
void MoveMouse(int32_t x, int32_t y);
void SetMouseVisible(bool visible);

enum TSystemPointer : int32_t { POINTER_ARROW = 0, POINTER_HAND = 1 };
void SetSystemPointer(int32_t pointer);

// While disabled, keyboard and mouse input from the window is ignored (an
// input replay is running); window events still arrive.
void SetSystemInputEnabled(bool enabled);

// The virtual-key code the game uses for a key, from the window system's key
// symbol; 0 for keys the game has no code for.
int32_t VirtualKeyFromKeySym(int32_t keySym);

}  // namespace vandrell

// The platform event queue. System events (from the window) and injected ones
// (tests, input replay) enter the same bounded queue and leave it in order.
#pragma once

#include <cstdint>
#include <functional>

namespace vandrell {

enum TEventId : int32_t {
  EVENT_APPSUSPEND = 257,
  EVENT_APPRESUME = 258,
  EVENT_APPTERMINATE = 259,
  EVENT_KEYDOWN = 513,
  EVENT_KEYUP = 514,
  EVENT_KEYCHAR = 515,
  EVENT_KEYREPEAT = 516,
  EVENT_MOUSEDOWN = 1025,
  EVENT_MOUSEUP = 1026,
  EVENT_MOUSEMOVE = 1027,
  EVENT_MOUSEWHEEL = 1028,
};

// Modifier bits of TEvent::mods.
enum TModifier : int32_t { MODIFIER_SHIFT = 1, MODIFIER_CONTROL = 2, MODIFIER_OPTION = 4, MODIFIER_SYSTEM = 8 };

struct TEvent {
  int32_t id = 0;
  void* source = nullptr;
  int32_t data = 0;  // key code, mouse button, character or wheel steps
  int32_t mods = 0;
  int32_t x = 0;     // pointer position in window pixels
  int32_t y = 0;
  void* extra = nullptr;
};

constexpr int32_t EVENT_QUEUE_CAPACITY = 256;

// Adds an event; false (and the event is lost) when the queue is full.
bool PostEvent(const TEvent& ev);
// Fetches system events, then moves the next queued one into the current
// event and returns its kind; 0 with a cleared current event when empty.
int32_t PollEvent();
const TEvent& CurrentEvent();
int32_t QueuedEvents();
void ClearEvents();

// Moves waiting system events into the queue without taking any out: for
// code that blocks the frame loop for a while (loading).
void PumpEvents();

// The window layer installs the function that moves system events into the
// queue; without one, only posted events are seen.
void SetEventPump(std::function<void()> pump);
// Sees every event that enters the queue (the input recorder uses it).
void SetEventObserver(std::function<void(const TEvent&)> observer);

}  // namespace vandrell

#include "platform/event.h"

#include <array>

#include "platform/input.h"

namespace vandrell {

namespace {

struct EventQueue {
  std::array<TEvent, EVENT_QUEUE_CAPACITY> ring{};
  int32_t head = 0;
  int32_t count = 0;
  TEvent current{};
  std::function<void()> pump;
  std::function<void(const TEvent&)> observer;
  int32_t pointerX = 0;
  int32_t pointerY = 0;
};

EventQueue& queue() {
  static EventQueue q;
  return q;
}

}  // namespace

bool PostEvent(const TEvent& ev) {
  EventQueue& q = queue();
  if (q.count == EVENT_QUEUE_CAPACITY) return false;
  q.ring[(q.head + q.count) % EVENT_QUEUE_CAPACITY] = ev;
  ++q.count;
  if (ev.id == EVENT_MOUSEMOVE || ev.id == EVENT_MOUSEDOWN || ev.id == EVENT_MOUSEUP) {
    q.pointerX = ev.x;
    q.pointerY = ev.y;
  }
  if (q.observer) q.observer(ev);
  return true;
}

void PumpEvents() {
  if (queue().pump) queue().pump();
}

int32_t PollEvent() {
  EventQueue& q = queue();
  PumpEvents();
  if (q.count == 0) {
    q.current = TEvent{};
    return 0;
  }
  q.current = q.ring[q.head];
  q.head = (q.head + 1) % EVENT_QUEUE_CAPACITY;
  --q.count;
  return q.current.id;
}

const TEvent& CurrentEvent() { return queue().current; }

int32_t QueuedEvents() { return queue().count; }

void ClearEvents() {
  queue().head = 0;
  queue().count = 0;
  queue().current = TEvent{};
}

void SetEventPump(std::function<void()> pump) { queue().pump = std::move(pump); }

void SetEventObserver(std::function<void(const TEvent&)> observer) { queue().observer = std::move(observer); }

int32_t MouseX() { return queue().pointerX; }
int32_t MouseY() { return queue().pointerY; }

void SetPointerPosition(int32_t x, int32_t y) {
  queue().pointerX = x;
  queue().pointerY = y;
}

}  // namespace vandrell

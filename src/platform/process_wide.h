// Process-wide single objects: the GUI root and its catchers, the media
// lookup, the strings, the profiles, the script book, the settings, the clock
// and the drawing state. Each class reaches its one object through a static
// T::Current() that returns a reference; behind it sits one slot of this kind.
//
// An object is made on first use, so objects come into being in the order
// start-up first asks for them, dependencies first. Tests (and the automation
// switches) put their own object in the slot with tCurrentScope and get the
// previous one back when the scope ends, instead of restoring state by hand.
#pragma once

#include <memory>
#include <utility>

namespace vandrell {

template <class T>
class tProcessWide {
 public:
  // The current object; `make` builds it when there is none yet.
  template <class Make>
  static T& get(Make make) {
    std::shared_ptr<T>& slot = current();
    if (!slot) slot = make();
    return *slot;
  }
  static T& get() {
    return get([] { return std::make_shared<T>(); });
  }
  static bool exists() { return current() != nullptr; }
  // Puts `object` (possibly null) in the slot; returns what was there.
  static std::shared_ptr<T> exchange(std::shared_ptr<T> object) { return std::exchange(current(), std::move(object)); }
  // The slot's shared owner, for the few callers that keep the object as a
  // value of their own (the script book stores the profile as an object).
  static const std::shared_ptr<T>& shared() {
    get();
    return current();
  }

 private:
  static std::shared_ptr<T>& current() {
    static std::shared_ptr<T> slot;
    return slot;
  }
};

// Makes `object` the current T for the lifetime of the scope.
template <class T>
class tCurrentScope {
 public:
  explicit tCurrentScope(std::shared_ptr<T> object) : _saved(tProcessWide<T>::exchange(std::move(object))) {}
  // An object the caller keeps alive itself (a stack object, a fixture member).
  explicit tCurrentScope(T& object) : tCurrentScope(std::shared_ptr<T>(std::shared_ptr<T>(), &object)) {}
  ~tCurrentScope() { tProcessWide<T>::exchange(std::move(_saved)); }
  tCurrentScope(const tCurrentScope&) = delete;
  tCurrentScope& operator=(const tCurrentScope&) = delete;

 private:
  std::shared_ptr<T> _saved;
};

}  // namespace vandrell

// The slot of a process-wide HUD object of the running level: the resist
// meter, the panel and its parts, the magnifier. The level's tree owns the
// object and the slot only watches it, so a level that is freed frees its
// HUD with it. While no level holds one (before the first level, between two
// levels) the slot answers an idle stand-in that sits in no tree: what
// scripts or the game ask of it changes nothing anyone sees.
#pragma once

#include <memory>

namespace vandrell {

template <class T>
class tLevelWide {
 public:
  // The object of the running level, or the stand-in.
  static T& get() {
    if (const std::shared_ptr<T> live = slot().lock()) return *live;
    static const std::shared_ptr<T> idle = std::make_shared<T>();
    return *idle;
  }
  // The object of the running level, or null.
  static std::shared_ptr<T> live() { return slot().lock(); }
  static void set(const std::shared_ptr<T>& object) { slot() = object; }

 private:
  static std::weak_ptr<T>& slot() {
    static std::weak_ptr<T> watched;
    return watched;
  }
};

}  // namespace vandrell

// Pausing by owners: the level, the scene layers, music and sounds each keep
// the set of objects that asked them to pause, and stay paused while any is
// left. An owner is kept by identity only: the pauser must release what it
// took, and a stale entry can never keep an object alive.
#pragma once

#include <cstddef>
#include <set>

namespace vandrell {

using tPauseOwner = const void*;

class tPauseOwners {
 public:
  // `on` adds `owner`, otherwise removes it; adding twice or removing an
  // owner that never paused changes nothing.
  void pause(bool on, tPauseOwner owner) {
    if (on) {
      _owners.insert(owner);
    } else {
      _owners.erase(owner);
    }
  }
  bool isPause() const { return !_owners.empty(); }
  bool holds(tPauseOwner owner) const { return _owners.count(owner) != 0; }
  void clear() { _owners.clear(); }
  size_t size() const { return _owners.size(); }

 private:
  std::set<tPauseOwner> _owners;
};

}  // namespace vandrell

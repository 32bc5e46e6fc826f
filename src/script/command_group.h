// Command groups: several commands switched together. Conditions in a group
// are enabled, stopped and paused with it but never started or played: they
// play only by firing.
#pragma once

#include <cstdint>
#include <vector>

#include "script/command.h"

namespace vandrell {

class tCommandGroup {
 public:
  virtual ~tCommandGroup() = default;

  virtual void add(tCommandPtr cmd) { _commands.push_back(std::move(cmd)); }
  virtual void genable(int32_t v);
  virtual void enable(int32_t v);
  virtual void start();
  virtual void stop();
  virtual void play();
  virtual void pause();

 private:
  template <class Each>
  void forEach(Each each);
  template <class Each>
  void forEachPlain(Each each);

  std::vector<tCommandPtr> _commands;
};

}  // namespace vandrell

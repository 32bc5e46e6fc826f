// The hover and treat passes, run once per frame after the update: first every
// hover-enabled object works out whether the pointer is over it, then the
// topmost hovered object that takes the pointer becomes the treated one.
#pragma once

#include <memory>

#include "gui/catcher.h"

namespace vandrell {

class tGuiHoverable;

class tGuiHoverCatcher : public tGuiCatcher {
 public:
  // The root's catchers.
  static tGuiHoverCatcher& Current();
  void update();
};

class tGuiTreatCatcher : public tGuiCatcher {
 public:
  static tGuiTreatCatcher& Current();
  const std::shared_ptr<tGuiHoverable>& get() const { return _treat; }
  // Asks for the treated object; a new one (not null) is told which object had
  // the pointer before it. The one that loses the pointer is not told.
  std::shared_ptr<tGuiHoverable> update();

 private:
  std::shared_ptr<tGuiHoverable> _treat;
};


}  // namespace vandrell

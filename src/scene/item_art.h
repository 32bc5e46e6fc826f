// The pictures every item slot shares: the cushion, the cushion lit up under
// the pointer or while its item is held, and the pulsing frame around it.
// All are drawn about their centres.
#pragma once

#include <memory>

#include "platform/image.h"

namespace vandrell {

class tItemArt {
 public:
  TImagePtr bg;
  TImagePtr hover;
  TImagePtr border;

  virtual ~tItemArt() = default;

  // "data/item.png" and "data/item_hover.png" with the default image flags,
  // "data/item_border.png" filtered, through the cache of what lives the
  // whole run; a missing picture is left out of the drawing.
  static std::shared_ptr<tItemArt> Load();
  // Loaded at the first use, which is when the first level builds its slots.
  static tItemArt& Current();
};

}  // namespace vandrell

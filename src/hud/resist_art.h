// The pictures of the resist meter: the walnut body with the slot the bar
// runs in, the frame that grows around it, the bar, and the grey liquid laid
// over the bar in the colour the script asked for. All are drawn about their
// centres.
#pragma once

#include <memory>

#include "platform/image.h"

namespace vandrell {

class tResistArt {
 public:
  TImagePtr body;
  TImagePtr border;
  TImagePtr bar;
  TImagePtr colorbar;

  virtual ~tResistArt() = default;

  // "data/resist.png", "data/resist_border.png", "data/resist_bar.png" and
  // "data/resist_colorbar.png" with the default image flags, through the
  // cache of what lives the whole run; a missing picture is left out of the
  // drawing.
  static std::shared_ptr<tResistArt> Load();
  // Loaded at the first use, which is when the first level builds its meter.
  static tResistArt& Current();
};

}  // namespace vandrell

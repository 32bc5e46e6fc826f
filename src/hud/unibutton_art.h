// The pictures of the universal button: its round face, the face lit under
// the pointer, and the frame that breathes around it. All are drawn about
// their centres.
#pragma once

#include <memory>

#include "platform/image.h"

namespace vandrell {

class tUnibuttonArt {
 public:
  TImagePtr face;
  TImagePtr hover;
  TImagePtr border;

  virtual ~tUnibuttonArt() = default;

  // "data/unibutton.png" and "data/unibutton_hover.png" with the default
  // image flags, "data/unibutton_border.png" filtered, through the cache of
  // what lives the whole run; a missing picture is left out of the drawing.
  static std::shared_ptr<tUnibuttonArt> Load();
  // Loaded at the first use, when the first level builds its button.
  static tUnibuttonArt& Current();
};

}  // namespace vandrell

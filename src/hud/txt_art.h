// The two pictures behind every on-screen text: the dark tile laid under the
// words and the fainter border that grows around it once a text has arrived.
// Both are drawn about their centres, tinted black.
#pragma once

#include <memory>

#include "platform/image.h"

namespace vandrell {

class tTxtArt {
 public:
  TImagePtr bg;
  TImagePtr border;

  virtual ~tTxtArt() = default;

  // "data/txt.png" with the default image flags and "data/txt_border.png"
  // filtered, through the cache of what lives the whole run; a missing
  // picture is left out of the drawing.
  static std::shared_ptr<tTxtArt> Load();
  // Loaded at the first use, which is when the first level builds its texts.
  static tTxtArt& Current();
};

}  // namespace vandrell

// The pictures of the game's own cursor: one per cursor number the scenes
// may ask for, and the attention mark some of them carry. All are drawn
// about their centres, so the pointer's hot spot is the picture's middle.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "platform/image.h"

namespace vandrell {

class tCursorArt {
 public:
  // By cursor number: 0 normal, -1 over links and buttons, -2 the hand,
  // 1 to 6 the scenes' own shapes (4 and 5 share 1's and 2's pictures).
  std::map<int32_t, TImagePtr> shapes;
  TImagePtr attention;

  virtual ~tCursorArt() = default;

  // The picture of cursor number `n`; null for a number without one.
  TImagePtr shape(int32_t n) const;

  // "data/cursor*.png" through the cache of what lives the whole run; a
  // missing picture leaves its number without a shape.
  static std::shared_ptr<tCursorArt> Load();
  // Loaded at the first use, the first frame that draws the cursor.
  static tCursorArt& Current();
};

}  // namespace vandrell

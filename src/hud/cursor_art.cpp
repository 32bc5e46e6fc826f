#include "hud/cursor_art.h"

#include <string>

#include "platform/process_wide.h"
#include "resources/media_lookup.h"

namespace vandrell {

TImagePtr tCursorArt::shape(int32_t n) const {
  const auto found = shapes.find(n);
  return found == shapes.end() ? nullptr : found->second;
}

std::shared_ptr<tCursorArt> tCursorArt::Load() {
  const auto load = [](const std::string& name) {
    TImagePtr image = tFile::Current().image("data/" + name + ".png", -1, rmDefault());
    CentreImageHandle(image);
    return image;
  };
  auto art = std::make_shared<tCursorArt>();
  art->shapes[0] = load("cursor");
  art->shapes[-1] = load("cursor_hover");
  art->shapes[-2] = load("cursor_hand");
  art->shapes[1] = art->shapes[4] = load("cursor_1");
  art->shapes[2] = art->shapes[5] = load("cursor_2");
  art->shapes[3] = load("cursor_3");
  art->shapes[6] = load("cursor_6");
  art->attention = load("cursor_attention");
  return art;
}

tCursorArt& tCursorArt::Current() { return tProcessWide<tCursorArt>::get(Load); }

}  // namespace vandrell

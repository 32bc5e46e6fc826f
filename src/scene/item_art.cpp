#include "scene/item_art.h"

#include "platform/process_wide.h"
#include "resources/media_lookup.h"

namespace vandrell {

std::shared_ptr<tItemArt> tItemArt::Load() {
  auto art = std::make_shared<tItemArt>();
  art->bg = tFile::Current().image("data/item.png", -1, rmDefault());
  art->hover = tFile::Current().image("data/item_hover.png", -1, rmDefault());
  art->border = tFile::Current().image("data/item_border.png", FILTEREDIMAGE, rmDefault());
  for (const TImagePtr& image : {art->bg, art->hover, art->border}) CentreImageHandle(image);
  return art;
}

tItemArt& tItemArt::Current() { return tProcessWide<tItemArt>::get(Load); }

}  // namespace vandrell

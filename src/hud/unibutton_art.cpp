#include "hud/unibutton_art.h"

#include "platform/process_wide.h"
#include "resources/media_lookup.h"

namespace vandrell {

std::shared_ptr<tUnibuttonArt> tUnibuttonArt::Load() {
  auto art = std::make_shared<tUnibuttonArt>();
  art->face = tFile::Current().image("data/unibutton.png", -1, rmDefault());
  art->hover = tFile::Current().image("data/unibutton_hover.png", -1, rmDefault());
  art->border = tFile::Current().image("data/unibutton_border.png", FILTEREDIMAGE, rmDefault());
  for (const TImagePtr& image : {art->face, art->hover, art->border}) CentreImageHandle(image);
  return art;
}

tUnibuttonArt& tUnibuttonArt::Current() { return tProcessWide<tUnibuttonArt>::get(Load); }

}  // namespace vandrell

#include "hud/resist_art.h"

#include "platform/process_wide.h"
#include "resources/media_lookup.h"

namespace vandrell {

std::shared_ptr<tResistArt> tResistArt::Load() {
  auto art = std::make_shared<tResistArt>();
  for (auto [image, url] : {std::pair{&art->body, "data/resist.png"}, std::pair{&art->border, "data/resist_border.png"},
                            std::pair{&art->bar, "data/resist_bar.png"},
                            std::pair{&art->colorbar, "data/resist_colorbar.png"}}) {
    *image = tFile::Current().image(url, -1, rmDefault());
    CentreImageHandle(*image);
  }
  return art;
}

tResistArt& tResistArt::Current() { return tProcessWide<tResistArt>::get(Load); }

}  // namespace vandrell

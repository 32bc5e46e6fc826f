#include "hud/txt_art.h"

#include "platform/process_wide.h"
#include "resources/media_lookup.h"

namespace vandrell {

std::shared_ptr<tTxtArt> tTxtArt::Load() {
  auto art = std::make_shared<tTxtArt>();
  art->bg = tFile::Current().image("data/txt.png", -1, rmDefault());
  art->border = tFile::Current().image("data/txt_border.png", FILTEREDIMAGE, rmDefault());
  CentreImageHandle(art->bg);
  CentreImageHandle(art->border);
  return art;
}

tTxtArt& tTxtArt::Current() { return tProcessWide<tTxtArt>::get(Load); }

}  // namespace vandrell

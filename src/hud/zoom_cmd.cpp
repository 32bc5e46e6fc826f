#include "hud/zoom_cmd.h"

#include "audio/audio.h"
#include "hud/journal.h"
#include "hud/level_wide.h"
#include "hud/zoom.h"

namespace vandrell {

tZoomCmd::tZoomCmd() : tPanelCmd("zoom", 778.0f, 540.0f, 50.0f, 25.0f) {}

tZoomCmd& tZoomCmd::Current() { return tLevelWide<tZoomCmd>::get(); }

int32_t tZoomCmd::isEnable() const { return tPanelCmd::isEnable() && !tJournal::Current().isShow() ? 1 : 0; }

int32_t tZoomCmd::GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) {
  // A right click counts only when no object below took it (a held item
  // dropped by it answers the press).
  const bool rightClick = msg.key() == 2 && isEnable() && !msg.checkOut().has_value();
  if (!_pressed(msg, 1) && !rightClick) return 0;
  tAudio::Current().shout_click();
  tZoom& zoom = tZoom::Current();
  if (zoom.isShow()) {
    zoom.hide();
  } else {
    zoom.show();
  }
  return 0;
}

}  // namespace vandrell

#include "hud/panel_parts.h"

#include "gui/app_messages.h"
#include "resources/media_lookup.h"
#include "scene/message.h"

namespace vandrell {

namespace {

constexpr float SCREEN_CENTRE = 400.0f;
constexpr float SCREEN_BOTTOM = 600.0f;
// Where the frame is opaque enough to take the pointer.
constexpr int32_t SHIELD_ALPHA = 128;

}  // namespace

tPanelImage::tPanelImage(const std::string& picture) {
  pixmap(tFile::Current().pixmap("data/" + picture + ".png", rmDefault()), -1);
  resetScale();
  hotspot(0.5f, 1.0f);
  move(SCREEN_CENTRE, SCREEN_BOTTOM, 0);
}

tPanelBg::tPanelBg() : tPanelImage("panel_bg") {}

tPanelFg::tPanelFg() : tPanelImage("panel") {
  keepHover(1);
  keepTreat(1);
  pixelHovering(SHIELD_ALPHA);
}

tPanelLabel::tPanelLabel() {
  letter(tFile::Current().letter("data/1/font", rmDefault()), 0);
  hotspot(0.0f, 0.5f);
  move(20.0f, 585.0f, 0);
}

void tPanelLabel::zeb_globalmission(const std::string& id) {
  const tMessagePtr message = M_MESSAGE_FIND::ask(id);
  value(message ? message->getLine(0) : "");
}

}  // namespace vandrell

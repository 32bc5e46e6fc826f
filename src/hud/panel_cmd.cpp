#include "hud/panel_cmd.h"

#include "audio/audio.h"
#include "core/numeric.h"
#include "resources/media_lookup.h"

namespace vandrell {

tPanelCmd::tPanelCmd(const std::string& picture, float h, float v, float l, float t)
    : _bg(_picture("data/" + picture + ".png", -1)), _fg(_picture("data/" + picture + "_hover.png", -1)) {
  keepHover(1);
  keepTreat(1);
  // The pictures start on the centre and stay there as the form takes its
  // place and size.
  hotspot(0.5f, 0.5f);
  // Nothing is under the pointer yet.
  _fg->color()->a = 0.0f;
  set()->insert(_bg);
  set()->insert(_fg);
  move(h, v, 0);
  resize(l, t, 0);
}

std::shared_ptr<tGuiPicture> tPanelCmd::_picture(const std::string& url, int32_t flags) {
  auto picture = std::make_shared<tGuiPicture>();
  picture->pixmap(tFile::Current().pixmap(url, rmDefault()), flags);
  picture->resetScale();
  picture->hotspot(0.5f, 0.5f);
  picture->anchorSize(ANCHOR_START, ANCHOR_START);
  return picture;
}

int32_t tPanelCmd::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  _fadePictures(_hoverSpeed * msg.delta(), isEnable());
  return 0;
}

void tPanelCmd::_fadePictures(float rate, int32_t lit) {
  _bg->color()->a = approachf(_bg->color()->a, _alphaTarget(lit), rate);
  _fg->color()->a = approachf(_fg->color()->a, isTreat() ? 1.0f : 0.0f, rate);
  _fg->visible(lit);
}

int32_t tPanelCmd::hovering(float x, float y) { return isEnable() ? _hoveringRect(x, y) : 0; }

void tPanelCmd::treat(const std::shared_ptr<tGuiHoverable>&) { tAudio::Current().shout_treat(); }

bool tPanelCmd::_pressed(const vandrell::GUIMSG_MOUSEDOWN& msg, int32_t button) const {
  return msg.key() == button && isTreat() && isEnable();
}

}  // namespace vandrell

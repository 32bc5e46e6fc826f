#include "scene/pic_message.h"

#include <cmath>

#include "gui/app_messages.h"
#include "platform/image.h"
#include "resources/media_lookup.h"
#include "resources/resource_manager.h"

namespace vandrell {

tLetterPtr tPicMessage::font(int32_t number) {
  std::string folder;
  if (number >= 1 && number <= 4) {
    folder = std::to_string(number);
  } else if (number == 11) {
    folder = "1t";
  } else {
    return nullptr;
  }
  // Fonts outlive levels: their glyphs stay in the run's cache, and each pic
  // gets a font object of its own to space as its record says.
  return tFile::Current().letter("data/" + folder + "/font", rmDefault());
}

void tPicMessage::saveInstant(tConfigBase& cfg, const std::string& section) {
  tPicImage::saveInstant(cfg, section);
  cfg.SetString(section, "idmessage", _idmessage);
  cfg.SetInt(section, "autorefresh", _autorefresh);
}

void tPicMessage::loadInstant(tConfigBase& cfg, const std::string& section) {
  tPicImage::loadInstant(cfg, section);
  _idmessage = cfg.GetString(section, "idmessage", "");
  _autorefresh = cfg.GetInt(section, "autorefresh", 0);
}

void tPicMessage::loadSrc(const std::string& src, const tPicParams& prms, tResourceManager& resources) {
  _src = src;
  _prms = prms;
  _idmessage = src;
}

void tPicMessage::reloadSrc(tResourceManager& resources) {
  // The words shown, also a literal text that a look at the message would
  // leave alone, then whatever the message says now.
  words()._modify();
  showWords();
  refresh();
}

int32_t tPicMessage::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  tPicImage::GUIMSG_UPDATE(msg);
  _refreshTime += msg.delta();
  if (_visual->isVisible() && _visual->isPaint() && _autorefresh && _refreshTime >= _refreshPeriod) {
    _refreshTime = std::fmod(_refreshTime, _refreshPeriod);
    refresh();
  }
  return 0;
}

void tPicMessage::zeb_settext(const std::string& key) {
  _idmessage = key;
  refresh();
}

tMessagePtr tPicMessage::findMessage() const { return M_MESSAGE_FIND::ask(_idmessage); }

void tPicMessage::showWords() {
  tGuiLabel& label = words();
  label.makeSurface();
  const TImagePtr& surface = label.getSurface();
  const TPixmapPtr pixels = surface && surface->frameCount() > 0 ? surface->pixmaps[0] : nullptr;
  if (pixels == _visual->getPixmap()) return;
  if (pixels) {
    _visual->pixmap(pixels, FILTEREDIMAGE);
  } else {
    _visual->image(nullptr);
  }
  zeb_offset(_ox, _oy);
}

}  // namespace vandrell

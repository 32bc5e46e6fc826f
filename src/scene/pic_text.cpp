#include "scene/pic_text.h"

#include <string>
#include <vector>

namespace vandrell {

tPicText::tPicText() { _text->autosurface(0); }

void tPicText::loadParams(const tPicParams& prms) {
  _toy = static_cast<float>(ParamInt(prms, 3)) * 0.5f;
  if (const tLetterPtr letter = font(ParamInt(prms, 24))) _text->letter(letter, 0);
  if (const tLetterPtr& letter = _text->getLetter()) {
    letter->space(0, ParamInt(prms, 27));
    _text->_modify();
  }
  tPicMessage::loadParams(prms);
  refresh();
}

void tPicText::refresh() {
  const tMessagePtr message = findMessage();
  const std::vector<std::string> lines = message ? message->getText() : std::vector<std::string>{""};
  if (lines != _text->getLines()) {
    _text->clearlines();
    _text->array2lines(lines);
  }
  showWords();
  _visual->resize(_text->l(), _text->t(), 0);
}

void tPicText::zeb_offset(float ox, float oy) {
  tPicMessage::zeb_offset(ox, oy);
  if (const TPixmapPtr pixels = _visual->getPixmap()) {
    _visual->hotspot(_visual->hHotspot(), (_toy + oy) / static_cast<float>(pixels->height));
  }
}

void tPicText::zeb_scale(float w, float h) {
  _text->resize(w, h, 0);
  refresh();
  zeb_offset(_ox, _oy);
}

}  // namespace vandrell

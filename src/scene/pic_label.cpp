#include "scene/pic_label.h"

#include "scene/glide.h"

namespace vandrell {

tPicLabel::tPicLabel() { _label->autosurface(0); }

void tPicLabel::saveInstant(tConfigBase& cfg, const std::string& section) {
  tPicMessage::saveInstant(cfg, section);
  cfg.SetFloat(section, "l", _l);
  cfg.SetFloat(section, "t", _t);
}

void tPicLabel::loadInstant(tConfigBase& cfg, const std::string& section) {
  tPicMessage::loadInstant(cfg, section);
  _l = cfg.GetFloat(section, "l", 0.0f);
  _t = cfg.GetFloat(section, "t", 0.0f);
  // The picture's restore read the scale factors as a size.
  fitScale();
}

void tPicLabel::loadParams(const tPicParams& prms) {
  if (const tLetterPtr letter = font(ParamInt(prms, 24))) _label->letter(letter, 0);
  _l = ParamFloat(prms, 2);
  _t = ParamFloat(prms, 3);
  _nline = ParamInt(prms, 25);
  zeb_txtupdate();
  tPicMessage::loadParams(prms);
}

void tPicLabel::refresh() {
  if (_settext) return;
  const tMessagePtr message = findMessage();
  showText(message ? message->getLine(_nline) : "");
}

void tPicLabel::settext(const std::string& text) {
  _settext = 1;
  showText(text);
}

void tPicLabel::showText(const std::string& text) {
  _label->value(text);
  showWords();
  fitScale();
}

void tPicLabel::zeb_scale(float sx, float sy) {
  _l = sx;
  _t = sy;
  _lSpeed = _tSpeed = 0.0f;
  fitScale();
}

void tPicLabel::zeb_resize(float sx, float sy, float time) {
  _lTo = sx;
  _tTo = sy;
  _lSpeed = GlideSpeed(sx, _l, time);
  _tSpeed = GlideSpeed(sy, _t, time);
}

void tPicLabel::glideSize(float d) {
  _l = Glide(_l, _lTo, d, _lSpeed);
  _t = Glide(_t, _tTo, d, _tSpeed);
  fitScale();
}

void tPicLabel::fitScale() { _visual->resize(_visual->lPixmap() * _l, _visual->tPixmap() * _t, 0); }

}  // namespace vandrell

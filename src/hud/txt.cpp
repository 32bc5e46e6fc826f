#include "hud/txt.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "audio/audio.h"
#include "core/numeric.h"
#include "core/screen.h"
#include "gui/mouse_catcher.h"
#include "hud/txt_art.h"
#include "platform/draw.h"
#include "resources/media_lookup.h"
#include "scene/message.h"
#include "scene/pic_property.h"

namespace vandrell {

namespace {

// How far a leaving text has travelled sideways when it is gone.
constexpr float SLIDE_DISTANCE = 800.0f;
constexpr int32_t FONT_FIRST = 1;
constexpr int32_t FONT_LAST = 4;

// A field of a level file's parameter record as an integer: leading digits
// count, anything else (a missing field too) reads as 0.
int32_t paramInt(const std::vector<std::string>& params, size_t index) {
  if (index >= params.size()) return 0;
  const long long value = std::strtoll(params[index].c_str(), nullptr, 10);
  return static_cast<int32_t>(
      std::clamp<long long>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// A saved appearance outside 0..1 would leave a text stuck half shown: it is
// read back as the nearest valid value, and one that is not a number as 0.
float unitInterval(float value) { return clampf(0.0f, value, 1.0f); }

}  // namespace

tTxt::tTxt() : _scale(_nextScale) {
  _nextScale = -_nextScale;
  keepHover(1);
  keepTreat(1);
  autosurface(0);
  hotspot(0.5f, 0.5f);
  // The pictures load with the first text, while its level loads, rather
  // than in the middle of the first frame that shows one.
  tTxtArt::Current();
}

void tTxt::saveInstant(tConfigBase& config, const std::string& section) const {
  config.SetInt(section, "x", _x);
  config.SetInt(section, "y", _y);
  config.SetFloat(section, "border", _borderScale);
  config.SetFloat(section, "fade", _fade);
  config.SetFloat(section, "fadeTo", _fadeTo);
  config.SetString(section, "idmessage", _idmessage);
  config.SetInt(section, "shown", _shown);
  config.SetInt(section, "autorefresh", _autorefresh);
}

void tTxt::loadInstant(const tConfigBase& config, const std::string& section) {
  _x = config.GetInt(section, "x", 0);
  _y = config.GetInt(section, "y", 0);
  _borderScale = unitInterval(config.GetFloat(section, "border", 0.0f));
  _fade = unitInterval(config.GetFloat(section, "fade", 0.0f));
  _fadeTo = unitInterval(config.GetFloat(section, "fadeTo", 0.0f));
  _idmessage = config.GetString(section, "idmessage", "");
  _shown = config.GetInt(section, "shown", 0);
  _autorefresh = config.GetInt(section, "autorefresh", 0);
}

void tTxt::loadSrc(const std::string& id) { _idmessage = id; }

void tTxt::loadParams(const std::vector<std::string>& params) {
  _x0 = paramInt(params, 0);
  _y0 = paramInt(params, 1);
  const int32_t font = paramInt(params, 24);
  if (font >= FONT_FIRST && font <= FONT_LAST) {
    letter(tFile::Current().letter("data/" + std::to_string(font) + "/font", rmDefault()), 0);
  }
  _nline = paramInt(params, 25);
  zeb_txtupdate();
}

int32_t tTxt::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  if (!isShow()) return 0;
  const float delta = msg.delta();
  _fade = approachf(_fade, _fadeTo, _fadeSpeed * delta);
  const float ox = static_cast<float>(tPicProperty::Current().offsetX());
  const float oy = static_cast<float>(tPicProperty::Current().offsetY());
  if (_fadeTo > 0.0f) {
    // From the call-up point to the resting place as it fades in.
    move(static_cast<float>(_x) + static_cast<float>(_x0 - _x) * _fade + ox,
         static_cast<float>(_y) + static_cast<float>(_y0 - _y) * _fade + oy, 0);
  } else {
    // Odd lines leave to the right, even ones to the left.
    const float away = SLIDE_DISTANCE * (1.0f - _fade);
    move(static_cast<float>(_x0) + (_nline % 2 != 0 ? away : -away) + ox, static_cast<float>(_y0) + oy, 0);
  }
  // The border grows only once the text has fully arrived.
  _borderScale = approachf(_borderScale, _fade == 1.0f ? 1.0f : 0.0f, _fadeSpeed * delta);
  _refreshTime += delta;
  return 0;
}

int32_t tTxt::M_TXT_RENDER0(vandrell::M_TXT_RENDER0&) {
  renderBg();
  return 0;
}

int32_t tTxt::M_TXT_RENDER1(vandrell::M_TXT_RENDER1&) {
  render();
  return 0;
}

void tTxt::renderBg() {
  if (isVisible() && isPaint()) _paintBg();
}

void tTxt::_paintBg() {
  const tTxtArt& art = tTxtArt::Current();
  SetColor(0, 0, 0);
  SetAlpha(_fade);
  SetBlend(ALPHABLEND);
  SetRotation(0.0f);
  const float width = l();
  const int32_t tiles = static_cast<int32_t>(std::ceil(width / _wBg));
  // The tiles close up on the centre while the text is still small.
  float centre = h();
  float step = 0.0f;
  if (tiles > 1) {
    centre -= (width - _wBg) / 2.0f * _fade;
    step = (width - _wBg) / static_cast<float>(tiles - 1) * _fade;
  }
  const bool shown = _fadeTo > 0.0f;
  const float y = V2Y(v());
  float s = _scale;
  for (int32_t tile = 0; tile < tiles; ++tile, centre += step, s = -s) {
    // A negative scale turns the tile by 180 degrees.
    const float x = H2X(centre);
    if (shown) {
      SetScale(_borderScale * s * aspectw(), _borderScale * s * aspecth());
      DrawImage(art.border, x, y);
      SetScale(_fade * s * aspectw(), _fade * s * aspecth());
    } else {
      SetScale(s * aspectw(), s * aspecth());
    }
    DrawImage(art.bg, x, y);
  }
}

int32_t tTxt::GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN&) {
  if (isTreat() && _fade >= 1.0f) {
    tAudio::Current().shout_hidemessage();
    send(vandrell::M_TXT_HIDE{});
  }
  return 0;
}

int32_t tTxt::M_TXT_HIDE(vandrell::M_TXT_HIDE&) {
  if (_fade == 1.0f) hide();
  return 0;
}

void tTxt::show(int32_t x, int32_t y) {
  if (_fadeTo > 0.0f) return;
  const std::shared_ptr<tMessage> message = M_MESSAGE_FIND::ask(_idmessage);
  if (message && message->getLine(0).empty()) {
    M_COMMAND_START::send(_idmessage + "_on");
    M_COMMAND_START::send(_idmessage + "_off");
    return;
  }
  _x = x;
  _y = y;
  _fadeTo = 1.0f;
  zeb_txtupdate();
  M_COMMAND_START::send(_idmessage + "_on");
}

void tTxt::hide() {
  if (_fadeTo <= 0.0f) return;
  _fadeTo = 0.0f;
  M_COMMAND_START::send(_idmessage + "_off");
}

int32_t tTxt::isShow() const { return _fade > 0.0f || _fadeTo > 0.0f ? 1 : 0; }

void tTxt::refresh() {
  const std::shared_ptr<tMessage> message = M_MESSAGE_FIND::ask(_idmessage);
  value(message ? message->getLine(_nline) : "");
  // Built now rather than at paint time, so that the handle can be centred.
  makeSurface();
  CentreImageHandle(_surface);
}

void tTxt::zeb_txtupdate() { refresh(); }

void tTxt::zeb_txtautoupdateon() { _autorefresh = 1; }

void tTxt::zeb_txtautoupdateoff() { _autorefresh = 0; }

void tTxt::zeb_txtm() {
  if (_shown == 0) zeb_txtmm();
}

void tTxt::zeb_txtmm() {
  _shown = 1;
  const tGuiMouseCatcher& mouse = tGuiMouseCatcher::Current();
  show(trunci(mouse.h() - static_cast<float>(tPicProperty::Current().offsetX())), trunci(mouse.v() - static_cast<float>(tPicProperty::Current().offsetY())));
}

void tTxt::zeb_txtxy(int32_t x, int32_t y) {
  if (_shown != 0) return;
  _shown = 1;
  show(x, y);
}

void tTxt::zeb_settext(const std::string& id) {
  _idmessage = id;
  refresh();
}

int32_t tTxt::hovering(float, float) { return _fadeTo > 0.0f ? 1 : 0; }

int32_t tTxt::isVisible() const { return _fade > 0.0f && tGuiLabel::isVisible() ? 1 : 0; }

void tTxt::_paint() {
  if (_autorefresh == 1 && _refreshTime >= _refreshPeriod) {
    _refreshTime = std::fmod(_refreshTime, _refreshPeriod);
    refresh();
  }
  _color->a = _fade;
  _color->Setup();
  // The words grow from nothing on the way in and keep their size on the way out.
  const float grow = _fadeTo > 0.0f ? _fade : 1.0f;
  SetTransform(0.0f, grow * aspectw(), grow * aspecth());
  DrawImage(_surface, H2X(h()), V2Y(v()));
}

}  // namespace vandrell

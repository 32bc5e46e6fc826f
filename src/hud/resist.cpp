#include "hud/resist.h"

#include <cmath>

#include "core/numeric.h"
#include "core/screen.h"
#include "gui/app_messages.h"
#include "hud/journal.h"
#include "hud/level_wide.h"
#include "hud/resist_art.h"
#include "resources/media_lookup.h"
#include "scene/message.h"

namespace vandrell {

namespace {

// The message sits left of the anchor, just above its middle.
constexpr float LABEL_LEFT = 100.0f;
constexpr float LABEL_RAISE = 2.0f;

float unitInterval(float value) { return clampf(0.0f, value, 1.0f); }

// Drawn about its centre at the screen scale times `scale`.
void drawCentred(const TImagePtr& image, float h, float v, float scale) {
  SetScale(scale * aspectw(), scale * aspecth());
  DrawImage(image, H2X(h), V2Y(v));
}

}  // namespace

tResist::tResist() {
  _label->letter(tFile::Current().letter("data/2/font", rmDefault()), 0);
  _label->hotspot(0.0f, 0.0f);
  // The pictures load with the level's meter rather than in the middle of
  // the first frame that shows it.
  tResistArt::Current();
}

tResist& tResist::Current() { return tLevelWide<tResist>::get(); }

std::shared_ptr<tResist> tResist::Renew() {
  auto meter = std::make_shared<tResist>();
  tLevelWide<tResist>::set(meter);
  return meter;
}

void tResist::saveInstant(tConfigBase& config, const std::string& section) const {
  config.SetFloat(section, "fade", _fade);
  config.SetFloat(section, "fadeTo", _fadeTo);
  config.SetFloat(section, "border", _borderScale);
  config.SetString(section, "idmessage", _idmessage);
  config.SetString(section, "fail", _failCommand);
  config.SetFloat(section, "timer", _timer);
  config.SetFloat(section, "timerSpeed", _timerSpeed);
  config.SetFloat(section, "r", _c->r);
  config.SetFloat(section, "g", _c->g);
  config.SetFloat(section, "b", _c->b);
  config.SetInt(section, "pause", _pause);
}

void tResist::loadInstant(const tConfigBase& config, const std::string& section) {
  _fade = unitInterval(config.GetFloat(section, "fade", 0.0f));
  _fadeTo = unitInterval(config.GetFloat(section, "fadeTo", 0.0f));
  _borderScale = unitInterval(config.GetFloat(section, "border", 0.0f));
  setMessage(config.GetString(section, "idmessage", ""));
  _failCommand = config.GetString(section, "fail", "");
  _timer = unitInterval(config.GetFloat(section, "timer", 0.0f));
  const float speed = config.GetFloat(section, "timerSpeed", 0.0f);
  _timerSpeed = std::isfinite(speed) && speed > 0.0f ? speed : 0.0f;
  _c->SetRGB(config.GetFloat(section, "r", 0.0f), config.GetFloat(section, "g", 0.0f),
             config.GetFloat(section, "b", 0.0f));
  _pause = config.GetInt(section, "pause", 0);
}

void tResist::show() { _fadeTo = 1.0f; }

void tResist::hide() { _fadeTo = 0.0f; }

int32_t tResist::isShow() const { return _fade > 0.0f || _fadeTo > 0.0f ? 1 : 0; }

int32_t tResist::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  _painted = false;
  if (!isShow()) return 0;
  const float delta = msg.delta();
  const bool showing = _fadeTo > 0.0f;
  _fade = approachf(_fade, _fadeTo, (showing ? _fadeinSpeed : _fadeoutSpeed) * delta);
  // The frame grows only once the meter has arrived.
  _borderScale = approachf(_borderScale, _fade == 1.0f ? 1.0f : 0.0f, _borderSpeed * delta);
  if (showing && !isPause()) {
    _timer = approachf(_timer, 0.0f, _timerSpeed * delta);
    if (_timer == 0.0f) fail();
  }
  return 0;
}

int32_t tResist::GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
  if (!isShow() || _painted) return 0;
  _painted = true;
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  SetBlend(ALPHABLEND);
  SetRotation(0.0f);
  if (_fadeTo > 0.0f) {
    _paintShowing();
  } else {
    _paintHiding();
  }
  return 0;
}

void tResist::_paintShowing() {
  const tResistArt& art = tResistArt::Current();
  const float h = _x0;
  const float v = vAnchor();
  drawCentred(art.border, h, v, _borderScale);
  drawCentred(art.body, h, v, 1.0f);
  drawCentred(art.bar, h, v, 1.0f);
  _c->Setup();
  drawCentred(art.colorbar, h, v, 1.0f);
  if (art.bar) {
    // The time used darkens the bar from the right; the time left is what
    // stays lit on the left.
    const auto width = static_cast<float>(art.bar->width);
    const int32_t height = art.bar->height;
    SetColor(0, 0, 0);
    SetAlpha(1.0f);
    SetScale(1.0f, 1.0f);
    DrawRect(H2X(h - width * (0.5f - _timer)), V2Y(v - static_cast<float>(height / 2)),
             L2W(width * (1.0f - _timer)), T2H(static_cast<float>(height)));
  }
  _label->move(h - LABEL_LEFT, v - LABEL_RAISE, 0);
  _label->paint();
}

void tResist::_paintHiding() {
  const tResistArt& art = tResistArt::Current();
  // It shrinks where it rests rather than sliding back up.
  drawCentred(art.border, _x1, _y1, _fade);
  drawCentred(art.body, _x1, _y1, _fade);
}

void tResist::setMessage(const std::string& id) {
  _idmessage = id;
  if (const tMessagePtr message = M_MESSAGE_FIND::ask(id)) _label->value(message->getLine(0));
}

void tResist::fail() {
  hide();
  M_COMMAND_NEXTCALL::send(_failCommand);
}

int32_t tResist::isPause() const {
  // The cheap questions first: asking for a shown text is a broadcast.
  return _pause != 0 || tJournal::Current().isShow() || M_TXT_ISSHOW::ask() != nullptr ? 1 : 0;
}

void tResist::zeb_resist(float time, const std::string& idmessage, const std::string& failCommand, float r, float g,
                         float b) {
  if (!(time > 0.0f)) {
    hide();
    return;
  }
  _timer = 1.0f;
  _timerSpeed = 1.0f / time;
  _failCommand = failCommand;
  _c = tColorf::CreateRGBA(r, g, b, 1.0f, ALPHABLEND);
  setMessage(idmessage);
  show();
}

}  // namespace vandrell

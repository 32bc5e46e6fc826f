#include "hud/unibutton.h"

#include "audio/audio.h"
#include "core/numeric.h"
#include "core/screen.h"
#include "gui/app_messages.h"
#include "gui/color.h"
#include "hud/unibutton_art.h"
#include "platform/draw.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"
#include "scene/message.h"
#include "scene/pic_property.h"

namespace vandrell {

namespace {
constexpr int32_t LINE_SPACING = -5;
constexpr int32_t ALIGN_CENTRE = 2;
}  // namespace

tUnibutton::tUnibutton() {
  keepHover(1);
  keepTreat(1);
  autosurface(0);
  hotspot(0.5f, 0.5f);
  resize(_textWidth, 0.0f, 0);
  // A font of its own: the spacing must not tighten other texts in it.
  const tLetterPtr font = tFile::Current().letter("data/1/font", rmDefault());
  font->space(0, LINE_SPACING);
  letter(font, 0);
  align(ALIGN_CENTRE);
}

tUnibutton& tUnibutton::Current() { return tProcessWide<tUnibutton>::get(); }

bool tUnibutton::Exists() { return tProcessWide<tUnibutton>::exists(); }

const std::shared_ptr<tUnibutton>& tUnibutton::Renew() {
  tProcessWide<tUnibutton>::exchange(std::make_shared<tUnibutton>());
  return tProcessWide<tUnibutton>::shared();
}

void tUnibutton::saveInstant(tConfigBase& config, const std::string& section) const {
  config.SetFloat(section, "border", _borderScale);
  config.SetFloat(section, "fade", _fade);
  config.SetFloat(section, "fadeTo", _fadeTo);
  config.SetString(section, "idcommand", _idcommand);
  config.SetString(section, "idmessage", _idmessage);
  config.SetFloat(section, "h", h());
  config.SetFloat(section, "v", v());
}

void tUnibutton::loadInstant(const tConfigBase& config, const std::string& section) {
  _borderScale = config.GetFloat(section, "border", 0.0f);
  _fade = config.GetFloat(section, "fade", 0.0f);
  _fadeTo = config.GetFloat(section, "fadeTo", 0.0f);
  _idcommand = config.GetString(section, "idcommand", "");
  _idmessage = config.GetString(section, "idmessage", "");
  move(config.GetFloat(section, "h", 0.0f), config.GetFloat(section, "v", 0.0f), 0);
  refresh();
}

int32_t tUnibutton::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  if (_fade <= 0.0f && _fadeTo <= 0.0f) return 0;
  const float delta = msg.delta();
  _fade = approachf(_fade, _fadeTo, _fadeSpeed * delta);
  if (_fadeTo > 0.0f) {
    _borderScale = approachf(_borderScale, isTreat() ? _borderMin : _borderMax, _borderSpeed * delta);
  } else {
    _borderScale = approachf(_borderScale, 0.0f, _fadeSpeed * delta);
  }
  return 0;
}

void tUnibutton::refresh() {
  if (const tMessagePtr message = M_MESSAGE_FIND::ask(_idmessage)) array2lines(message->getText());
  makeSurface();
  CentreImageHandle(getSurface());
}

void tUnibutton::fadein(float x, float y) {
  _fadeTo = 1.0f;
  move(x, y, 0);
}

void tUnibutton::fadeout() { _fadeTo = 0.0f; }

int32_t tUnibutton::GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) {
  // A button already on its way out ignores a second press of the same
  // frame, so its command plays once per click.
  if (msg.key() != 1 || !isTreat() || _fadeTo <= 0.0f) return 0;
  msg.out(shared_from_this());
  tAudio::Current().shout_click();
  fadeout();
  M_COMMAND_PLAYCALL::send(_idcommand);
  return 0;
}

void tUnibutton::zeb_unibutton(const std::string& idmessage, int32_t x, int32_t y, const std::string& idcommand) {
  _idmessage = idmessage;
  _idcommand = idcommand;
  refresh();
  const tPicProperty& scene = tPicProperty::Current();
  fadein(static_cast<float>(x + scene.offsetX()), static_cast<float>(y + scene.offsetY()));
}

void tUnibutton::zeb_offunibutton() { fadeout(); }

int32_t tUnibutton::hovering(float x, float y) { return _fade == 1.0f ? _hoveringRect(x, y) : 0; }

int32_t tUnibutton::isVisible() const { return _fade > 0.0f && tGuiText::isVisible() ? 1 : 0; }

void tUnibutton::treat(const std::shared_ptr<tGuiHoverable>&) { tAudio::Current().shout_treat(); }

void tUnibutton::_paint() {
  const tUnibuttonArt& art = tUnibuttonArt::Current();
  const float x = H2X(h());
  const float y = V2Y(v());
  const bool lit = isTreat() != 0;
  tColorf::CreateBrightA(_fade, ALPHABLEND)->Setup();
  SetTransform(0.0f, _borderScale * aspectw(), _borderScale * aspecth());
  DrawImage(art.border, x, y);
  SetScale(_fade * aspectw(), _fade * aspecth());
  DrawImage(lit ? art.hover : art.face, x, y);
  // The words are white on the lit face and lilac on the plain one.
  if (!lit) tColorf::CreateRGBA(0.7f, 0.5f, 1.0f, _fade, ALPHABLEND)->Setup();
  DrawImage(getSurface(), x, y);
}

}  // namespace vandrell

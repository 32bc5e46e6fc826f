#include "scene/pic_image.h"

#include <algorithm>
#include <array>

#include "core/numeric.h"
#include "core/settings.h"
#include "platform/image.h"
#include "platform/random.h"
#include "resources/media_lookup.h"
#include "scene/glide.h"

namespace vandrell {

namespace {

// Seconds from `current` to `target` at the signed `speed`.
float turnTime(float current, float target, float speed) {
  if (current == target) return 0.0f;
  if ((current < target && speed > 0.0f) || (current > target && speed < 0.0f)) return (target - current) / speed;
  return 1000000.0f;
}

float channel(const tPicParams& prms, size_t index) { return static_cast<float>(ParamInt(prms, index)) / 255.0f; }

}  // namespace

tPicImage::tPicImage() : tPicImage(std::make_shared<tPicImageVisual>()) {}

std::array<tPicImage::tGlide, 9> tPicImage::glides() {
  const tColorf& c = *_visual->color();
  return {{{"a", c.a, _aTo, _aSpeed},
           {"r", c.r, _rTo, _rSpeed},
           {"g", c.g, _gTo, _gSpeed},
           {"b", c.b, _bTo, _bSpeed},
           {"h", _visual->h(), _hTo, _hSpeed},
           {"v", _visual->v(), _vTo, _vSpeed},
           {"l", _visual->l(), _lTo, _lSpeed},
           {"t", _visual->t(), _tTo, _tSpeed},
           {"angle", _visual->angle(), _angleTo, _angleSpeed}}};
}

void tPicImage::saveInstant(tConfigBase& cfg, const std::string& section) {
  tPic::saveInstant(cfg, section);
  for (const tGlide& glide : glides()) {
    const std::string key = glide.key;
    cfg.SetFloat(section, key, glide.value);
    cfg.SetFloat(section, key + "To", glide.to);
    cfg.SetFloat(section, key + "Speed", glide.speed);
  }
  cfg.SetFloat(section, "hx", _visual->hHotspot());
  cfg.SetFloat(section, "vx", _visual->vHotspot());
  cfg.SetInt(section, "cursor", _cursor);
}

void tPicImage::loadInstant(tConfigBase& cfg, const std::string& section) {
  tPic::loadInstant(cfg, section);
  std::array<float, 9> values{};
  auto list = glides();
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string key = list[i].key;
    values[i] = cfg.GetFloat(section, key, 0.0f);
    list[i].to = cfg.GetFloat(section, key + "To", 0.0f);
    list[i].speed = cfg.GetFloat(section, key + "Speed", 0.0f);
  }
  _cursor = cfg.GetInt(section, "cursor", 0);
  const auto [a, r, g, b, h, v, l, t, angle] = values;
  _visual->color()->SetRGBA(r, g, b, a);
  _visual->move(h, v, 0);
  _visual->resize(l, t, 0);
  _visual->rotate(angle, 0);
  _visual->hotspot(cfg.GetFloat(section, "hx", 0.0f), cfg.GetFloat(section, "vx", 0.0f));
}

void tPicImage::loadId(const std::string& id) {
  tPic::loadId(id);
  _clickable->name(id);
}

void tPicImage::loadSrc(const std::string& src, const tPicParams& prms, tResourceManager& resources) {
  _src = src;
  _prms = prms;
  // The hotspot places images, so their own handles stay at the corner.
  CentreHandlesOnLoad(0);
  _visual->image(loadImage(resources));
}

TImagePtr tPicImage::loadImage(tResourceManager& resources) {
  return tFile::Current().image(_src, FILTEREDIMAGE, resources);
}

void tPicImage::loadParams(const tPicParams& prms) {
  tPic::loadParams(prms);
  if (_rnds.empty()) {
    zeb_position(static_cast<float>(ParamInt(prms, 0)), static_cast<float>(ParamInt(prms, 1)));
  } else {
    const auto& row = _rnds[static_cast<size_t>(Rand(0, static_cast<int32_t>(_rnds.size()) - 1))];
    zeb_position(static_cast<float>(row[0]), static_cast<float>(row[1]));
  }
  zeb_offset(static_cast<float>(ParamInt(prms, 12)), static_cast<float>(ParamInt(prms, 13)));
  zeb_scale(ParamFloat(prms, 2), ParamFloat(prms, 3));
  _visual->rotate(ParamFloat(prms, 4), 0);
  _visual->color()->SetRGB(channel(prms, 7), channel(prms, 8), channel(prms, 9));
  _visual->color()->SetA(channel(prms, 6));
  _visual->pixelHovering(ParamInt(prms, 10));
}

void tPicImage::loadPoly(tPolyPtr poly) { _clickable->poly = std::move(poly); }

void tPicImage::loadAction(const tCommandPtr& a, const tCommandPtr& fa) {
  _a = a;
  _fa = fa;
}

void tPicImage::loadBlend(int32_t blend) { _visual->color()->SetBlending(blend); }

void tPicImage::setupAvail() {
  const tPicProperty& property = tPicProperty::Current();
  _visual->visible(isShow());
  _visual->keepHover(isShow() && isEnable() && (property.isHold(this) || !property.isHolding()) ? 1 : 0);
  _visual->keepTreat(fa() || tMission::tests(missions()) ? 1 : 0);
}

int32_t tPicImage::sosAvail() { return isShow() && isEnable() ? 1 : 0; }

int32_t tPicImage::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  const float d = msg.delta();
  tColorf& c = *_visual->color();
  c.SetRGBA(Glide(c.r, _rTo, d, _rSpeed), Glide(c.g, _gTo, d, _gSpeed), Glide(c.b, _bTo, d, _bSpeed),
            Glide(c.a, _aTo, d, _aSpeed));
  const float h = _visual->h();
  const float v = _visual->v();
  const float angle = _visual->angle();
  _visual->move(Glide(h, _hTo, d, _hSpeed), Glide(v, _vTo, d, _vSpeed), 0);
  glideSize(d);
  // The angular speed keeps its sign: one pointing away from the target
  // turns away for ever, as zeb_turn promises.
  if (angle < _angleTo) {
    _visual->rotate(std::min(angle + GlideDistance(d, _angleSpeed), _angleTo), 0);
  } else if (angle > _angleTo) {
    _visual->rotate(std::max(angle + GlideDistance(d, _angleSpeed), _angleTo), 0);
  }
  return 0;
}

void tPicImage::glideSize(float d) {
  _visual->resize(Glide(_visual->l(), _lTo, d, _lSpeed), Glide(_visual->t(), _tTo, d, _tSpeed), 0);
}

tExprValuePtr tPicImage::zeb_property(const std::string& name) {
  if (name == "ox") return tExprNumber::Create(zeb_property_ox());
  if (name == "oy") return tExprNumber::Create(zeb_property_oy());
  if (name == "alpha") return tExprNumber::Create(zeb_property_alpha());
  return tPic::zeb_property(name);
}

float tPicImage::zeb_property_x() {
  return _visual->h() - _ox - static_cast<float>(tPicProperty::Current().offsetX());
}

float tPicImage::zeb_property_y() {
  return _visual->v() - _oy - static_cast<float>(tPicProperty::Current().offsetY());
}

float tPicImage::zeb_property_rot() { return _visual->angle(); }

float tPicImage::zeb_property_sx() {
  const float natural = _visual->lPixmap();
  return natural == 0.0f ? 0.0f : _visual->l() / natural;
}

float tPicImage::zeb_property_sy() {
  const float natural = _visual->tPixmap();
  return natural == 0.0f ? 0.0f : _visual->t() / natural;
}

float tPicImage::zeb_property_alpha() { return _visual->color()->a; }

void tPicImage::zeb_position(float x, float y) {
  const tPicProperty& property = tPicProperty::Current();
  _visual->move(x + _ox + static_cast<float>(property.offsetX()), y + _oy + static_cast<float>(property.offsetY()),
                0);
  _hSpeed = _vSpeed = 0.0f;
}

void tPicImage::zeb_translate(float x, float y, float time) {
  const tPicProperty& property = tPicProperty::Current();
  _hTo = static_cast<float>(property.offsetX()) + x + _ox;
  _vTo = static_cast<float>(property.offsetY()) + y + _oy;
  _hSpeed = GlideSpeed(_hTo, _visual->h(), time);
  _vSpeed = GlideSpeed(_vTo, _visual->v(), time);
}

void tPicImage::zeb_move(float dx, float dy, float time) {
  _hTo = _visual->h() + dx;
  _vTo = _visual->v() + dy;
  _hSpeed = GlideSpeed(_hTo, _visual->h(), time);
  _vSpeed = GlideSpeed(_vTo, _visual->v(), time);
}

void tPicImage::zeb_scale(float sx, float sy) {
  _visual->resize(_visual->lPixmap() * sx, _visual->tPixmap() * sy, 0);
  _lSpeed = _tSpeed = 0.0f;
}

void tPicImage::zeb_resize(float sx, float sy, float time) {
  _lTo = _visual->lPixmap() * sx;
  _tTo = _visual->tPixmap() * sy;
  _lSpeed = GlideSpeed(_lTo, _visual->l(), time);
  _tSpeed = GlideSpeed(_tTo, _visual->t(), time);
}

void tPicImage::zeb_rotation(float angle) {
  _visual->rotate(angle, 0);
  _angleSpeed = 0.0f;
}

void tPicImage::zeb_showslow() {
  zeb_alpha(0.0f);
  zeb_alphing(1.0f, tSettings::Current().inc2period(20.0f));
  zeb_show();
}

void tPicImage::zeb_hideslow() {
  // Keeps the pic alive while it leaves its location.
  const tPicPtr self = selfPic();
  M_PIC_EVAL::send(self);
  zeb_disable();
  zeb_unlink();
  zeb_enablepostdraw();
  zeb_resize(2.0f * zeb_property_sx(), 2.0f * zeb_property_sy(), tSettings::Current().inc2period(40.0f));
  const std::string& name = _visual->id();
  M_COMMAND_EVAL::send("wait=15;walphing=" + name + ",0,25;ho=" + name);
}

void tPicImage::zeb_offset(float ox, float oy) {
  _visual->move(_visual->h() - _ox + ox, _visual->v() - _oy + oy, 0);
  if (const TPixmapPtr pixels = _visual->getPixmap()) {
    _visual->hotspot(0.5f + ox / static_cast<float>(pixels->width), 0.5f + oy / static_cast<float>(pixels->height));
  } else {
    _visual->hotspot(0.0f, 0.0f);
  }
  _ox = ox;
  _oy = oy;
}

float tPicImage::zeb_rotate(float angle, float speed) {
  _visual->rotate(wrapf(_visual->angle(), 360.0f), 0);
  _angleTo = angle;
  _angleSpeed = speed;
  if (speed > 0.0f && _visual->angle() > angle) {
    _visual->rotate(-360.0f, 1);
  } else if (speed < 0.0f && angle > _visual->angle()) {
    _visual->rotate(360.0f, 1);
  }
  return turnTime(_visual->angle(), angle, speed);
}

float tPicImage::zeb_turn(float delta, float speed) {
  _angleTo = _visual->angle() + delta;
  _angleSpeed = speed;
  return turnTime(_visual->angle(), _angleTo, speed);
}

void tPicImage::zeb_alpha(float a) {
  _visual->color()->SetA(a);
  _aSpeed = 0.0f;
}

void tPicImage::zeb_alphing(float a, float time) {
  _aTo = a;
  _aSpeed = GlideSpeed(a, _visual->color()->a, time);
}

void tPicImage::zeb_color(float r, float g, float b) {
  _visual->color()->SetRGB(r, g, b);
  _rSpeed = _gSpeed = _bSpeed = 0.0f;
}

void tPicImage::zeb_coloring(float r, float g, float b, float time) {
  const tColorf& c = *_visual->color();
  _rTo = r;
  _gTo = g;
  _bTo = b;
  _rSpeed = GlideSpeed(r, c.r, time);
  _gSpeed = GlideSpeed(g, c.g, time);
  _bSpeed = GlideSpeed(b, c.b, time);
}

}  // namespace vandrell

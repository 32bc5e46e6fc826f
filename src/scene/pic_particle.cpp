#include "scene/pic_particle.h"

#include <algorithm>
#include <array>
#include <utility>

#include "scene/glide.h"
#include "scene/particle_loader.h"
#include "scene/zeb_particle_fluctuant.h"
#include "scene/zeb_particle_struct.h"

namespace vandrell {

namespace {

float offsetX() { return static_cast<float>(tPicProperty::Current().offsetX()); }
float offsetY() { return static_cast<float>(tPicProperty::Current().offsetY()); }

}  // namespace

tPicParticle::tPicParticle() { _this = _visual; }

std::array<std::pair<const char*, float&>, 6> tPicParticle::glides() {
  return {{{"hTo", _hTo}, {"hSpeed", _hSpeed}, {"vTo", _vTo}, {"vSpeed", _vSpeed}, {"sTo", _sTo}, {"sSpeed", _sSpeed}}};
}

void tPicParticle::saveInstant(tConfigBase& cfg, const std::string& section) {
  tPic::saveInstant(cfg, section);
  cfg.SetFloat(section, "h", h());
  cfg.SetFloat(section, "v", v());
  cfg.SetFloat(section, "s", s());
  for (const auto& [key, value] : glides()) cfg.SetFloat(section, key, value);
  cfg.SetInt(section, "updatable", _visual->isUpdatable());
  cfg.SetInt(section, "start", _visual->isStart());
  cfg.SetInt(section, "forever", _forever);
}

void tPicParticle::loadInstant(tConfigBase& cfg, const std::string& section) {
  tPic::loadInstant(cfg, section);
  // The particle set does not hear the level's call to take up restored
  // flags, so the visual takes them here.
  setupAvail();
  for (const auto& [key, value] : glides()) value = cfg.GetFloat(section, key, 0.0f);
  move(cfg.GetFloat(section, "h", 0.0f), cfg.GetFloat(section, "v", 0.0f));
  resize(cfg.GetFloat(section, "s", 0.0f));
  _visual->updatable(cfg.GetInt(section, "updatable", 0));
  _forever = cfg.GetInt(section, "forever", 0);
  if (_forever) _visual->startForever();
  _visual->stop();
  _visual->clear();
  if (cfg.GetInt(section, "start", 0)) _visual->start();
}

void tPicParticle::loadSrc(const std::string& src, const tPicParams& prms, tResourceManager& resources) {
  _src = src;
  _prms = prms;
  _emitter = loadParticleEmitter(src, resources);
  if (_emitter) _visual->emitters.push_back(_emitter);
}

void tPicParticle::loadParams(const tPicParams& prms) {
  if (_emitter) {
    const int32_t periods = std::max(0, ParamInt(prms, 4));
    _emitter->incLife = periods == 0 ? -1 : periods;
  }
  zeb_position(static_cast<float>(ParamInt(prms, 0)), static_cast<float>(ParamInt(prms, 1)));
  zeb_scale(ParamFloat(prms, 2), 0.0f);
  tPic::loadParams(prms);
  if (isShow()) zeb_show();
}

void tPicParticle::setupAvail() {
  _visual->visible(_gshow);
  _visual->updatable(_gshow && _genable ? 1 : 0);
}

void tPicParticle::move(float x, float y) {
  if (tZebParticleStruct* sample = _emitter ? _emitter->sampleRecord() : nullptr) {
    sample->x = x;
    sample->y = y;
  }
}

float tPicParticle::h() const {
  const tZebParticleStruct* sample = _emitter ? _emitter->sampleRecord() : nullptr;
  return sample ? sample->x : 0.0f;
}

float tPicParticle::v() const {
  const tZebParticleStruct* sample = _emitter ? _emitter->sampleRecord() : nullptr;
  return sample ? sample->y : 0.0f;
}

void tPicParticle::resize(float s) {
  if (tZebParticleFluctuant* range = _emitter ? _emitter->fluctuation() : nullptr) range->sc = s;
}

float tPicParticle::s() const {
  const tZebParticleFluctuant* range = _emitter ? _emitter->fluctuation() : nullptr;
  return range ? range->sc : 0.0f;
}

int32_t tPicParticle::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  const float d = msg.delta();
  move(Glide(h(), _hTo, d, _hSpeed), Glide(v(), _vTo, d, _vSpeed));
  resize(Glide(s(), _sTo, d, _sSpeed));
  return 0;
}

float tPicParticle::zeb_property_x() { return h() - offsetX(); }

float tPicParticle::zeb_property_y() { return v() - offsetY(); }

void tPicParticle::zeb_position(float x, float y) {
  move(x + offsetX(), y + offsetY());
  _hSpeed = _vSpeed = 0.0f;
}

void tPicParticle::zeb_translate(float x, float y, float time) {
  _hTo = x + offsetX();
  _vTo = y + offsetY();
  _hSpeed = GlideSpeed(_hTo, h(), time);
  _vSpeed = GlideSpeed(_vTo, v(), time);
}

void tPicParticle::zeb_move(float dx, float dy, float time) {
  _hTo = h() + dx;
  _vTo = v() + dy;
  _hSpeed = GlideSpeed(_hTo, h(), time);
  _vSpeed = GlideSpeed(_vTo, v(), time);
}

void tPicParticle::zeb_scale(float s, float sy) {
  resize(s);
  _sSpeed = 0.0f;
}

void tPicParticle::zeb_resize(float s, float sy, float time) {
  _sTo = s;
  _sSpeed = GlideSpeed(s, this->s(), time);
}

void tPicParticle::zeb_showparticle() {
  _visual->restart();
  _visual->reactor(0.0f, 30.0f);
}

void tPicParticle::zeb_showparticleforever() {
  _forever = 1;
  _visual->startForever();
}

}  // namespace vandrell

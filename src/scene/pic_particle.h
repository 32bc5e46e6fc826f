// A particle pic: a particle effect at a point of the scene. Moving the pic
// moves the point new particles start from and scaling it scales new
// particles; those already emitted fly on as they were. Showing and hiding
// start and stop the emission; only the global flags hide or freeze the
// effect itself. No particle outlives a save: a restored effect starts anew.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "scene/pic.h"
#include "scene/pic_particle_visual.h"
#include "scene/zeb_emitter.h"

namespace vandrell {

class tPicParticle : public tPic {
  VANDRELL_GUI_HOOKS(tPicParticle, tPic, &tPicParticle::GUIMSG_UPDATE)

 public:
  tPicParticle();

  tPicParticleVisual& visual() const { return *_visual; }
  // Null when the description could not be read; the pic then does nothing.
  const std::shared_ptr<tZebEmitter>& emitter() const { return _emitter; }

  // Adds the emission point, the scale, their targets and speeds, whether
  // the effect runs, is frozen or emits for ever, to the keys of tPic.
  void saveInstant(tConfigBase& cfg, const std::string& section) override;
  void loadInstant(tConfigBase& cfg, const std::string& section) override;
  // The source is a particle description.
  void loadSrc(const std::string& src, const tPicParams& prms, tResourceManager& resources) override;
  // The effect keeps its sprites: nothing to load again.
  void reloadSrc(tResourceManager& resources) override {}
  // The emission periods (field 4; 0 or less: for ever), the point (fields 0
  // and 1), the scale (field 2), the flags; a shown pic starts emitting.
  void loadParams(const tPicParams& prms) override;
  void setupAvail() override;

  // The point new particles start from, in design units of the window.
  virtual void move(float x, float y);
  virtual float h() const;
  virtual float v() const;
  // The scale of new particles' speeds, sizes and spread.
  virtual void resize(float s);
  virtual float s() const;
  // The point and the scale glide after the effect's own update.
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);

  float zeb_property_x() override;
  float zeb_property_y() override;
  float zeb_property_sx() override { return s(); }
  float zeb_property_sy() override { return s(); }
  void zeb_position(float x, float y) override;
  void zeb_translate(float x, float y, float time) override;
  void zeb_move(float dx, float dy, float time) override;
  // One scale for both directions: `sy` is ignored.
  void zeb_scale(float s, float sy) override;
  void zeb_resize(float s, float sy, float time) override;
  // Starts the emitters that are not running.
  void zeb_show() override { _visual->start(); }
  // Stops emitting; the particles already out finish their lives.
  void zeb_hide() override { _visual->stop(); }
  void zeb_enable() override {}
  void zeb_disable() override {}
  // A fresh start with the first batch out at once.
  virtual void zeb_showparticle();
  virtual void zeb_showparticledelay(float time) { _visual->delayRestart(time); }
  virtual void zeb_showparticleforever();
  // Every particle out vanishes; the emission goes on.
  virtual void zeb_clearparticle() { _visual->clear(); }

 protected:
  // The targets and speeds of the point and the scale, by their saved keys.
  std::array<std::pair<const char*, float&>, 6> glides();

  std::shared_ptr<tPicParticleVisual> _visual = std::make_shared<tPicParticleVisual>();
  std::shared_ptr<tZebEmitter> _emitter;
  float _hTo = 0.0f;
  float _hSpeed = 0.0f;
  float _vTo = 0.0f;
  float _vSpeed = 0.0f;
  float _sTo = 0.0f;
  float _sSpeed = 0.0f;
  int32_t _forever = 0;
};

}  // namespace vandrell

#include "scene/pic_anim.h"

#include <algorithm>

#include "core/settings.h"
#include "resources/media_lookup.h"

namespace vandrell {

namespace {

int32_t plays(int32_t times) { return times > 0 ? times : ANIM_LOOP; }

}  // namespace

tPicAnim::tPicAnim() : tPicImage(std::make_shared<tPicAnimVisual>()) {}

void tPicAnim::saveInstant(tConfigBase& cfg, const std::string& section) {
  tPicImage::saveInstant(cfg, section);
  const tAnim& anim = *animVisual().anim();
  cfg.SetInt(section, "anim.anim", anim._anim);
  cfg.SetInt(section, "anim.play", anim._play);
  cfg.SetFloat(section, "anim.speed", anim._speed);
  cfg.SetFloat(section, "anim.time", anim._time);
  cfg.SetInt(section, "anim.n", anim._n);
  cfg.SetInt(section, "anim.n0", anim._n0);
  cfg.SetInt(section, "anim.n1", anim._n1);
}

void tPicAnim::loadInstant(tConfigBase& cfg, const std::string& section) {
  tPicImage::loadInstant(cfg, section);
  tAnim& anim = *animVisual().anim();
  anim._anim = cfg.GetInt(section, "anim.anim", 0);
  anim._play = cfg.GetInt(section, "anim.play", 0);
  anim._speed = cfg.GetFloat(section, "anim.speed", 0.0f);
  anim._time = cfg.GetFloat(section, "anim.time", 0.0f);
  anim._n = cfg.GetInt(section, "anim.n", 0);
  anim._n0 = cfg.GetInt(section, "anim.n0", 0);
  anim._n1 = cfg.GetInt(section, "anim.n1", 0);
}

TImagePtr tPicAnim::loadImage(tResourceManager& resources) {
  return tFile::Current().anim(_src, ParamInt(_prms, 15), ParamInt(_prms, 16), 0, ParamInt(_prms, 17), FILTEREDIMAGE,
                               resources);
}

void tPicAnim::loadParams(const tPicParams& prms) {
  tPicImage::loadParams(prms);
  zeb_position(static_cast<float>(ParamInt(prms, 0)), static_cast<float>(ParamInt(prms, 1)));
  zeb_offset(static_cast<float>(ParamInt(prms, 12)), static_cast<float>(ParamInt(prms, 13)));
  zeb_scale(ParamFloat(prms, 2), ParamFloat(prms, 3));
  zeb_anim(ParamInt(prms, 20), ParamInt(prms, 21), tSettings::Current().inc2speed(ParamFloat(prms, 22)),
           ParamInt(prms, 19));
  zeb_setframe(std::max(1, ParamInt(prms, 23)));
  if (ParamInt(prms, 18) == 0) zeb_animstop();
}

tExprValuePtr tPicAnim::zeb_property(const std::string& name) {
  if (name == "frame") return tExprNumber::Create(zeb_property_frame());
  return tPicImage::zeb_property(name);
}

float tPicAnim::zeb_property_frame() { return static_cast<float>(animVisual().anim()->frame() + 1); }

void tPicAnim::zeb_anim(int32_t first, int32_t last, float speed, int32_t times) {
  animVisual().anim()->anim(speed, first - 1, last - 1, plays(times));
}

void tPicAnim::zeb_animstop() { animVisual().anim()->stop(); }

void tPicAnim::zeb_setanim(int32_t times) { animVisual().anim()->start(plays(times)); }

void tPicAnim::zeb_setframe(int32_t frame) { animVisual().anim()->go(frame - 1); }

}  // namespace vandrell

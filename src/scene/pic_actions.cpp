#include "scene/pic_actions.h"

#include <cmath>

#include "core/settings.h"
#include "gui/object_set.h"
#include "platform/random.h"
#include "scene/pic_mission_actions.h"
#include "scene/pic_property.h"
#include "script/action_keywords.h"

namespace vandrell {

namespace {

// What the anim actions wait for an animation that never ends on its own;
// the block effectively stops there.
constexpr float FOREVER = 1000000.0f;

}  // namespace

float tZebAction_sortontop::exec() {
  if (const auto pic = object<tPic>(0)) {
    pic->zeb_toppostdraw();
    M_LOCATION_PICTOTOP::send(pic->id());
  }
  return 0.0f;
}

float tZebAction_move::exec() {
  if (const auto pic = object<tPic>(0)) {
    const auto k = static_cast<float>(wholeTicks());
    pic->zeb_move(k * number(1), k * number(2), duration());
  }
  return 0.0f;
}

float tZebAction_move::duration() { return tSettings::Current().inc2period(static_cast<float>(wholeTicks())); }

float tZebAction_swapxy::exec() {
  const auto a = object<tPic>(0);
  const auto b = object<tPic>(1);
  if (!a || !b) return 0.0f;
  if (trunci(number(2)) != 0 && Rand(0, 1) != 1) return 0.0f;
  const float ax = a->zeb_property_x();
  const float ay = a->zeb_property_y();
  const float bx = b->zeb_property_x();
  const float by = b->zeb_property_y();
  a->zeb_position(bx, by);
  b->zeb_position(ax, ay);
  return 0.0f;
}

float tZebAction_anim::exec() {
  call();
  return 0.0f;
}

float tZebAction_anim::call() {
  const auto pic = object<tPicAnim>(0);
  if (!pic) return 0.0f;
  if (number(1) == 0.0f) {
    pic->zeb_animstop();
    return 0.0f;
  }
  const int32_t first = roundi(number(2));
  const int32_t last = roundi(number(3));
  const float speed = rate(4);
  const int32_t times = roundi(number(5));
  pic->zeb_anim(first, last, speed, times);
  // Standing still, the animation never gets to its end either.
  if (times < 1 || speed == 0.0f) return FOREVER;
  // In float: the frame numbers may be as far apart as Int allows.
  const float frames = std::abs(static_cast<float>(last) - static_cast<float>(first));
  return static_cast<float>(times) * frames / std::abs(speed);
}

float tZebAction_setanim::exec() {
  const auto pic = object<tPicAnim>(0);
  if (!pic) return 0.0f;
  if (number(1) == 0.0f) {
    pic->zeb_animstop();
  } else {
    pic->zeb_setanim(roundi(number(2)));
  }
  return 0.0f;
}

float tZebAction_clearparticlelocation::exec() {
  const auto particles = named<M_PICPARTICLE_FINDBYLOCATION>(0);
  if (!particles) return 0.0f;
  for (const auto& member : particles->order()) {
    if (const auto pic = std::dynamic_pointer_cast<tPicParticle>(member)) pic->zeb_clearparticle();
  }
  return 0.0f;
}

float tZebAction_blockclick::exec() {
  tPicProperty::Current().blockClick(trunci(number(0)));
  return 0.0f;
}

float tZebAction_freeze::exec() {
  if (const auto pic = object<tPic>(0)) tPicProperty::Current().hold(pic);
  return 0.0f;
}

float tZebAction_unfreeze::exec() {
  tPicProperty::Current().clearHold();
  return 0.0f;
}

float tZebAction_originoff::exec() {
  tPicProperty::Current().offset(number(0) == 0.0f ? 1 : 0);
  return 0.0f;
}

void RegisterPicActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_gshow);
  VANDRELL_ACTION(keywords, tZebAction_ghide);
  VANDRELL_ACTION(keywords, tZebAction_genable);
  VANDRELL_ACTION(keywords, tZebAction_gdisable);
  VANDRELL_ACTION(keywords, tZebAction_show);
  VANDRELL_ACTION(keywords, tZebAction_hide);
  VANDRELL_ACTION(keywords, tZebAction_showslow);
  VANDRELL_ACTION(keywords, tZebAction_hideslow);
  VANDRELL_ACTION(keywords, tZebAction_enable);
  VANDRELL_ACTION(keywords, tZebAction_disable);
  VANDRELL_ACTION(keywords, tZebAction_link);
  VANDRELL_ACTION(keywords, tZebAction_linkmouse);
  VANDRELL_ACTION(keywords, tZebAction_unlink);
  VANDRELL_ACTION(keywords, tZebAction_postdraw);
  VANDRELL_ACTION(keywords, tZebAction_enablepostdraw);
  VANDRELL_ACTION(keywords, tZebAction_disablepostdraw);
  VANDRELL_ACTION(keywords, tZebAction_enableunderdraw);
  VANDRELL_ACTION(keywords, tZebAction_sortontop);
  VANDRELL_ACTION(keywords, tZebAction_alpha);
  VANDRELL_ACTION(keywords, tZebAction_walpha);
  VANDRELL_ACTION(keywords, tZebAction_alphing);
  VANDRELL_ACTION(keywords, tZebAction_walphing);
  VANDRELL_ACTION(keywords, tZebAction_color);
  VANDRELL_ACTION(keywords, tZebAction_wcolor);
  VANDRELL_ACTION(keywords, tZebAction_coloring);
  VANDRELL_ACTION(keywords, tZebAction_wcoloring);
  VANDRELL_ACTION(keywords, tZebAction_position);
  VANDRELL_ACTION(keywords, tZebAction_wposition);
  VANDRELL_ACTION(keywords, tZebAction_translate);
  VANDRELL_ACTION(keywords, tZebAction_wtranslate);
  VANDRELL_ACTION(keywords, tZebAction_move);
  VANDRELL_ACTION(keywords, tZebAction_wmove);
  VANDRELL_ACTION(keywords, tZebAction_scale);
  VANDRELL_ACTION(keywords, tZebAction_wscale);
  VANDRELL_ACTION(keywords, tZebAction_resize);
  VANDRELL_ACTION(keywords, tZebAction_wresize);
  VANDRELL_ACTION(keywords, tZebAction_rotation);
  VANDRELL_ACTION(keywords, tZebAction_wrotation);
  VANDRELL_ACTION(keywords, tZebAction_rotate);
  VANDRELL_ACTION(keywords, tZebAction_wrotate);
  VANDRELL_ACTION(keywords, tZebAction_turn);
  VANDRELL_ACTION(keywords, tZebAction_wturn);
  VANDRELL_ACTION(keywords, tZebAction_swapxy);
  VANDRELL_ACTION(keywords, tZebAction_center);
  VANDRELL_ACTION(keywords, tZebAction_centermouse);
  VANDRELL_ACTION(keywords, tZebAction_anim);
  VANDRELL_ACTION(keywords, tZebAction_wanim);
  VANDRELL_ACTION(keywords, tZebAction_setanim);
  VANDRELL_ACTION(keywords, tZebAction_wsetanim);
  VANDRELL_ACTION(keywords, tZebAction_setframe);
  VANDRELL_ACTION(keywords, tZebAction_showparticle);
  VANDRELL_ACTION(keywords, tZebAction_showparticledelay);
  VANDRELL_ACTION(keywords, tZebAction_showparticleforever);
  VANDRELL_ACTION(keywords, tZebAction_clearparticle);
  VANDRELL_ACTION(keywords, tZebAction_clearparticlelocation);
  VANDRELL_ACTION(keywords, tZebAction_cursor);
  VANDRELL_ACTION(keywords, tZebAction_blockclick);
  VANDRELL_ACTION(keywords, tZebAction_freeze);
  VANDRELL_ACTION(keywords, tZebAction_unfreeze);
  VANDRELL_ACTION(keywords, tZebAction_originoff);
  RegisterPicMissionActions();
}

}  // namespace vandrell

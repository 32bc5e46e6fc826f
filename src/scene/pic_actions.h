// The actions that present single pics: showing and enabling them, drawing
// passes, links, fades, colours, movement, size, angle, animation, particles
// and cursors, and the switches of the level's pic property object.
#pragma once

#include "scene/pic.h"
#include "scene/pic_anim.h"
#include "scene/pic_call.h"
#include "scene/pic_image.h"
#include "scene/pic_particle.h"

namespace vandrell {

using tZebAction_gshow = tPicCall<tPic, &tPic::zeb_gshow>;
using tZebAction_ghide = tPicCall<tPic, &tPic::zeb_ghide>;
using tZebAction_genable = tPicCall<tPic, &tPic::zeb_genable>;
using tZebAction_gdisable = tPicCall<tPic, &tPic::zeb_gdisable>;
using tZebAction_show = tPicCall<tPic, &tPic::zeb_show>;
using tZebAction_hide = tPicCall<tPic, &tPic::zeb_hide>;
using tZebAction_showslow = tPicCall<tPicImage, &tPicImage::zeb_showslow>;
using tZebAction_hideslow = tPicCall<tPicImage, &tPicImage::zeb_hideslow>;
using tZebAction_enable = tPicCall<tPic, &tPic::zeb_enable>;
using tZebAction_disable = tPicCall<tPic, &tPic::zeb_disable>;
// A missing leader leaves the pic as it is.
using tZebAction_link = tPicCall<tPic, &tPic::zeb_link, tPicArg::PIC>;
using tZebAction_linkmouse = tPicCall<tPic, &tPic::zeb_linkmouse>;
using tZebAction_unlink = tPicCall<tPic, &tPic::zeb_unlink>;

using tZebAction_postdraw = tPicCall<tPic, &tPic::zeb_postdraw, tPicArg::TRUNC>;
using tZebAction_enablepostdraw = tPicCall<tPic, &tPic::zeb_enablepostdraw>;
using tZebAction_disablepostdraw = tPicCall<tPic, &tPic::zeb_disablepostdraw>;
using tZebAction_enableunderdraw = tPicCall<tPic, &tPic::zeb_enableunderdraw>;

// Drawn last in its layer, and last of every set that holds it.
class tZebAction_sortontop : public tPicAction {
 public:
  float exec() override;
};

using tZebAction_alpha = tPicCall<tPicImage, &tPicImage::zeb_alpha, tPicArg::NUMBER>;
using tZebAction_walpha = tWaitNextUpdate<tZebAction_alpha>;
using tZebAction_alphing = tPicCall<tPicImage, &tPicImage::zeb_alphing, tPicArg::NUMBER, tPicArg::TICKS>;
using tZebAction_walphing = tWaitDuration<tZebAction_alphing>;
using tZebAction_color =
    tPicCall<tPicImage, &tPicImage::zeb_color, tPicArg::CHANNEL, tPicArg::CHANNEL, tPicArg::CHANNEL>;
using tZebAction_wcolor = tWaitNextUpdate<tZebAction_color>;
using tZebAction_coloring = tPicCall<tPicImage, &tPicImage::zeb_coloring, tPicArg::CHANNEL, tPicArg::CHANNEL,
                                     tPicArg::CHANNEL, tPicArg::TICKS>;
using tZebAction_wcoloring = tWaitDuration<tZebAction_coloring>;

using tZebAction_position = tPicCall<tPic, &tPic::zeb_position, tPicArg::NUMBER, tPicArg::NUMBER>;
using tZebAction_wposition = tWaitNextUpdate<tZebAction_position>;
using tZebAction_translate = tPicCall<tPic, &tPic::zeb_translate, tPicArg::NUMBER, tPicArg::NUMBER, tPicArg::TICKS>;
using tZebAction_wtranslate = tWaitDuration<tZebAction_translate>;

// The steps are per tick: 'move=p,2,0,25' goes 50 units in half a second.
// Part of a tick does not count.
class tZebAction_move : public tPicAction {
 public:
  float exec() override;

 protected:
  int32_t wholeTicks() { return trunci(number(3)); }
  float duration();
};

using tZebAction_wmove = tWaitDuration<tZebAction_move>;
using tZebAction_scale = tPicCall<tPic, &tPic::zeb_scale, tPicArg::NUMBER, tPicArg::NUMBER>;
using tZebAction_wscale = tWaitNextUpdate<tZebAction_scale>;
using tZebAction_resize = tPicCall<tPic, &tPic::zeb_resize, tPicArg::NUMBER, tPicArg::NUMBER, tPicArg::TICKS>;
using tZebAction_wresize = tWaitDuration<tZebAction_resize>;

using tZebAction_rotation = tPicCall<tPicImage, &tPicImage::zeb_rotation, tPicArg::NUMBER>;
using tZebAction_wrotation = tWaitNextUpdate<tZebAction_rotation>;
using tZebAction_rotate = tPicCall<tPicImage, &tPicImage::zeb_rotate, tPicArg::NUMBER, tPicArg::RATE>;
using tZebAction_wrotate = tWaitAnswer<tZebAction_rotate>;
using tZebAction_turn = tPicCall<tPicImage, &tPicImage::zeb_turn, tPicArg::NUMBER, tPicArg::RATE>;
using tZebAction_wturn = tWaitAnswer<tZebAction_turn>;

// The two pics change places; with a third argument other than 0, only on
// the toss of a coin.
class tZebAction_swapxy : public tPicAction {
 public:
  float exec() override;
};

using tZebAction_center = tPicCall<tPic, &tPic::zeb_center, tPicArg::PIC>;
using tZebAction_centermouse = tPicCall<tPic, &tPic::zeb_centermouse>;

// "anim=pic,on,first,last,rate,times" plays frames first to last `times`
// times (less than 1: for ever); "anim=pic,0" stops.
class tZebAction_anim : public tPicAction {
 public:
  float exec() override;

 protected:
  // Starts or stops the animation; the seconds it plays: 1000000 when it
  // never ends, 0 when it was stopped or there is no pic.
  float call();
};

using tZebAction_wanim = tWaitAnswer<tZebAction_anim>;

// "setanim=pic,on,times" replays the animation's range; "setanim=pic,0" stops.
class tZebAction_setanim : public tPicAction {
 public:
  float exec() override;
};

using tZebAction_wsetanim = tWaitNextUpdate<tZebAction_setanim>;
using tZebAction_setframe = tPicCall<tPicAnim, &tPicAnim::zeb_setframe, tPicArg::ROUND>;

using tZebAction_showparticle = tPicCall<tPicParticle, &tPicParticle::zeb_showparticle>;
using tZebAction_showparticledelay = tPicCall<tPicParticle, &tPicParticle::zeb_showparticledelay, tPicArg::MS>;
using tZebAction_showparticleforever = tPicCall<tPicParticle, &tPicParticle::zeb_showparticleforever>;
using tZebAction_clearparticle = tPicCall<tPicParticle, &tPicParticle::zeb_clearparticle>;

// Every particle pic of the named location drops its particles.
class tZebAction_clearparticlelocation : public tPicAction {
 public:
  float exec() override;
};

using tZebAction_cursor = tPicCall<tPicImage, &tPicImage::cursor, tPicArg::TRUNC>;

// The level's pic property object: clicks blocked while the argument is not
// 0, a pic frozen (while any pic is, only frozen pics can be hovered), all
// thawed, and the origin offset, which '=1' switches off.
class tZebAction_blockclick : public tPicAction {
 public:
  float exec() override;
};

class tZebAction_freeze : public tPicAction {
 public:
  float exec() override;
};

class tZebAction_unfreeze : public tPicAction {
 public:
  float exec() override;
};

class tZebAction_originoff : public tPicAction {
 public:
  float exec() override;
};

// Run once at start-up, after the script language is installed; binds the
// actions on the pics of a mission too.
void RegisterPicActions();

}  // namespace vandrell

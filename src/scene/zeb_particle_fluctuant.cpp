#include "scene/zeb_particle_fluctuant.h"

#include <algorithm>

#include "core/numeric.h"
#include "core/settings.h"
#include "platform/random.h"
#include "scene/zeb_particle.h"

namespace vandrell {

namespace {

// A uniform offset in [-range, range].
float rnd(float range) { return static_cast<float>(Rnd(-range, range)); }

// n / d, or 0 where a lifetime of no steps leaves nothing to spread a fade over.
float per(float n, float d) { return d != 0.0f ? n / d : 0.0f; }

}  // namespace

void tZebParticleFluctuant::Fluctuation(tParticle& particle) const {
  auto* zeb = dynamic_cast<tZebParticle*>(&particle);
  if (!zeb) return;
  tZebParticleStruct& p = zeb->record();

  p.incLife = trunci(static_cast<float>(p.incLife) + rnd(static_cast<float>(incLife)));
  zeb->life = std::max(0.0f, tSettings::Current().inc2period(static_cast<float>(p.incLife)));

  if (p.anim) {
    p.anim->speed(p.anim->getSpeed() + rnd(animSpeedF));
    if (animRandom) p.anim->go(Rand(p.anim->frame0(), p.anim->frame1()));
  }

  p.xSpeed *= sc;
  p.ySpeed *= sc;
  p.scaleX *= sc;
  p.scaleY *= sc;
  p.scaleXSpeed *= sc;
  p.scaleYSpeed *= sc;

  p.x += rnd(x) * sc;
  p.y += rnd(y) * sc;
  p.xSpeed += rnd(xSpeed) * sc;
  p.ySpeed += rnd(ySpeed) * sc;

  p.rotate += rnd(rotate);
  p.rotateSpeed += rnd(rotateSpeed);
  p.gRotate += rnd(gRotate);
  p.gRotateSpeed += rnd(gRotateSpeed);

  const float h = rnd(scaleX) * sc;
  p.scaleX += h;
  const float m = rnd(scaleXSpeed) * sc;
  p.scaleXSpeed += m;
  switch (trunci(p.scaleYF)) {
    case -999:  // the vertical scale is the horizontal one
      p.scaleY = p.scaleX;
      p.scaleYSpeed = p.scaleXSpeed;
      p.scaleYF = p.scaleXF;
      break;
    case -998:  // its own base, the same variation
      p.scaleY += h;
      p.scaleYSpeed += m;
      p.scaleYF = p.scaleXF;
      break;
    default:
      p.scaleY += rnd(scaleY) * sc;
      p.scaleYSpeed += rnd(scaleYSpeed) * sc;
  }

  p.alpha += rnd(alpha);
  p.alphaSpeed += rnd(alphaSpeed);
  const float steps = static_cast<float>(p.incLife);
  if (p.alphaF == -999.0f) {  // a linear fade to 0 over the life
    p.alphaSpeed = per(-p.alpha, steps);
    p.alphaF = 1.0f;
  } else if (p.alphaF == -998.0f) {  // a linear fade to 1 over the life
    p.alphaSpeed = per(1.0f - p.alpha, steps);
    p.alphaF = 1.0f;
  }
  if (p.showUp != 0.0f) {
    // In over showUp percent of the steps, out over the rest.
    const float a = p.alpha;
    p.showUpAlpha = 0.0f;
    p.showUpNewAlpha = a;
    p.alpha = 0.0f;
    p.showUpAlphaSpeed = per(a, p.showUp * steps / 100.0f);
    p.alphaSpeed = per(-a, steps * (100.0f - p.showUp) / 100.0f);
  }

  p.r += rnd(r);
  p.g += rnd(g);
  p.b += rnd(b);
  p.rSpeed += rnd(rSpeed);
  p.gSpeed += rnd(gSpeed);
  p.bSpeed += rnd(bSpeed);
  p.bound();
}

}  // namespace vandrell

#include "scene/zeb_particle_struct.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/numeric.h"
#include "core/screen.h"
#include "core/settings.h"
#include "platform/draw.h"
#include "scene/time_particle.h"

namespace vandrell {

namespace {

using S = tZebParticleStruct;

// Every Float of the record but the step time.
constexpr float S::*BOUNDED[] = {
    &S::sc,          &S::x,           &S::y,          &S::xSpeed,      &S::ySpeed,      &S::xF,
    &S::yF,          &S::rotate,      &S::rotateSpeed, &S::rotateF,    &S::gRotate,     &S::gRotateSpeed,
    &S::gRotateF,    &S::scaleX,      &S::scaleY,     &S::scaleXSpeed, &S::scaleYSpeed, &S::scaleXF,
    &S::scaleYF,     &S::alpha,       &S::alphaSpeed, &S::alphaF,      &S::r,           &S::g,
    &S::b,           &S::rSpeed,      &S::gSpeed,     &S::bSpeed,      &S::rF,          &S::gF,
    &S::bF,          &S::gravity,     &S::gravityF,   &S::showUp,      &S::showUpAlpha, &S::showUpAlphaSpeed,
    &S::showUpNewAlpha};

float bounded(float value) {
  if (value > S::LIMIT) return S::LIMIT;
  if (value >= -S::LIMIT) return value;
  return std::isnan(value) ? 0.0f : -S::LIMIT;
}

float radians(float degrees) { return degrees * (std::numbers::pi_v<float> / 180.0f); }

// The renderer's blend mode for a blending number; 0 leaves the blend as it is.
int32_t blendMode(int32_t blending) {
  switch (blending) {
    case 0: return SOLIDBLEND;
    case 1: return ALPHABLEND;
    case 2: return LIGHTBLEND;
    case 3: return SHADEBLEND;
    case 4: return MASKBLEND;
    default: return 0;
  }
}

}  // namespace

tParticleStructPtr tZebParticleStruct::Copy() const {
  auto copy = std::make_shared<tZebParticleStruct>(*this);
  copy->incTimer = 0.0f;
  return copy;
}

void tZebParticleStruct::Update(float, tParticle& particle) {
  if (const auto* timed = dynamic_cast<const tTimeParticle*>(&particle)) advance(*timed);
}

void tZebParticleStruct::Render(const tParticle&) const { draw(); }

void tZebParticleStruct::advance(const tTimeParticle& particle) {
  const float tick = tSettings::Current().inc2period(1.0f);
  // Steps after the particle's death are never seen; leaving them out bounds
  // the work for a particle that comes very late.
  const float age = particle.life >= 0.0f ? std::min(particle.lifeTimer, particle.life + tick) : particle.lifeTimer;
  while (age >= incTimer) {
    const float next = incTimer + tick;
    // An age so great that one tick no longer counts ends the stepping.
    if (!(next > incTimer)) break;
    incTimer = next;
    step(tick);
  }
}

void tZebParticleStruct::step(float tick) {
  if (anim) anim->update(tick);
  if (type_ == 1) {
    x += std::sin(radians(gRotate)) * xSpeed;
    y += std::cos(radians(gRotate)) * ySpeed;
  } else {
    x += xSpeed;
    y += ySpeed;
  }
  gRotate += gRotateSpeed;
  gRotateSpeed *= gRotateF;
  xSpeed *= xF;
  ySpeed *= yF;
  rotate += rotateSpeed;
  rotateSpeed *= rotateF;
  scaleX += scaleXSpeed;
  scaleY += scaleYSpeed;
  scaleXSpeed *= scaleXF;
  scaleYSpeed *= scaleYF;
  if (showUpAlpha < showUpNewAlpha) {
    // Like every fade, it stops at its target instead of passing it.
    showUpAlpha = std::min(showUpAlpha + showUpAlphaSpeed, showUpNewAlpha);
    alpha = showUpAlpha;
  } else {
    alpha += alphaSpeed;
    alphaSpeed *= alphaF;
  }
  r = clampf(0.0f, r + rSpeed, 255.0f);
  g = clampf(0.0f, g + gSpeed, 255.0f);
  b = clampf(0.0f, b + bSpeed, 255.0f);
  rSpeed *= rF;
  gSpeed *= gF;
  bSpeed *= bF;
  y += gravity;
  gravity *= gravityF;
  bound();
}

void tZebParticleStruct::bound() {
  for (float S::*field : BOUNDED) this->*field = bounded(this->*field);
}

void tZebParticleStruct::draw() const {
  if (!sprite) return;
  SetRotation(course ? 180.0f - gRotate + rotate : rotate);
  SetScale(aspectw() * scaleX, aspecth() * scaleY);
  SetAlpha(clampf(0.0f, alpha, 1.0f));
  SetColor(trunci(r), trunci(g), trunci(b));
  if (const int32_t mode = blendMode(blending)) SetBlend(mode);
  CentreImageHandle(sprite);
  DrawImage(sprite, H2X(x), V2Y(y), anim ? anim->frame() : 0);
}

}  // namespace vandrell

// The game's particle behaviour: position, speeds and their damping factors,
// drawing angle and heading, scale, alpha, colour, gravity and an optional
// animation, advanced in fixed steps of one data tick so that the motion does
// not depend on the frame rate. Coordinates are design units, angles degrees,
// speeds per step.
#pragma once

#include <cstdint>
#include <optional>

#include "gui/anim.h"
#include "platform/image.h"
#include "scene/particle.h"

namespace vandrell {

class tTimeParticle;

class tZebParticleStruct : public tParticleStruct {
 public:
  // Any value of a particle in flight stays within this bound, so that no
  // description, however wild its factors, drives a number to infinity.
  static constexpr float LIMIT = 1.0e9f;

  // Lifetime in steps.
  int32_t incLife = 0;
  // The age up to which steps have been taken.
  float incTimer = 0.0f;
  // Scale of the random ranges, applied by the range record.
  float sc = 0.0f;
  TImagePtr sprite;
  float x = 0.0f, y = 0.0f;
  float xSpeed = 0.0f, ySpeed = 0.0f;
  float xF = 0.0f, yF = 0.0f;
  // The drawing angle.
  float rotate = 0.0f, rotateSpeed = 0.0f, rotateF = 0.0f;
  // The heading, for particles that move along it.
  float gRotate = 0.0f, gRotateSpeed = 0.0f, gRotateF = 0.0f;
  float scaleX = 0.0f, scaleY = 0.0f;
  float scaleXSpeed = 0.0f, scaleYSpeed = 0.0f;
  float scaleXF = 0.0f, scaleYF = 0.0f;
  float alpha = 0.0f, alphaSpeed = 0.0f, alphaF = 0.0f;
  // 0 solid, 1 alpha, 2 light, 3 shade, 4 mask.
  int32_t blending = 0;
  // 1 moves along the heading.
  int32_t type_ = 0;
  // Colour channels 0 to 255.
  float r = 0.0f, g = 0.0f, b = 0.0f;
  float rSpeed = 0.0f, gSpeed = 0.0f, bSpeed = 0.0f;
  float rF = 0.0f, gF = 0.0f, bF = 0.0f;
  float gravity = 0.0f, gravityF = 0.0f;
  // Percentage of the life spent fading in (0: none), and the fade-in state.
  float showUp = 0.0f;
  float showUpAlpha = 0.0f, showUpAlphaSpeed = 0.0f, showUpNewAlpha = 0.0f;
  // Kept by value: copying a particle copies its animation without an allocation.
  std::optional<tAnim> anim;
  // Non-zero turns the sprite along the heading.
  int32_t course = 0;

  // Every field but the step time; the sprite is shared.
  tParticleStructPtr Copy() const override;
  // `particle` is a timed particle; others have no age to step to.
  void Update(float delta, tParticle& particle) override;
  void Render(const tParticle& particle) const override;

  // The steps due by the particle's age.
  void advance(const tTimeParticle& particle);
  void draw() const;
  // Brings every value within LIMIT.
  void bound();

 private:
  void step(float tick);
};

}  // namespace vandrell

// The game's particles: fixed steps of one tick (0.02 s), the random ranges
// and the fades they set up, and an effect advanced in one large frame or in
// many small ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "platform/random.h"
#include "scene/particle_factory.h"
#include "scene/particle_manager.h"
#include "scene/zeb_emitter.h"
#include "scene/zeb_particle.h"
#include "scene/zeb_particle_fluctuant.h"

namespace vandrell {

namespace {

constexpr float TICK = 0.02f;

// The particle after `steps` steps: each is taken once the age reaches it.
void stepTo(tZebParticle& particle, int32_t steps) {
  particle.lifeTimer = (static_cast<float>(steps) - 0.5f) * TICK;
  particle.Update(0.0f, nullptr);
}

// A copy of `sample` as a factory would emit it, varied by `range`.
tZebParticle emitted(const tZebParticle& sample, const tZebParticleFluctuant& range) {
  tZebParticle particle = sample;
  range.Fluctuation(particle);
  return particle;
}

tZebParticleFluctuant noRange() {
  tZebParticleFluctuant range;
  range.sc = 1.0f;
  return range;
}

TEST(ZebParticleTest, ALateParticleTakesAtOnceTheStepsThatWereDue) {
  tZebParticle particle;
  particle.life = 1.0f;
  tZebParticleStruct& r = particle.record();
  r.xSpeed = 2.0f;
  r.xF = 1.0f;
  r.gravity = 0.5f;
  r.gravityF = 1.0f;
  particle.lifeTimer = 0.25f;  // steps due at ages 0, 0.02, ... 0.24
  particle.Update(0.0f, nullptr);
  EXPECT_FLOAT_EQ(r.x, 13 * 2.0f);
  EXPECT_FLOAT_EQ(r.y, 13 * 0.5f);
  particle.Update(0.02f, nullptr);  // age 0.27: one more
  EXPECT_FLOAT_EQ(r.x, 14 * 2.0f);
}

TEST(ZebParticleTest, FactorsDampSpeedsStepByStep) {
  tZebParticle particle;
  particle.life = 1.0f;
  tZebParticleStruct& r = particle.record();
  r.ySpeed = 8.0f;
  r.yF = 0.5f;
  r.rotateSpeed = 10.0f;
  r.rotateF = 1.0f;
  r.r = 250.0f;
  r.rSpeed = 4.0f;
  r.rF = 1.0f;
  stepTo(particle, 3);
  EXPECT_FLOAT_EQ(r.y, 8.0f + 4.0f + 2.0f);
  EXPECT_FLOAT_EQ(r.ySpeed, 1.0f);
  EXPECT_FLOAT_EQ(r.rotate, 30.0f);
  EXPECT_FLOAT_EQ(r.r, 255.0f) << "colours stay within 0..255";
}

TEST(ZebParticleTest, AlongTheHeadingTheSpeedsFollowItsSineAndCosine) {
  tZebParticle particle;
  particle.life = 1.0f;
  tZebParticleStruct& r = particle.record();
  r.type_ = 1;
  r.gRotate = 30.0f;
  r.xSpeed = r.ySpeed = 2.0f;
  r.xF = r.yF = 1.0f;
  stepTo(particle, 1);
  EXPECT_NEAR(r.x, 1.0f, 1e-5f);
  EXPECT_NEAR(r.y, std::sqrt(3.0f), 1e-5f);
}

TEST(ZebParticleTest, AFadeOverTheLifeEndsAtZero) {
  tZebParticle sample;
  sample.record().incLife = 50;
  sample.record().alpha = 1.0f;
  sample.record().alphaF = -999.0f;
  tZebParticle particle = emitted(sample, noRange());
  EXPECT_FLOAT_EQ(particle.life, 1.0f);
  EXPECT_FLOAT_EQ(particle.record().alphaSpeed, -0.02f);
  stepTo(particle, 25);
  EXPECT_NEAR(particle.record().alpha, 0.5f, 1e-5f);
  stepTo(particle, 50);
  EXPECT_NEAR(particle.record().alpha, 0.0f, 1e-5f);
}

TEST(ZebParticleTest, ShowUpFadesInOverItsShareOfTheLifeAndOutOverTheRest) {
  tZebParticle sample;
  sample.record().incLife = 128;
  sample.record().alpha = 1.0f;
  sample.record().alphaF = 1.0f;
  sample.record().showUp = 25.0f;
  tZebParticle particle = emitted(sample, noRange());
  const tZebParticleStruct& r = particle.record();
  EXPECT_FLOAT_EQ(r.alpha, 0.0f);
  stepTo(particle, 16);
  EXPECT_FLOAT_EQ(r.alpha, 0.5f);
  stepTo(particle, 32);
  EXPECT_FLOAT_EQ(r.alpha, 1.0f);
  stepTo(particle, 33);
  EXPECT_LT(r.alpha, 1.0f) << "the fade-out has begun";
  stepTo(particle, 128);
  EXPECT_NEAR(r.alpha, 0.0f, 1e-5f);
}

TEST(ZebParticleTest, AWholeLifeOfFadeInNeverDividesByZero) {
  tZebParticle sample;
  sample.record().incLife = 10;
  sample.record().alpha = 1.0f;
  sample.record().showUp = 100.0f;
  tZebParticle particle = emitted(sample, noRange());
  stepTo(particle, 10);
  EXPECT_FLOAT_EQ(particle.record().alpha, 1.0f);
  stepTo(particle, 11);
  EXPECT_FLOAT_EQ(particle.record().alpha, 1.0f);

  sample.record().incLife = 0;
  sample.record().alphaF = -999.0f;
  particle = emitted(sample, noRange());
  EXPECT_FLOAT_EQ(particle.life, 0.0f);
  EXPECT_TRUE(std::isfinite(particle.record().alphaSpeed));
}

TEST(ZebParticleTest, ALinkedVerticalScaleKeepsParticlesSquare) {
  SeedRnd(11);
  tZebParticle sample;
  tZebParticleStruct& s = sample.record();
  s.scaleX = s.scaleY = 1.0f;
  s.scaleXSpeed = 0.01f;
  s.scaleXF = 0.9f;
  s.scaleYF = -999.0f;
  tZebParticleFluctuant range = noRange();
  range.scaleX = range.scaleY = 0.5f;
  range.scaleXSpeed = range.scaleYSpeed = 0.005f;
  for (int i = 0; i < 20; ++i) {
    tZebParticle particle = emitted(sample, range);
    particle.life = 1.0f;
    stepTo(particle, 10);
    EXPECT_EQ(particle.record().scaleX, particle.record().scaleY);
  }
  // -998: its own base, but the same variation.
  s.scaleY = 2.0f;
  s.scaleYF = -998.0f;
  tZebParticle particle = emitted(sample, range);
  EXPECT_FLOAT_EQ(particle.record().scaleY - particle.record().scaleX, 1.0f);
}

TEST(ZebParticleTest, RangesVaryWithinTheirBoundsScaledBySc) {
  SeedRnd(5);
  tZebParticle sample;
  sample.record().x = 100.0f;
  sample.record().xSpeed = 1.0f;
  tZebParticleFluctuant range = noRange();
  range.sc = 2.0f;
  range.x = 10.0f;
  float low = 1e9f, high = -1e9f;
  for (int i = 0; i < 200; ++i) {
    const tZebParticle particle = emitted(sample, range);
    EXPECT_FLOAT_EQ(particle.record().xSpeed, 2.0f);
    low = std::min(low, particle.record().x);
    high = std::max(high, particle.record().x);
  }
  EXPECT_GE(low, 80.0f);
  EXPECT_LE(high, 120.0f);
  EXPECT_LT(low, 85.0f);
  EXPECT_GT(high, 115.0f);
}

TEST(ZebParticleTest, WildFactorsNeverDriveAValueToInfinity) {
  tZebParticle particle;
  particle.life = -1.0f;
  tZebParticleStruct& r = particle.record();
  r.xSpeed = 1.0f;
  r.xF = 1.0e9f;
  r.gravity = std::numeric_limits<float>::max();
  r.gravityF = -1.0e9f;
  r.scaleXSpeed = std::numeric_limits<float>::infinity();
  r.scaleXF = 0.0f;  // infinity times 0
  stepTo(particle, 500);
  for (const float value : {r.x, r.y, r.xSpeed, r.gravity, r.scaleX, r.scaleXSpeed}) {
    EXPECT_TRUE(std::isfinite(value)) << value;
  }
}

// An effect: batches every 0.13 s (no multiple of a tick, so no particle is
// ever due exactly at a step), varied in count, motion and life.
std::shared_ptr<tZebEmitter> effect() {
  auto sample = std::make_shared<tZebParticle>();
  tZebParticleStruct& s = sample->record();
  s.incLife = 40;
  s.xSpeed = 1.0f;
  s.ySpeed = -2.0f;
  s.xF = s.yF = 0.97f;
  s.gravity = 0.1f;
  s.gravityF = 1.0f;
  s.alpha = 1.0f;
  s.alphaF = -999.0f;
  auto range = std::make_shared<tZebParticleFluctuant>();
  range->sc = 1.0f;
  range->incLife = 10;
  range->xSpeed = range->ySpeed = 1.0f;
  range->x = 5.0f;
  auto emitter = tZebEmitter::Create(sample, range);
  emitter->emit->emitPeriod = 0.13f;
  emitter->emit->emitCount = 3;
  emitter->emit->emitCountFluctuant = 1;
  return emitter;
}

// The records of the effect's first batch, made before the frames, after
// `frames` updates that add up to half a second.
std::vector<tZebParticleStruct> afterHalfASecond(int32_t frames) {
  SeedRnd(99);
  tSortParticleManager manager;
  const std::shared_ptr<tZebEmitter> emitter = effect();
  emitter->incLife = 1;
  emitter->Restart(0.0f);
  manager.AddParticle(emitter);
  manager.Update(0.0f);
  for (int32_t i = 0; i < frames; ++i) manager.Update(0.5f / static_cast<float>(frames));
  std::vector<tZebParticleStruct> records;
  manager.Grub([&](tParticle& p) {
    if (auto* zeb = dynamic_cast<tZebParticle*>(&p)) records.push_back(zeb->record());
  });
  return records;
}

TEST(ZebParticleTest, OneLargeFrameAndManySmallOnesMoveParticlesAlike) {
  const std::vector<tZebParticleStruct> large = afterHalfASecond(1);
  const std::vector<tZebParticleStruct> small = afterHalfASecond(32);
  ASSERT_GE(large.size(), 2u);
  ASSERT_EQ(large.size(), small.size());
  for (size_t i = 0; i < large.size(); ++i) {
    EXPECT_EQ(large[i].incTimer, small[i].incTimer) << i;
    EXPECT_EQ(large[i].x, small[i].x) << i;
    EXPECT_EQ(large[i].y, small[i].y) << i;
    EXPECT_EQ(large[i].alpha, small[i].alpha) << i;
  }
}

}  // namespace

}  // namespace vandrell

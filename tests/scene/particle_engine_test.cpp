// The generic engine: factories, timed particles, emitters and the manager,
// with plain timed particles as what is emitted. Steps are binary fractions of
// a second, so that no emission falls between two frames by rounding.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "platform/process_wide.h"
#include "platform/random.h"
#include "scene/particle_factory.h"
#include "scene/particle_manager.h"
#include "scene/time_particle.h"
#include "scene/zeb_emitter.h"
#include "scene/zeb_particle.h"

namespace vandrell {

namespace {

constexpr float FRAME = 1.0f / 32.0f;

// An immortal timed particle; `mark` (a negative life) tells the samples apart.
std::shared_ptr<tTimeParticle> immortal(float mark = -1.0f) {
  auto particle = std::make_shared<tTimeParticle>();
  particle->life = mark;
  return particle;
}

::testing::AssertionResult AgesAre(const std::vector<float>& actual, const std::vector<float>& expected) {
  bool same = actual.size() == expected.size();
  for (size_t i = 0; same && i < actual.size(); ++i) same = std::abs(actual[i] - expected[i]) < 1e-5f;
  if (same) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure() << "ages";
  for (const float age : actual) failure << " " << age;
  return failure;
}

std::shared_ptr<tParticleFactory> factoryOf(const tParticlePtr& sample, float period, int32_t count = 1) {
  auto factory = std::make_shared<tParticleFactory>();
  factory->sample = sample;
  factory->emitPeriod = period;
  factory->emitCount = count;
  return factory;
}

// A second kind of particle kept by value.
class tMarkParticle final : public tTimeParticle {
 public:
  tParticlePtr Copy() const override { return std::make_shared<tMarkParticle>(*this); }
  tParticle* CopyInto(tParticleManager& manager) const override { return manager.addByValue(*this); }
};

// Puts each child where its parent is.
class tAtParent : public tParticleStruct {
 public:
  void Inherit(tParticle& child, const tParticle& parent) const override {
    static_cast<tZebParticle&>(child).record().x = static_cast<const tZebParticle&>(parent).record().x;
  }
};

class ParticleEngineTest : public ::testing::Test {
 protected:
  // The ages of the timed particles whose life is `mark`, oldest first.
  std::vector<float> ages(float mark = -1.0f) {
    std::vector<float> found;
    manager.Grub([&](tParticle& p) {
      const auto* timed = dynamic_cast<const tTimeParticle*>(&p);
      if (timed && timed->life == mark) found.push_back(timed->lifeTimer);
    });
    std::sort(found.rbegin(), found.rend());
    return found;
  }
  void run(int32_t frames, float delta = FRAME) {
    for (int32_t i = 0; i < frames; ++i) manager.Update(delta);
  }

  tParticleCounter counter;
  tCurrentScope<tParticleCounter> counterScope{counter};
  tSortParticleManager manager;
};

TEST_F(ParticleEngineTest, ALongFrameEmitsEveryBatchDueAndTheNewParticlesAgeWithTheFrame) {
  auto source = std::make_shared<tTimeEmitter>();
  source->emit = factoryOf(immortal(-2.0f), 0.125f);
  source->Restart(0.0f);
  manager.AddParticle(source);
  manager.Update(0.0f);
  ASSERT_TRUE(AgesAre(ages(-2.0f), {0.0f}));
  manager.Update(1.0f);
  // Eight batches were due in the frame, each made as old as it was late;
  // then the frame aged them all, the new ones too.
  EXPECT_TRUE(AgesAre(ages(-2.0f), {1.875f, 1.75f, 1.625f, 1.5f, 1.375f, 1.25f, 1.125f, 1.0f, 1.0f}));
}

TEST_F(ParticleEngineTest, EmissionCountOverTenSecondsWithAFixedSeed) {
  // One particle per batch, varied by up to two either way; a period of 0.1 s
  // that randomly lengthens by up to 0.1 s (half the time by nothing).
  auto factory = factoryOf(immortal(), 0.1f, 1);
  factory->emitCountFluctuant = 2;
  factory->emitPeriodFluctuant = 0.1f;
  const auto batches = [&](int32_t seed) {
    SeedRnd(seed);
    tSortParticleManager own;
    factory->Restart(0.0f);
    std::vector<int32_t> sizes;
    for (int32_t frame = 0; frame < 10 * 50; ++frame) {
      factory->Update(1.0f / 50.0f);
      for (int32_t before = own.count(); factory->PeriodEmit(own, nullptr); before = own.count())
        sizes.push_back(own.count() - before);
    }
    return sizes;
  };
  const std::vector<int32_t> sizes = batches(1234);
  // Periods average 0.125 s: about 80 batches, and never fewer than 50 or
  // more than 101.
  EXPECT_GE(sizes.size(), 70u);
  EXPECT_LE(sizes.size(), 90u);
  EXPECT_EQ(*std::min_element(sizes.begin(), sizes.end()), 0);
  EXPECT_EQ(*std::max_element(sizes.begin(), sizes.end()), 3);
  EXPECT_EQ(batches(1234), sizes);
  EXPECT_NE(batches(4321), sizes);
}

TEST_F(ParticleEngineTest, APeriodOfNothingEmitsOneBatchPerUpdate) {
  auto factory = factoryOf(immortal(), 0.0f, 2);
  factory->Restart(0.0f);
  for (int32_t frame = 0; frame < 5; ++frame) {
    factory->Update(FRAME);
    while (factory->PeriodEmit(manager, nullptr)) {
    }
  }
  EXPECT_EQ(manager.count(), 10);
}

TEST_F(ParticleEngineTest, ATimedParticleEmitsWhileItLivesAndOnceWhenItDies) {
  auto parent = std::make_shared<tTimeParticle>();
  parent->life = 0.4f;
  parent->emit = factoryOf(immortal(-1.0f), 0.125f);
  parent->nrst = factoryOf(immortal(-2.0f), 1.0f, 3);
  parent->Restart(0.0f);
  manager.AddParticle(parent);
  run(32);
  EXPECT_FALSE(manager.ParticleExist(*parent));
  // Batches at ages 0, 0.125, 0.25 and 0.375 of the parent, now a second on,
  // each a frame older for the frame it was made in.
  EXPECT_TRUE(AgesAre(ages(-1.0f), {1.0f + FRAME, 0.875f + FRAME, 0.75f + FRAME, 0.625f + FRAME}));
  // Three at its death: as old as the time since it died, and that frame.
  EXPECT_TRUE(AgesAre(ages(-2.0f), {0.6f + FRAME, 0.6f + FRAME, 0.6f + FRAME}));
}

TEST_F(ParticleEngineTest, AnEmitterOfThreePeriodsEmitsThreeBatchesAndLeaves) {
  auto emitter = std::make_shared<tZebEmitter>();
  emitter->incLife = 3;
  emitter->emit = factoryOf(immortal(), 0.125f, 2);
  emitter->Restart(0.0f);
  manager.AddParticle(emitter);
  run(64);
  EXPECT_EQ(ages().size(), 6u);
  EXPECT_FALSE(manager.ParticleExist(*emitter));
  EXPECT_EQ(emitter->link.manager, nullptr);

  emitter->incLife = -1;  // for ever
  emitter->Restart(0.0f);
  manager.AddParticle(emitter);
  run(64);
  EXPECT_EQ(ages().size(), 6u + 2 * 17);
  EXPECT_TRUE(manager.ParticleExist(*emitter));
}

TEST_F(ParticleEngineTest, AParticleKeptByValueEmitsDuringItsOwnUpdate) {
  auto child = std::make_shared<tZebParticle>();
  child->life = 1.0f;
  tZebParticle parent;
  parent.life = 0.03f;
  parent.record().x = 7.0f;
  // More than fill the parent's block of storage, then a kind not held yet.
  parent.emit = factoryOf(child, 1.0f, 300);
  parent.emit->inherit = std::make_shared<tAtParent>();
  auto mark = std::make_shared<tMarkParticle>();
  mark->life = -1.0f;
  parent.nrst = factoryOf(mark, 1.0f, 5);
  parent.Restart(0.0f);
  ASSERT_TRUE(parent.CopyInto(manager));
  manager.Update(0.02f);
  manager.Update(0.02f);  // the parent dies
  int32_t children = 0, marks = 0;
  manager.Grub([&](tParticle& p) {
    if (auto* zeb = dynamic_cast<tZebParticle*>(&p); zeb && zeb->life == 1.0f) {
      ++children;
      EXPECT_EQ(zeb->record().x, 7.0f);
    }
    if (dynamic_cast<tMarkParticle*>(&p)) ++marks;
  });
  EXPECT_EQ(children, 300);
  EXPECT_EQ(marks, 5);
  manager.Update(0.02f);
  EXPECT_EQ(manager.count(), 305) << "the parent has gone";
}

TEST_F(ParticleEngineTest, NoBatchOverfillsTheManager) {
  auto factory = factoryOf(immortal(), 1.0f, 2 * tParticleManager::MAX_PARTICLES);
  factory->emitCountFluctuant = -2147483647 - 1;
  EXPECT_EQ(factory->Emit(manager, nullptr, 0.0f), tParticleManager::MAX_PARTICLES);
  EXPECT_EQ(factory->Emit(manager, nullptr, 0.0f), 0);
  EXPECT_EQ(manager.count(), tParticleManager::MAX_PARTICLES);
}

TEST_F(ParticleEngineTest, ParticlesLeaveTheManagerTheyWereIn) {
  auto a = immortal(), b = immortal(), c = immortal();
  for (const auto& p : {a, b, c}) manager.AddParticle(p);
  manager.RemoveParticle(*b);
  EXPECT_FALSE(manager.ParticleExist(*b));
  EXPECT_EQ(manager.particles, (std::vector<tParticlePtr>{a, c}));
  tSortParticleManager other;
  other.AddParticle(c);
  EXPECT_FALSE(manager.ParticleExist(*c));
  EXPECT_TRUE(other.ParticleExist(*c));
  manager.AddParticle(a);  // already there: not twice
  EXPECT_EQ(manager.particles, std::vector<tParticlePtr>{a});
  other.RemoveParticle(*a);  // not other's to remove
  EXPECT_TRUE(manager.ParticleExist(*a));
  manager.Clear();
  EXPECT_FALSE(manager.ParticleExist(*a));
  EXPECT_EQ(manager.count(), 0);
}

TEST_F(ParticleEngineTest, CountFlipReportsTheUpdatesSinceItWasLastAsked) {
  auto emitter = std::make_shared<tTimeEmitter>();
  emitter->emit = factoryOf(immortal(), 1.0f, 4);
  emitter->Restart(0.0f);
  manager.AddParticle(emitter);
  manager.Update(FRAME);  // the emitter, and its four new particles
  manager.Update(FRAME);
  EXPECT_EQ(tParticleManager::CountFlip(), 10);
  EXPECT_EQ(tParticleManager::CountFlip(), 0);
}

}  // namespace

}  // namespace vandrell

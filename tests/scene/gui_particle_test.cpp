// The particle visual: starting, stopping, clearing and restarting its
// emitters, and a frame of a burst drawn on the software renderer.
#include <gtest/gtest.h>

#include <memory>

#include "particle_files.h"
#include "platform/random.h"
#include "resources/resource_manager.h"
#include "scene/gui_particle.h"
#include "scene/particle_factory.h"
#include "scene/particle_loader.h"
#include "scene/zeb_emitter.h"
#include "scene/zeb_particle.h"
#include "scene/zeb_particle_fluctuant.h"
#include "support/render_fixture.h"
#include "support/screen_scope.h"

namespace vandrell {

namespace {

// Two particles of a second's life every 0.1 s, for ever.
std::shared_ptr<tZebEmitter> fountain() {
  auto sample = std::make_shared<tZebParticle>();
  sample->record().incLife = 50;
  auto emitter = tZebEmitter::Create(sample, std::make_shared<tZebParticleFluctuant>());
  emitter->emit->emitPeriod = 0.1f;
  emitter->emit->emitCount = 2;
  return emitter;
}

class GuiParticleTest : public ::testing::Test {
 protected:
  void update(float seconds) {
    for (float t = 0.0f; t < seconds - 0.001f; t += 0.05f)
      tGuiObject::sendto(visual, vandrell::GUIMSG_UPDATE(), tFloatArray{0.05f});
  }
  // Emitted particles only.
  int32_t emitted() const { return visual.pm->count() - (visual.isStart() ? 1 : 0); }

  tGuiParticle visual;
  std::shared_ptr<tZebEmitter> emitter = fountain();
};

TEST_F(GuiParticleTest, StopLetsParticlesFinishAndClearTakesThemAtOnce) {
  EXPECT_EQ(visual.isStart(), 1) << "no emitters: nothing to start";
  visual.emitters.push_back(emitter);
  EXPECT_EQ(visual.isStart(), 0);
  visual.start();
  EXPECT_EQ(visual.isStart(), 1);
  update(0.45f);  // batches due at 0, 0.1 ... 0.4 s
  EXPECT_EQ(emitted(), 10);

  visual.stop();
  EXPECT_EQ(visual.isStart(), 0);
  update(0.5f);
  EXPECT_EQ(emitted(), 10) << "no new batches, the old particles fly on";
  update(0.6f);
  EXPECT_EQ(emitted(), 0) << "their second is over";

  visual.start();
  update(0.25f);
  EXPECT_EQ(emitted(), 6);
  visual.clear();
  EXPECT_EQ(emitted(), 0);
  EXPECT_EQ(visual.isStart(), 1) << "the running emitter keeps running";
  update(0.1f);
  EXPECT_EQ(emitted(), 2);
}

TEST_F(GuiParticleTest, RestartBeginsAgainAndReactorPreRunsTheEffect) {
  emitter->incLife = 2;
  visual.emitters.push_back(emitter);
  visual.start();
  update(0.5f);
  EXPECT_EQ(visual.isStart(), 0) << "its two periods are done";
  EXPECT_EQ(emitted(), 4);

  visual.restart();
  EXPECT_EQ(visual.isStart(), 1);
  visual.reactor(0.0f, 30.0f);  // an update of no time: the first batch
  EXPECT_EQ(emitted(), 4 + 2);
  EXPECT_EQ(visual.hovering(0.0f, 0.0f), 0);
}

class GuiParticleRenderTest : public RenderTest {
 protected:
  ScreenScope screen{1, 1, 0, 0};
  ParticleFiles files;
  tCacheResourceManager resources;
};

TEST_F(GuiParticleRenderTest, ABurstOfSparks) {
  files.putBurst("burst.set");
  SeedRnd(2024);
  const auto emitter = loadParticleEmitter("burst.set", resources);
  ASSERT_TRUE(emitter);
  emitter->incLife = 1;
  emitter->sampleRecord()->x = 32.0f;
  emitter->sampleRecord()->y = 20.0f;
  tGuiParticle visual;
  visual.emitters.push_back(emitter);
  visual.start();
  for (int i = 0; i < 10; ++i) tGuiObject::sendto(visual, vandrell::GUIMSG_UPDATE(), tFloatArray{0.02f});
  visual.render();
  EXPECT_TRUE(MatchesReference(grab(), "particle_burst.png"));
}

}  // namespace

}  // namespace vandrell

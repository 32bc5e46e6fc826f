// Particle pics: an effect at a point of the scene, started, stopped, moved
// and scaled by the level file and by scripts, and saved without particles.
#include "scene/pic_particle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "particle_files.h"
#include "platform/random.h"
#include "resources/config.h"
#include "scene/zeb_particle.h"
#include "scene_test_support.h"
#include "support/log_capture.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

// Particles out, not counting the emitter.
int32_t emitted(const tPicParticle& pic) {
  return pic.visual().pm->count() - (pic.emitter() && pic.visual().isStart() ? 1 : 0);
}

// Where the particles out are, in whole design units.
std::set<std::pair<int32_t, int32_t>> places(const tPicParticle& pic) {
  std::set<std::pair<int32_t, int32_t>> found;
  pic.visual().pm->Grub([&](tParticle& particle) {
    if (auto* drop = dynamic_cast<tZebParticle*>(&particle))
      found.insert({static_cast<int32_t>(drop->record().x), static_cast<int32_t>(drop->record().y)});
  });
  return found;
}

class PicParticleTest : public SceneTest {
 protected:
  PicParticleTest() {
    tPicProperty::Current().offset(0);
    files.putDisc("dot.png", 4);
    tDescriptionText d;
    d[1] = "dot.png";
    d[3] = "5";   // a batch every 0.1 s
    d[5] = "2";   // of two drops
    d[7] = "24";  // living 0.48 s, standing still
    d[29] = d[30] = d[39] = "1";
    files.put("drip.set", d.text());
  }

  std::shared_ptr<tPicParticle> drip(const std::string& name, const std::map<size_t, std::string>& changes = {}) {
    auto pic = scene.load<tPicParticle>(name, "drip.set", Record(100, 50, changes));
    tGui::Current().insert(pic, name);
    return pic;
  }
  static void steps(float seconds) {
    for (float t = 0.0f; t < seconds - 0.001f; t += 0.05f) frame(0.05f);
  }

  ParticleFiles files;
};

}  // namespace

TEST_F(PicParticleTest, TheRecordPlacesScalesAndRunsTheEffectForItsPeriods) {
  tPicProperty::Current().offset(1);
  const auto ox = static_cast<float>(tPicProperty::Current().offsetX());
  const auto oy = static_cast<float>(tPicProperty::Current().offsetY());
  auto pic = drip("drip", {{2, "1.5"}, {4, "3"}});
  EXPECT_FLOAT_EQ(pic->h(), 100 + ox);
  EXPECT_FLOAT_EQ(pic->v(), 50 + oy);
  EXPECT_FLOAT_EQ(pic->zeb_property_x(), 100);
  EXPECT_FLOAT_EQ(pic->zeb_property_y(), 50);
  EXPECT_FLOAT_EQ(pic->zeb_property_sx(), 1.5f);
  EXPECT_FLOAT_EQ(pic->zeb_property_sy(), 1.5f);
  EXPECT_EQ(pic->visual().isStart(), 1);
  steps(0.25f);
  EXPECT_EQ(emitted(*pic), 6);
  steps(0.2f);
  EXPECT_EQ(emitted(*pic), 6) << "three batches, then no more";
  EXPECT_EQ(pic->visual().isStart(), 0);
  EXPECT_EQ(drip("endless")->emitter()->incLife, -1) << "no periods given: for ever";
}

TEST_F(PicParticleTest, AHiddenPicWaitsForShowAndHidingLetsTheParticlesFinish) {
  auto pic = drip("drip", {{5, "1"}});
  steps(0.2f);
  EXPECT_EQ(emitted(*pic), 0);
  pic->zeb_show();
  steps(0.15f);
  EXPECT_EQ(emitted(*pic), 4);
  pic->zeb_hide();
  steps(0.2f);
  EXPECT_EQ(emitted(*pic), 4) << "no new batches; the drops out stay";
  pic->zeb_clearparticle();
  EXPECT_EQ(emitted(*pic), 0);
}

TEST_F(PicParticleTest, ScriptsMoveAndScaleWhereNewParticlesStartAndGlobalFlagsHideOrFreeze) {
  auto pic = drip("drip", {{2, "1"}});
  pic->zeb_translate(200, 150, 1.0f);
  pic->zeb_resize(3, 0, 1.0f);
  steps(0.5f);
  EXPECT_NEAR(pic->zeb_property_x(), 150, 0.01f);
  EXPECT_NEAR(pic->zeb_property_y(), 100, 0.01f);
  EXPECT_NEAR(pic->s(), 2, 0.01f);
  const std::set<std::pair<int32_t, int32_t>> before = places(*pic);
  pic->zeb_move(-50, 0, 0.0f);
  pic->zeb_scale(1, 0);
  steps(0.2f);
  EXPECT_FLOAT_EQ(pic->h(), 100);
  EXPECT_FLOAT_EQ(pic->s(), 1) << "setting the scale stops its glide";
  const std::set<std::pair<int32_t, int32_t>> after = places(*pic);
  EXPECT_TRUE(after.count({100, 100})) << "new drops start at the new point";
  EXPECT_FALSE(before.count({100, 100}));
  EXPECT_TRUE(std::any_of(before.begin(), before.end(), [&](const auto& spot) { return after.count(spot) > 0; }))
      << "drops out before the move stay where they were";

  pic->zeb_disable();
  EXPECT_EQ(pic->visual().isUpdatable(), 1) << "only the global flags freeze the effect";
  pic->genable(0);
  const int32_t frozen = emitted(*pic);
  steps(1.0f);
  EXPECT_EQ(emitted(*pic), frozen);
  pic->gshow(0);
  EXPECT_EQ(pic->visual().isVisible(), 0);
  pic->gshow(1);
  pic->genable(1);
  steps(0.95f);
  EXPECT_EQ(emitted(*pic), 10) << "running again: five batches live at a time";
}

TEST_F(PicParticleTest, DelayedRestartsAndEndlessEmission) {
  auto pic = drip("drip", {{4, "1"}});
  steps(0.6f);
  EXPECT_EQ(emitted(*pic), 0);
  pic->zeb_showparticledelay(0.3f);
  steps(0.25f);
  EXPECT_EQ(emitted(*pic), 0);
  steps(0.1f);
  EXPECT_EQ(emitted(*pic), 2);
  pic->zeb_showparticle();
  EXPECT_EQ(emitted(*pic), 4) << "the first batch of a fresh start comes at once";
  pic->zeb_showparticleforever();
  steps(0.95f);
  EXPECT_EQ(pic->visual().isStart(), 1);
  EXPECT_EQ(emitted(*pic), 10);
}

TEST_F(PicParticleTest, ASaveKeepsThePointTheScaleAndTheRunningStateButNoParticle) {
  auto pic = drip("drip", {{4, "2"}});
  pic->zeb_position(40, 30);
  pic->zeb_scale(2, 0);
  pic->zeb_translate(80, 30, 2.0f);
  pic->zeb_showparticleforever();
  steps(0.3f);
  ASSERT_GT(emitted(*pic), 0);
  const float h = pic->h();
  auto stopped = drip("stopped");
  stopped->zeb_hide();
  stopped->gshow(0);
  tConfig cfg;
  pic->saveInstant(cfg, "pic=drip");
  stopped->saveInstant(cfg, "pic=stopped");

  auto restored = drip("drip2", {{5, "1"}, {4, "2"}});
  restored->loadInstant(cfg, "pic=drip");
  EXPECT_FLOAT_EQ(restored->h(), h);
  EXPECT_FLOAT_EQ(restored->v(), 30);
  EXPECT_FLOAT_EQ(restored->s(), 2);
  EXPECT_EQ(restored->visual().isStart(), 1);
  EXPECT_EQ(emitted(*restored), 0) << "the effect starts anew";
  steps(0.45f);
  EXPECT_EQ(emitted(*restored), 10) << "for ever, not two batches";
  steps(2.0f);
  EXPECT_FLOAT_EQ(restored->h(), 80) << "the glide goes on";

  auto restoredStop = drip("stopped2");
  restoredStop->loadInstant(cfg, "pic=stopped");
  EXPECT_EQ(restoredStop->visual().isStart(), 0);
  EXPECT_EQ(restoredStop->visual().isVisible(), 0) << "a globally hidden effect stays hidden";
  EXPECT_EQ(restoredStop->visual().isUpdatable(), 0);
}

TEST_F(PicParticleTest, AMissingDescriptionLeavesAQuietPic) {
  LogCapture log;
  auto pic = scene.load<tPicParticle>("ghost", "missing.set", Record(10, 20, {{2, "2"}}));
  tGui::Current().insert(pic, "ghost");
  EXPECT_TRUE(log.contains("missing.set"));
  EXPECT_EQ(pic->emitter(), nullptr);
  EXPECT_FLOAT_EQ(pic->h(), 0);
  EXPECT_FLOAT_EQ(pic->s(), 0);
  pic->zeb_translate(50, 50, 1.0f);
  pic->zeb_showparticle();
  pic->zeb_showparticledelay(0.0f);
  pic->zeb_showparticleforever();
  steps(0.5f);
  EXPECT_EQ(pic->visual().pm->count(), 0);
}

namespace {

class PicParticleRenderTest : public RenderTest {
 protected:
  PicParticleRenderTest() : RenderTest(96, 64) {}

  tCurrentScope<tGui> root{std::make_shared<tGui>()};
  tSceneWorld scene;
  ParticleFiles files;
};

}  // namespace

TEST_F(PicParticleRenderTest, ABurstOfSparksWhereThePicStandsAtItsScale) {
  tPicProperty::Current().offset(0);
  files.putBurst("burst.set");
  SeedRnd(2024);
  auto pic = scene.load<tPicParticle>("burst", "burst.set", Record(48, 26, {{2, "1.5"}, {4, "1"}}));
  tGui::Current().insert(pic, "burst");
  for (int i = 0; i < 16; ++i) tGui::Current().update(0.02f);
  pic->visual().render();
  EXPECT_TRUE(MatchesReference(grab(), "pic_particle_burst.png"));
}

}  // namespace vandrell

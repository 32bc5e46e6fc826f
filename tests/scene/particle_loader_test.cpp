// Particle description files: where each line goes, the sprite and its
// animation, and what a broken file gives.
#include <gtest/gtest.h>

#include <cmath>

#include "particle_files.h"
#include "resources/resource_manager.h"
#include "scene/particle_factory.h"
#include "scene/particle_loader.h"
#include "scene/particle_manager.h"
#include "scene/zeb_particle.h"
#include "scene/zeb_particle_fluctuant.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

class ParticleLoaderTest : public ::testing::Test {
 protected:
  std::shared_ptr<tZebEmitter> load(tDescriptionText& description) {
    files.put("effect.set", description.text());
    return loadParticleEmitter("effect.set", resources);
  }

  ParticleFiles files;
  tCacheResourceManager resources;
};

TEST_F(ParticleLoaderTest, EachLineReachesItsRecord) {
  files.putDisc("spark.png", 4);
  tDescriptionText d;
  d[1] = "art/sparks/spark.png";
  d[3] = "5";
  d[4] = "10";
  d[5] = "7";
  d[6] = "2";
  d[7] = "40";
  d[8] = "5";
  d[11] = "3.5";
  d[13] = "1.25";
  d[15] = "0.75";
  d[38] = "-999";
  d[43] = "-998";
  d[44] = "2";
  d[45] = "1";
  d[46] = "200";
  d[51] = "30";
  d[62] = "0.98";
  d[63] = "20";
  d[74] = "0.1";
  d[75] = "1";
  d[76] = "1";
  const auto emitter = load(d);
  ASSERT_TRUE(emitter && emitter->emit);
  EXPECT_EQ(emitter->incLife, -1);
  const tParticleFactory& factory = *emitter->emit;
  EXPECT_FLOAT_EQ(factory.emitPeriod, 0.1f);
  EXPECT_FLOAT_EQ(factory.emitPeriodFluctuant, 0.2f);
  EXPECT_EQ(factory.emitCount, 7);
  EXPECT_EQ(factory.emitCountFluctuant, 2);
  EXPECT_FLOAT_EQ(factory.emitStart, 0.0f);
  EXPECT_EQ(factory.inherit, nullptr);

  const tZebParticleStruct& p = *emitter->sampleRecord();
  const tZebParticleFluctuant& range = *emitter->fluctuation();
  EXPECT_EQ(p.incLife, 40);
  EXPECT_EQ(range.incLife, 5);
  EXPECT_FLOAT_EQ(range.x, 3.5f);
  EXPECT_FLOAT_EQ(p.x, 0.0f);
  EXPECT_FLOAT_EQ(p.xSpeed, 1.25f);
  EXPECT_FLOAT_EQ(range.xSpeed, 0.75f);
  EXPECT_FLOAT_EQ(p.scaleYF, -999.0f);
  EXPECT_FLOAT_EQ(p.alphaF, -998.0f);
  EXPECT_EQ(p.blending, 2);
  EXPECT_EQ(p.type_, 1);
  EXPECT_FLOAT_EQ(p.r, 200.0f);
  EXPECT_FLOAT_EQ(range.b, 30.0f);
  EXPECT_FLOAT_EQ(p.gravityF, 0.98f);
  EXPECT_FLOAT_EQ(p.showUp, 20.0f);
  EXPECT_FLOAT_EQ(range.animSpeedF, 5.0f);
  EXPECT_EQ(range.animRandom, 1);
  EXPECT_EQ(p.course, 1);
  EXPECT_FLOAT_EQ(range.sc, 1.0f);
  ASSERT_TRUE(p.sprite);
  EXPECT_EQ(p.sprite->frameCount(), 1);
  EXPECT_FALSE(p.anim);

  d[3] = "0";
  EXPECT_FLOAT_EQ(load(d)->emit->emitPeriod, 0.02f) << "a period of no ticks is one tick";
}

TEST_F(ParticleLoaderTest, AnAnimatedSpritePlaysItsRangeOfCells) {
  TPixmapPtr sheet = TPixmap::Create(8, 2);  // four cells of 2 x 2
  for (int32_t x = 0; x < 8; ++x)
    for (int32_t y = 0; y < 2; ++y) sheet->WritePixel(x, y, static_cast<int32_t>(0xFF000000u | (x / 2 * 60u) << 16));
  files.putSprite("sheet.png", *sheet);
  tDescriptionText d;
  d[1] = "sheet.png";
  d[64] = d[65] = "2";
  d[66] = "1";
  d[67] = "2";
  d[68] = "4";
  d[69] = "0.1";
  d[71] = "3";
  d[72] = "4";
  const auto emitter = load(d);
  const tZebParticleStruct& p = *emitter->sampleRecord();
  ASSERT_TRUE(p.sprite);
  EXPECT_EQ(p.sprite->frameCount(), 4);
  ASSERT_TRUE(p.anim);
  EXPECT_EQ(p.anim->frame0(), 1);
  EXPECT_EQ(p.anim->frame1(), 3);
  EXPECT_EQ(p.anim->frame(), 2);
  EXPECT_FLOAT_EQ(p.anim->getSpeed(), 5.0f);
  EXPECT_EQ(p.anim->_anim, ANIM_LOOP);
  EXPECT_TRUE(p.anim->_play);

  d[66] = "0";
  EXPECT_FALSE(load(d)->sampleRecord()->anim->_play);
}

TEST_F(ParticleLoaderTest, MissingAndMalformedValuesAreReportedAndReadAsZero) {
  LogCapture log;
  files.putDisc("spark.png", 4);
  files.put("broken.set", "spark.png\n\nabc\n2\n\n2\n20\n0\n\n\n0\n0\n1e999\nnan\n");
  const auto emitter = loadParticleEmitter("broken.set", resources);
  ASSERT_TRUE(emitter);
  EXPECT_TRUE(log.contains("broken.set has 14 of 76 lines"));
  EXPECT_TRUE(log.contains("broken.set line 3: \"abc\" is not a number"));
  EXPECT_TRUE(log.contains("broken.set line 5: \"\" is not a number"));
  EXPECT_TRUE(log.contains("broken.set line 13: \"1e999\""));
  EXPECT_TRUE(log.contains("broken.set line 14: \"nan\""));
  EXPECT_FLOAT_EQ(emitter->emit->emitPeriod, 0.02f);
  EXPECT_EQ(emitter->emit->emitCount, 0);
  EXPECT_EQ(emitter->emit->emitCountFluctuant, 2);
  EXPECT_FLOAT_EQ(emitter->sampleRecord()->xSpeed, 0.0f);
  EXPECT_FLOAT_EQ(emitter->sampleRecord()->ySpeed, 0.0f);

  // It runs: batches of 0 to 2 particles that never move.
  tSortParticleManager manager;
  emitter->Restart(0.0f);
  manager.AddParticle(emitter);
  for (int i = 0; i < 100; ++i) manager.Update(0.02f);
  EXPECT_GT(manager.count(), 1);
  manager.Grub([](tParticle& p) {
    if (auto* zeb = dynamic_cast<tZebParticle*>(&p)) {
      EXPECT_FLOAT_EQ(zeb->record().x, 0.0f);
    }
  });
}

TEST_F(ParticleLoaderTest, ValuesBeyondAnyUseAreBroughtWithinBounds) {
  LogCapture log;
  tDescriptionText d;
  d[5] = "50000";
  d[6] = "-99999999999999";
  d[17] = "1e20";
  const auto emitter = load(d);
  EXPECT_EQ(emitter->emit->emitCount, tParticleManager::MAX_PARTICLES);
  EXPECT_EQ(emitter->emit->emitCountFluctuant, -tParticleManager::MAX_PARTICLES);
  EXPECT_FLOAT_EQ(emitter->sampleRecord()->xF, tZebParticleStruct::LIMIT);
  EXPECT_TRUE(log.contains("line 5: 50000 particles per batch are more than"));
  EXPECT_TRUE(log.contains("line 6: \"-99999999999999\" is out of range"));
  EXPECT_TRUE(log.contains("line 17: \"1e20\" is out of range"));
}

TEST_F(ParticleLoaderTest, AMissingFileGivesNoEmitterAndAMissingSpriteNoDrawing) {
  LogCapture log;
  EXPECT_EQ(loadParticleEmitter("nowhere.set", resources), nullptr);
  EXPECT_TRUE(log.contains("Cannot open the particle description nowhere.set"));

  tDescriptionText d;
  d[1] = "missing.png";
  const auto emitter = load(d);
  ASSERT_TRUE(emitter);
  EXPECT_FALSE(emitter->sampleRecord()->sprite);
  EXPECT_TRUE(log.contains("line 1: the sprite \"missing.png\" cannot be loaded"));
  d[1] = "folder/";
  EXPECT_FALSE(load(d)->sampleRecord()->sprite);
  EXPECT_TRUE(log.contains("line 1: no sprite"));
}

}  // namespace

}  // namespace vandrell

// Particle descriptions on arbitrary text, their sprites taken from a small
// media folder ("spark.png", 4 x 4, and "sheet.png", 8 x 8). A loaded effect
// runs for a second in fixed frames and then one long frame. Throughout, the
// manager never holds more than its limit; every batch holds as many
// particles as the description allows; no particle outlives its life by more
// than the frame in which it died; every value of a particle is finite and
// within the particles' bound, its colour within 0 to 255, and its steps have
// caught up with its age.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/settings.h"
#include "platform/filesystem.h"
#include "platform/png_codec.h"
#include "platform/process_wide.h"
#include "platform/random.h"
#include "resources/media_lookup.h"
#include "scene/particle_factory.h"
#include "scene/particle_loader.h"
#include "scene/particle_manager.h"
#include "scene/zeb_particle.h"

using namespace vandrell;

namespace {

constexpr int32_t FRAMES = 25;
constexpr float FRAME = 1.0f / 25.0f;
constexpr float LONG_FRAME = 0.5f;

// Names the line of the check that failed: the stack trace cannot, as
// the checks are inlined.
void require(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "check failed at line %d of %s\n", line, __FILE__);
  std::abort();
}

// The media folder of one process, removed when the process ends.
struct MediaFolder {
  std::string root = std::string(FileType("/dev/shm") == FILETYPE_DIR ? "/dev/shm" : "/tmp") +
                     "/vandrell-fuzz-particles-" + std::to_string(getpid()) + "/";
  MediaFolder() {
    CreateDir(root + "media");
    putImage("spark.png", 4);
    putImage("sheet.png", 8);
  }
  ~MediaFolder() { std::filesystem::remove_all(root); }

  void putImage(const std::string& name, int32_t size) const {
    const TPixmapPtr image = TPixmap::Create(size, size);
    for (int32_t y = 0; y < size; ++y)
      for (int32_t x = 0; x < size; ++x) image->WritePixel(x, y, static_cast<int32_t>(0x80000000u | x * 0x1020u | y));
    require(SavePixmapPNG(*image, root + "media/" + name));
  }
};

// The particles a batch of the factory may hold.
struct BatchSize {
  int64_t least, most;
};

BatchSize batchSize(const tParticleFactory& factory) {
  const int64_t spread = std::llabs(int64_t{factory.emitCountFluctuant});
  return {std::max<int64_t>(0, factory.emitCount - spread), std::max<int64_t>(0, factory.emitCount + spread)};
}

void checkParticle(const tZebParticle& particle, float lastDelta) {
  const tZebParticleStruct& r = particle.record();
  for (const float value : {r.sc, r.x, r.y, r.xSpeed, r.ySpeed, r.xF, r.yF, r.rotate, r.rotateSpeed, r.rotateF,
                            r.gRotate, r.gRotateSpeed, r.gRotateF, r.scaleX, r.scaleY, r.scaleXSpeed,
                            r.scaleYSpeed, r.scaleXF, r.scaleYF, r.alpha, r.alphaSpeed, r.alphaF, r.rSpeed,
                            r.gSpeed, r.bSpeed, r.rF, r.gF, r.bF, r.gravity, r.gravityF, r.showUp, r.showUpAlpha,
                            r.showUpAlphaSpeed, r.showUpNewAlpha}) {
    require(std::isfinite(value) && std::abs(value) <= tZebParticleStruct::LIMIT);
  }
  for (const float channel : {r.r, r.g, r.b}) require(channel >= 0.0f && channel <= 255.0f);
  require(particle.life >= 0.0f && particle.lifeTimer >= 0.0f);
  require(particle.lifeTimer <= particle.life + lastDelta + 1e-3f);
  const float tick = tSettings::Current().inc2period(1.0f);
  require(r.incTimer > std::min(particle.lifeTimer, particle.life + tick));
}

// `elapsed` seconds after the first batch; the manager holds the emitter too.
void check(tSortParticleManager& manager, const tParticleFactory& factory, float elapsed, float lastDelta) {
  const int32_t count = manager.count();
  require(count <= manager.capacity);
  // Batches come a period apart at the least.
  const int64_t batches = static_cast<int64_t>(std::floor(elapsed / factory.emitPeriod + 1e-3f)) + 1;
  require(count - 1 <= batches * batchSize(factory).most);
  manager.Grub([&](tParticle& p) {
    if (const auto* zeb = dynamic_cast<const tZebParticle*>(&p)) checkParticle(*zeb, lastDelta);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const MediaFolder folder;
  const tCurrentScope<tFile> media(std::make_shared<tFile>(folder.root));
  tCacheResourceManager resources;
  TTextStream text(CreateBankStream(std::vector<uint8_t>(data, data + size)), UTF8);
  const std::shared_ptr<tZebEmitter> emitter = readParticleEmitter(text, "fuzz.set", resources);
  require(emitter && emitter->emit && emitter->sampleRecord() && emitter->fluctuation());
  const tParticleFactory& factory = *emitter->emit;
  require(factory.emitPeriod >= tSettings::Current().inc2period(1.0f));

  SeedRnd(static_cast<int32_t>(size));
  tSortParticleManager manager;
  // Small enough to reach often without slowing the runs down.
  manager.capacity = 2000;
  emitter->Restart(0.0f);
  manager.AddParticle(emitter);
  manager.Update(0.0f);
  // The first batch, at once: the emitter plus as many as the batch allows.
  const BatchSize batch = batchSize(factory);
  const int64_t room = manager.capacity - 1;
  require(manager.count() - 1 >= std::min(batch.least, room));
  require(manager.count() - 1 <= std::min(batch.most, room));

  float elapsed = 0.0f;
  for (int32_t frame = 0; frame < FRAMES; ++frame) {
    manager.Update(FRAME);
    elapsed += FRAME;
    check(manager, factory, elapsed, FRAME);
  }
  manager.Update(LONG_FRAME);
  check(manager, factory, elapsed + LONG_FRAME, LONG_FRAME);
  require(manager.ParticleExist(*emitter));
  // Without a graphics context nothing is drawn, but every particle works
  // out how it would be.
  manager.Render();
  return 0;
}

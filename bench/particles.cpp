// The cost of particles on the software back end: a frame that updates and
// draws 5,000 live particles (soft sprites, tinted and alpha-blended; upright,
// then turned and scaled) against a frame of the same 5,000 draws made
// directly with the same drawing state; and the update alone per 1,000
// particles.
//
//   bench_particles [frames]
//
// Without a display, run it with SDL_VIDEODRIVER=dummy.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench_support.h"
#include "core/numeric.h"
#include "platform/draw.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/window.h"
#include "scene/particle_factory.h"
#include "scene/particle_manager.h"
#include "scene/zeb_emitter.h"
#include "scene/zeb_particle.h"
#include "scene/zeb_particle_fluctuant.h"

using namespace vandrell;

namespace {

constexpr int32_t WIDTH = 800, HEIGHT = 600, PARTICLES = 5000;
constexpr float FRAME = 1.0f / 60.0f;

TImagePtr softDisc(int32_t size) {
  TPixmapPtr pixmap = TPixmap::Create(size, size);
  const float r = size / 2.0f;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const float dx = (x + 0.5f - r) / r, dy = (y + 0.5f - r) / r, d = dx * dx + dy * dy;
      const uint32_t alpha = d >= 1.0f ? 0 : static_cast<uint32_t>(255 * (1.0f - d));
      pixmap->WritePixel(x, y, static_cast<int32_t>(alpha << 24 | 0xFFFFFFu));
    }
  }
  return TImage::Load(pixmap, FILTEREDIMAGE);
}

// One batch of PARTICLES spread over the screen, living far longer than the
// benchmark; `turning` ones are of many sizes and spin, which costs the
// software renderer most of its time. They stay where they are, so that the
// draws made directly from their first frame cost what theirs do.
std::shared_ptr<tZebEmitter> effect(const TImagePtr& sprite, bool turning) {
  auto sample = std::make_shared<tZebParticle>();
  tZebParticleStruct& s = sample->record();
  s.sprite = sprite;
  s.incLife = 1000000;
  s.x = WIDTH / 2.0f;
  s.y = HEIGHT / 2.0f;
  s.rotateF = 1.0f;
  s.scaleX = s.scaleY = 1.0f;
  s.scaleXF = 1.0f;
  s.scaleYF = -999.0f;
  s.alpha = 0.8f;
  s.alphaF = 1.0f;
  s.blending = 1;
  s.r = 255.0f;
  s.g = 200.0f;
  s.b = 120.0f;
  s.rF = s.gF = s.bF = 1.0f;
  s.gravityF = 1.0f;
  auto range = std::make_shared<tZebParticleFluctuant>();
  range->sc = 1.0f;
  range->x = WIDTH / 2.0f;
  range->y = HEIGHT / 2.0f;
  if (turning) {
    range->rotate = 180.0f;
    range->rotateSpeed = 3.0f;
    range->scaleX = 0.5f;
  }
  range->g = range->b = 50.0f;
  auto emitter = tZebEmitter::Create(sample, range);
  emitter->emit->emitCount = PARTICLES;
  emitter->incLife = 1;
  return emitter;
}

// What one particle's draw sets, taken from the particles as they are.
struct Draw {
  float rotation, scaleX, scaleY, alpha, x, y;
  int32_t r, g, b;
};

std::vector<Draw> drawsOf(tParticleManager& manager) {
  std::vector<Draw> draws;
  manager.Grub([&](tParticle& p) {
    if (auto* zeb = dynamic_cast<tZebParticle*>(&p)) {
      const tZebParticleStruct& s = zeb->record();
      draws.push_back({s.rotate, s.scaleX, s.scaleY, clampf(0.0f, s.alpha, 1.0f), s.x, s.y, trunci(s.r),
                       trunci(s.g), trunci(s.b)});
    }
  });
  return draws;
}

void drawDirectly(const std::vector<Draw>& draws, const TImagePtr& sprite) {
  SetBlend(ALPHABLEND);
  CentreImageHandle(sprite);
  for (const Draw& d : draws) {
    SetRotation(d.rotation);
    SetScale(d.scaleX, d.scaleY);
    SetAlpha(d.alpha);
    SetColor(d.r, d.g, d.b);
    DrawImage(sprite, d.x, d.y);
  }
}

// Prints the times of one effect; returns update and draw over the draws alone.
double measure(const char* name, bool turning, int32_t frames, const TImagePtr& sprite) {
  SeedRnd(1);
  tSortParticleManager manager;
  const std::shared_ptr<tZebEmitter> emitter = effect(sprite, turning);
  emitter->Restart(0.0f);
  manager.AddParticle(emitter);
  manager.Update(0.0f);
  const std::vector<Draw> draws = drawsOf(manager);

  const auto particleFrame = [&] {
    Cls();
    manager.Update(FRAME);
    manager.Render();
    Flip(0);
  };
  const auto directFrame = [&] {
    Cls();
    drawDirectly(draws, sprite);
    Flip(0);
  };
  particleFrame();  // uploads the sprite before timing
  directFrame();
  // Alternating halves, so that a slow moment of the machine hits both.
  double particles = 0, direct = 0;
  for (int round = 0; round < 2; ++round) {
    particles += bench::seconds(frames / 2, particleFrame) / 2;
    direct += bench::seconds(frames / 2, directFrame) / 2;
  }
  const double update = bench::seconds(frames, [&] { manager.Update(FRAME); });
  std::printf("%s, %d particles:\n", name, static_cast<int>(draws.size()));
  std::printf("  update and draw:       %.3f ms per frame\n", particles * 1000);
  std::printf("  the same draws alone:  %.3f ms per frame\n", direct * 1000);
  std::printf("  update alone:          %.3f ms per 1,000 particles\n", update * 1000 * 1000 / draws.size());
  return particles / direct;
}

}  // namespace

int main(int argc, char** argv) {
  const int32_t frames = argc > 1 ? std::max(2, std::atoi(argv[1])) : 120;
  const TGraphicsPtr graphics = bench::softwareScreen(WIDTH, HEIGHT);
  if (!graphics) return 1;
  const TImagePtr sprite = softDisc(16);
  std::printf("back end %s, %d frames\n", GraphicsDriverName().c_str(), frames);
  const double upright = measure("upright sprites", false, frames, sprite);
  const double turning = measure("turning sprites of many sizes", true, frames, sprite);
  std::printf("cost of the particles: %.3f (upright) and %.3f (turning) x the time of the draws alone "
              "(target at most 1.30)\n",
              upright, turning);
  CloseGraphics(graphics);
  ShutdownPlatform();
  return 0;
}

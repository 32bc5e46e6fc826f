// Frames per second of a typical scene drawn through the platform layer and
// drawn again with the same SDL calls made directly, in the same run, on the
// same renderer. The scene: an 800 x 600 background and 150 alpha-blended
// sprites of 32 to 256 pixels, one in ten rotated.
//
//   bench_renderer [-gl | -dx9 | -dx7 | -soft] [frames]
//
// Without a display the software renderer is used; SDL_VIDEODRIVER=offscreen
// gives the accelerated back ends without one.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "platform/draw.h"
#include "platform/image.h"
#include "platform/sdl/sdl_context.h"
#include "platform/window.h"

using namespace vandrell;

namespace {

constexpr int32_t WIDTH = 800, HEIGHT = 600, SPRITES = 150;

struct Sprite {
  int32_t image;
  float x, y, angle;
};

struct Scene {
  TImagePtr background;
  std::vector<TImagePtr> images;  // a few sizes, shared by the sprites
  std::vector<Sprite> sprites;
  // The same pixels as plain SDL textures, for the direct path.
  SDL_Texture* backgroundTexture = nullptr;
  std::vector<SDL_Texture*> textures;
};

// A soft disc in a colour ramp: partly transparent, so blending matters.
TPixmapPtr spritePixels(int32_t size, uint32_t seed) {
  TPixmapPtr pixmap = TPixmap::Create(size, size);
  const float r = size / 2.0f;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const float dx = (x - r) / r, dy = (y - r) / r, d = dx * dx + dy * dy;
      const uint32_t alpha = d >= 1.0f ? 0 : static_cast<uint32_t>(255 * (1.0f - d));
      pixmap->WritePixel(x, y, static_cast<int32_t>(alpha << 24 | (seed * 40 + x) % 256 << 16 |
                                                    (seed * 90 + y) % 256 << 8 | 128));
    }
  }
  return pixmap;
}

SDL_Texture* textureOf(SDL_Renderer* renderer, const TPixmap& pixmap) {
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                           pixmap.width, pixmap.height);
  SDL_UpdateTexture(texture, nullptr, pixmap.pixels, pixmap.pitch);
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  return texture;
}

Scene buildScene(SDL_Renderer* renderer) {
  Scene scene;
  TPixmapPtr background = TPixmap::Create(WIDTH, HEIGHT);
  for (int32_t y = 0; y < HEIGHT; ++y)
    for (int32_t x = 0; x < WIDTH; ++x)
      background->WritePixel(x, y, static_cast<int32_t>(0xFF000000u | (x % 256) << 16 | (y % 256) << 8 | 64));
  scene.background = TImage::Load(background, 0);
  scene.backgroundTexture = textureOf(renderer, *background);
  for (int32_t size : {32, 64, 96, 128, 192, 256}) {
    TPixmapPtr pixels = spritePixels(size, static_cast<uint32_t>(size));
    scene.images.push_back(TImage::Load(pixels, 0));
    scene.textures.push_back(textureOf(renderer, *pixels));
  }
  std::mt19937 random(7);
  for (int32_t i = 0; i < SPRITES; ++i) {
    scene.sprites.push_back({static_cast<int32_t>(random() % scene.images.size()),
                             static_cast<float>(random() % WIDTH) - 64, static_cast<float>(random() % HEIGHT) - 64,
                             i % 10 == 0 ? static_cast<float>(random() % 360) : 0.0f});
  }
  return scene;
}

// Waits for the renderer to finish the frame, so that no back end reports
// frames it never drew.
void finishFrame(SDL_Renderer* renderer) {
  Uint32 pixel;
  const SDL_Rect one{0, 0, 1, 1};
  SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_RGBA32, &pixel, 4);
  SDL_RenderPresent(renderer);
}

void drawWithPlatform(const Scene& scene, SDL_Renderer* renderer) {
  Cls();
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  SetBlend(SOLIDBLEND);
  SetRotation(0);
  DrawImage(scene.background, 0, 0);
  SetBlend(ALPHABLEND);
  for (const Sprite& sprite : scene.sprites) {
    SetRotation(sprite.angle);
    DrawImage(scene.images[sprite.image], sprite.x, sprite.y);
  }
  finishFrame(renderer);
}

void drawWithSdl(const Scene& scene, SDL_Renderer* renderer) {
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_SetTextureBlendMode(scene.backgroundTexture, SDL_BLENDMODE_NONE);
  SDL_RenderCopyF(renderer, scene.backgroundTexture, nullptr, nullptr);
  for (const Sprite& sprite : scene.sprites) {
    SDL_Texture* texture = scene.textures[sprite.image];
    const TImage& image = *scene.images[sprite.image];
    const SDL_FRect dst{sprite.x, sprite.y, static_cast<float>(image.width), static_cast<float>(image.height)};
    if (sprite.angle == 0.0f) {
      SDL_RenderCopyF(renderer, texture, nullptr, &dst);
    } else {
      const SDL_FPoint centre{0.0f, 0.0f};
      SDL_RenderCopyExF(renderer, texture, nullptr, &dst, sprite.angle, &centre, SDL_FLIP_NONE);
    }
  }
  finishFrame(renderer);
}

template <typename Draw>
double framesPerSecond(int32_t frames, Draw draw) {
  const auto start = std::chrono::steady_clock::now();
  for (int32_t i = 0; i < frames; ++i) draw();
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  return frames / seconds.count();
}

}  // namespace

int main(int argc, char** argv) {
  int32_t frames = 60;
  int32_t driver = GFXDRIVER_DEFAULT;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-gl") driver = GFXDRIVER_OPENGL;
    else if (arg == "-dx9") driver = GFXDRIVER_DIRECTX9;
    else if (arg == "-dx7") driver = GFXDRIVER_DIRECTX7;
    else if (arg == "-soft") driver = GFXDRIVER_SOFTWARE;
    else frames = std::max(1, std::atoi(arg.c_str()));
  }
  SetGraphicsDriver(driver);
  TGraphicsPtr graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
  if (!graphics) {
    std::fprintf(stderr, "no graphics context\n");
    return 1;
  }
  SetGraphics(graphics);
  SDL_Renderer* renderer = graphics->renderer;
  const Scene scene = buildScene(renderer);
  drawWithPlatform(scene, renderer);  // uploads the platform's textures before timing
  drawWithSdl(scene, renderer);

  // Alternating halves, so that a slow moment of the machine hits both.
  double platform = 0, direct = 0;
  for (int round = 0; round < 2; ++round) {
    platform += framesPerSecond(frames / 2, [&] { drawWithPlatform(scene, renderer); }) / 2;
    direct += framesPerSecond(frames / 2, [&] { drawWithSdl(scene, renderer); }) / 2;
  }
  std::printf("back end %s, %d frames of %dx%d with %d sprites\n", GraphicsDriverName().c_str(), frames, WIDTH,
              HEIGHT, SPRITES);
  std::printf("platform layer: %.1f frames/s\n", platform);
  std::printf("SDL directly:   %.1f frames/s\n", direct);
  std::printf("cost of the layer: %.3f x the time of SDL alone (target at most 1.10)\n", direct / platform);
  for (SDL_Texture* texture : scene.textures) SDL_DestroyTexture(texture);
  SDL_DestroyTexture(scene.backgroundTexture);
  CloseGraphics(graphics);
  ShutdownPlatform();
  return 0;
}

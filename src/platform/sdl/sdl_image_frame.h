// The renderer's copy of one image frame: a texture on one graphics context,
// made from the frame's pixmap the first time the frame is drawn there and
// made again when the pixels changed or the context was created anew.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "platform/image.h"
#include "platform/sdl/sdl_context.h"

class TImageFrame {
 public:
  TImageFrame() = default;
  TImageFrame(const TImageFrame&) = delete;
  TImageFrame& operator=(const TImageFrame&) = delete;
  ~TImageFrame();

  // The texture of frame `frame` of `image` on `graphics`, uploaded when
  // needed. With `masked`, a copy whose alpha is cut to 0 or 255 at 128, for
  // drawing in MASKBLEND. Null for an empty frame or when SDL refuses it.
  static SDL_Texture* Texture(TImage& image, int32_t frame, const TGraphicsPtr& graphics, bool masked);

 private:
  struct Upload {
    SDL_Texture* texture = nullptr;
    uint32_t seq = 0;
  };

  void release();
  bool sameContext(const TGraphicsPtr& graphics) const;
  SDL_Texture* upload(Upload& upload, const TImage& image, int32_t frame, bool masked);

  std::weak_ptr<TGraphics> _graphics;
  SDL_Renderer* _renderer = nullptr;  // the renderer the textures were made on
  Upload _plain;
  Upload _masked;
};

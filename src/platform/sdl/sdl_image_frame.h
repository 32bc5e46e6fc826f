// The renderer's copy of one image frame: a texture on one graphics context,
// made from the frame's pixmap the first time the frame is drawn there and
// made again when the pixels changed or the context was created anew.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "platform/image.h"
#include "platform/sdl/sdl_context.h"

namespace vandrell {

class TImageFrame {
 public:
  TImageFrame() = default;
  TImageFrame(const TImageFrame&) = delete;
  TImageFrame& operator=(const TImageFrame&) = delete;
  ~TImageFrame();

  // How the pixels are prepared for a blend mode.
  enum Variant : int32_t {
    PLAIN = 0,
    CUT = 1,            // alpha cut to 0 or 255 at 128, for MASKBLEND
    PREMULTIPLIED = 2,  // colour times alpha, for SDL's multiply in SHADEBLEND
  };

  // The texture of frame `frame` of `image` on `graphics` in that variant,
  // uploaded when needed. Null for an empty frame or when SDL refuses it.
  static SDL_Texture* Texture(TImage& image, int32_t frame, const TGraphicsPtr& graphics, Variant variant);

 private:
  struct Upload {
    SDL_Texture* texture = nullptr;
    uint32_t seq = 0;
  };

  void release();
  bool sameContext(const TGraphicsPtr& graphics) const;
  SDL_Texture* upload(Variant variant, const TImage& image, int32_t frame);

  std::weak_ptr<TGraphics> _graphics;
  SDL_Renderer* _renderer = nullptr;  // the renderer the textures were made on
  Upload _uploads[3];
};

}  // namespace vandrell

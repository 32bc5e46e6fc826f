#include "platform/sdl/sdl_image_frame.h"

#include <vector>

#include "platform/log.h"

namespace vandrell {

TImageFrame::~TImageFrame() { release(); }

bool TImageFrame::sameContext(const TGraphicsPtr& graphics) const {
  return _renderer && _graphics.lock() == graphics && graphics->renderer == _renderer;
}

void TImageFrame::release() {
  // A closed context has destroyed its textures along with its renderer.
  const TGraphicsPtr graphics = _graphics.lock();
  if (graphics && graphics->renderer && graphics->renderer == _renderer) {
    for (Upload& upload : _uploads)
      if (upload.texture) SDL_DestroyTexture(upload.texture);
  }
  for (Upload& upload : _uploads) upload = {};
  _renderer = nullptr;
  _graphics.reset();
}

SDL_Texture* TImageFrame::Texture(TImage& image, int32_t frame, const TGraphicsPtr& graphics, Variant variant) {
  const TPixmapPtr& pixmap = image.pixmaps[frame];
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;
  // Images assembled by hand may have pixmaps only.
  if (image.frames.size() < image.pixmaps.size()) image.frames.resize(image.pixmaps.size());
  if (image.seqs.size() < image.pixmaps.size()) image.seqs.resize(image.pixmaps.size());
  std::shared_ptr<TImageFrame>& copy = image.frames[frame];
  if (!copy) copy = std::make_shared<TImageFrame>();
  if (!copy->sameContext(graphics)) {
    copy->release();
    copy->_graphics = graphics;
    copy->_renderer = graphics->renderer;
  }
  return copy->upload(variant, image, frame);
}

SDL_Texture* TImageFrame::upload(Variant variant, const TImage& image, int32_t frame) {
  Upload& upload = _uploads[variant];
  const uint32_t seq = image.seqs[frame];
  if (upload.texture && upload.seq == seq) return upload.texture;
  const TPixmap& pixmap = *image.pixmaps[frame];
  if (!upload.texture) {
    const bool dynamic = image.flags & DYNAMICIMAGE;
    upload.texture = SDL_CreateTexture(_renderer, SDL_PIXELFORMAT_RGBA32,
                                       dynamic ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC,
                                       pixmap.width, pixmap.height);
    if (!upload.texture) {
      DebugLog(std::string("Cannot make a texture: ") + SDL_GetError());
      return nullptr;
    }
    SDL_SetTextureScaleMode(upload.texture,
                            image.flags & FILTEREDIMAGE ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  }
  if (variant == PLAIN) {
    SDL_UpdateTexture(upload.texture, nullptr, pixmap.pixels, pixmap.pitch);
  } else {
    std::vector<uint8_t> prepared(static_cast<size_t>(pixmap.width) * pixmap.height * 4);
    uint8_t* to = prepared.data();
    for (int32_t y = 0; y < pixmap.height; ++y) {
      const uint8_t* from = pixmap.PixelPtr(0, y);
      for (int32_t x = 0; x < pixmap.width; ++x, from += 4, to += 4) {
        const int alpha = from[3];
        for (int c = 0; c < 3; ++c)
          to[c] = variant == CUT ? from[c] : static_cast<uint8_t>((from[c] * alpha + 127) / 255);
        to[3] = variant == CUT ? (alpha >= 128 ? 255 : 0) : from[3];
      }
    }
    SDL_UpdateTexture(upload.texture, nullptr, prepared.data(), pixmap.width * 4);
  }
  upload.seq = seq;
  return upload.texture;
}

}  // namespace vandrell

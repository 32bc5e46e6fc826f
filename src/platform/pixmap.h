// Pixel buffers in memory: 32-bit pixels, 4 bytes each in the order red,
// green, blue, alpha, and the decoders that make them from streams.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

namespace vandrell {

// Every pixmap stores 4 bytes per pixel; the format says whether the alpha
// bytes carry information (PF_RGBA8888) or were filled with 255 because the
// source had no alpha channel (PF_RGBX8888; such pixmaps may be masked by
// colour when they become images).
constexpr int32_t PF_RGBA8888 = 1;
constexpr int32_t PF_RGBX8888 = 2;

// Pixmaps larger than this on either side, or with more pixels in all, are
// refused: decoders and creation never allocate without bound.
constexpr int32_t MAX_PIXMAP_SIDE = 16384;
constexpr int64_t MAX_PIXMAP_PIXELS = int64_t{1} << 26;

class TPixmap;
using TPixmapPtr = std::shared_ptr<TPixmap>;

class TPixmap {
 public:
  uint8_t* pixels = nullptr;  // the pixel at (0, 0)
  int32_t width = 0;
  int32_t height = 0;
  int32_t pitch = 0;  // bytes from one row to the next
  int32_t format = PF_RGBA8888;

  // A new pixmap cleared to 0 (transparent black). Null when a side is
  // negative or the size is beyond the limits above.
  static TPixmapPtr Create(int32_t width, int32_t height, int32_t format = PF_RGBA8888);

  // A window onto the rectangle (x, y, w, h) of this pixmap (clipped to it):
  // it shares these pixels, so writing through either shows in both.
  TPixmapPtr Window(int32_t x, int32_t y, int32_t w, int32_t h);
  // A new pixmap with its own copy of the pixels.
  TPixmapPtr Copy() const;

  // One pixel as 0xAARRGGBB. Throws std::out_of_range outside the pixmap.
  int32_t ReadPixel(int32_t x, int32_t y) const;
  void WritePixel(int32_t x, int32_t y, int32_t argb);
  // Copies `source` with its top-left at (x, y), replacing the pixels
  // (no blending); what falls outside this pixmap is dropped.
  void Paste(const TPixmap& source, int32_t x, int32_t y);
  // Sets every pixel to `argb`.
  void ClearPixels(int32_t argb);

  uint8_t* PixelPtr(int32_t x, int32_t y) const { return pixels + static_cast<int64_t>(y) * pitch + x * 4; }

 private:
  std::shared_ptr<std::vector<uint8_t>> _storage;  // shared by all windows
};

// A decoder of one image file format. Decoders are tried in turn, each from
// the same stream position.
class TPixmapLoader {
 public:
  virtual ~TPixmapLoader() = default;
  // Null when the stream does not hold this format or cannot be decoded.
  virtual TPixmapPtr LoadPixmap(TStream& stream) = 0;
};

// Adds a decoder to the end of the list (the PNG decoder is always first).
void RegisterPixmapLoader(std::shared_ptr<TPixmapLoader> loader);

// Decodes an image from the stream's current position and closes the
// stream. Null for a missing stream or data that no decoder accepts.
TPixmapPtr LoadPixmap(const TStreamPtr& source);
// The same for a file; failures are logged with the file's name.
TPixmapPtr LoadPixmap(const std::string& path);

}  // namespace vandrell

#include "platform/image.h"

#include <algorithm>

#include "platform/log.h"

namespace vandrell {

namespace {

struct ImageDefaults {
  int32_t flags = MASKEDIMAGE | FILTEREDIMAGE;
  bool centreHandles = false;
  int32_t maskRed = 0, maskGreen = 0, maskBlue = 0;
};

ImageDefaults& defaults() {
  static ImageDefaults d;
  return d;
}

int32_t resolveFlags(int32_t flags) { return flags == -1 ? defaults().flags : flags; }

// Makes the mask colour transparent. Only pixmaps without an alpha channel
// are masked: alpha that was painted is never overridden.
TPixmapPtr maskedPixels(const TPixmapPtr& pixmap, const TImage& image) {
  if (!(image.flags & MASKEDIMAGE) || pixmap->format != PF_RGBX8888) return pixmap;
  TPixmapPtr masked = pixmap->Copy();
  masked->format = PF_RGBA8888;
  for (int32_t y = 0; y < masked->height; ++y) {
    uint8_t* p = masked->PixelPtr(0, y);
    for (int32_t x = 0; x < masked->width; ++x, p += 4) {
      if (p[0] == image.mask_r && p[1] == image.mask_g && p[2] == image.mask_b) p[3] = 0;
    }
  }
  return masked;
}

TImagePtr newImage(int32_t width, int32_t height, int32_t flags) {
  auto image = std::make_shared<TImage>();
  image->width = width;
  image->height = height;
  image->flags = resolveFlags(flags);
  image->mask_r = defaults().maskRed;
  image->mask_g = defaults().maskGreen;
  image->mask_b = defaults().maskBlue;
  if (defaults().centreHandles) CentreImageHandle(image);
  return image;
}

void addFrame(TImage& image, TPixmapPtr pixmap) {
  image.pixmaps.push_back(std::move(pixmap));
  image.frames.emplace_back();
  image.seqs.push_back(0);
}

}  // namespace

TImagePtr TImage::Load(const TPixmapPtr& pixmap, int32_t flags) {
  if (!pixmap) return nullptr;
  TImagePtr image = newImage(pixmap->width, pixmap->height, flags);
  addFrame(*image, maskedPixels(pixmap, *image));
  return image;
}

TImagePtr TImage::Load(const TStreamPtr& source, int32_t flags) { return Load(LoadPixmap(source), flags); }

TImagePtr TImage::Load(const std::string& path, int32_t flags) { return Load(LoadPixmap(path), flags); }

TImagePtr TImage::LoadAnim(const TPixmapPtr& pixmap, int32_t cellWidth, int32_t cellHeight, int32_t first,
                           int32_t count, int32_t flags) {
  if (!pixmap) return nullptr;
  if (cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0) {
    DebugLog("Animation strip with cells of " + std::to_string(cellWidth) + "x" + std::to_string(cellHeight) +
             " from cell " + std::to_string(first) + " refused");
    return nullptr;
  }
  const int32_t columns = pixmap->width / cellWidth;
  const int64_t cells = int64_t{columns} * (pixmap->height / cellHeight);
  if (int64_t{first} + count > cells) {
    DebugLog("Animation strip of " + std::to_string(cells) + " cells has no cells " + std::to_string(first) +
             " to " + std::to_string(int64_t{first} + count - 1));
    return nullptr;
  }
  TImagePtr image = newImage(cellWidth, cellHeight, flags);
  for (int32_t cell = first; cell < first + count; ++cell) {
    TPixmapPtr window =
        pixmap->Window(cell % columns * cellWidth, cell / columns * cellHeight, cellWidth, cellHeight);
    // Frames own their pixels: locking one for writing never touches the sheet.
    TPixmapPtr frame = maskedPixels(window, *image);
    addFrame(*image, frame == window ? window->Copy() : frame);
  }
  return image;
}

TImagePtr TImage::LoadAnim(const TStreamPtr& source, int32_t cellWidth, int32_t cellHeight, int32_t first,
                           int32_t count, int32_t flags) {
  return LoadAnim(LoadPixmap(source), cellWidth, cellHeight, first, count, flags);
}

TImagePtr TImage::Create(int32_t width, int32_t height, int32_t frames, int32_t flags) {
  if (frames < 1 || int64_t{frames} * std::max(width, 1) * std::max(height, 1) > MAX_PIXMAP_PIXELS) {
    DebugLog("Image of " + std::to_string(frames) + " frames of " + std::to_string(width) + "x" +
             std::to_string(height) + " refused");
    return nullptr;
  }
  TImagePtr image = newImage(width, height, resolveFlags(flags) | DYNAMICIMAGE);
  for (int32_t i = 0; i < frames; ++i) {
    TPixmapPtr pixmap = TPixmap::Create(width, height);
    if (!pixmap) return nullptr;
    addFrame(*image, pixmap);
  }
  return image;
}

TPixmapPtr TImage::Lock(int32_t frame, bool read, bool write) {
  if (frame < 0 || frame >= frameCount()) return nullptr;
  if (write) ++seqs[frame];
  return pixmaps[frame];
}

void TImage::Unlock(int32_t frame) {
  if (frame >= 0 && frame < frameCount()) ++seqs[frame];
}

void SetImageHandle(const TImagePtr& image, float x, float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}

void CentreImageHandle(const TImagePtr& image) {
  // Whole pixels, so that an unscaled image drawn at a whole position stays
  // on the pixel grid.
  if (image) SetImageHandle(image, static_cast<float>(image->width / 2), static_cast<float>(image->height / 2));
}

void CentreHandlesOnLoad(int32_t flag) { defaults().centreHandles = flag != 0; }

int32_t DefaultImageFlags(int32_t flags) {
  if (flags != -1) defaults().flags = flags;
  return defaults().flags;
}

void SetMaskColor(int32_t red, int32_t green, int32_t blue) {
  defaults().maskRed = red & 255;
  defaults().maskGreen = green & 255;
  defaults().maskBlue = blue & 255;
}

}  // namespace vandrell

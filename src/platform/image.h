// Images: one or more frames of pixels that the renderer draws, each kept as
// a pixmap in memory and uploaded to the graphics context when first drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/pixmap.h"
#include "platform/stream.h"

namespace vandrell {

// Image flags (bits).
constexpr int32_t MASKEDIMAGE = 1;     // pixels of the mask colour become transparent
constexpr int32_t FILTEREDIMAGE = 2;   // smooth scaling instead of nearest pixel
constexpr int32_t MIPMAPPEDIMAGE = 4;  // accepted; the renderer has no mipmaps
constexpr int32_t DYNAMICIMAGE = 8;    // pixels change after creation

class TImageFrame;  // the renderer's copy of one frame

class TImage;
using TImagePtr = std::shared_ptr<TImage>;

class TImage {
 public:
  int32_t width = 0;
  int32_t height = 0;
  int32_t flags = 0;
  int32_t mask_r = 0, mask_g = 0, mask_b = 0;
  // The point of the image placed at the drawing position.
  float handle_x = 0.0f;
  float handle_y = 0.0f;
  std::vector<TPixmapPtr> pixmaps;
  // The renderer's copy of each frame; null until the frame is drawn.
  std::vector<std::shared_ptr<TImageFrame>> frames;
  // Revision of each frame's pixels: writing through Lock raises it, and the
  // renderer uploads a frame again when its copy is of an older revision.
  std::vector<uint32_t> seqs;

  // One frame from a pixmap (which the image shares unless masking has to
  // change its pixels) or from a source that LoadPixmap decodes. Flags -1
  // mean DefaultImageFlags. Null when there is no pixmap.
  static TImagePtr Load(const TPixmapPtr& pixmap, int32_t flags = -1);
  static TImagePtr Load(const TStreamPtr& source, int32_t flags = -1);
  static TImagePtr Load(const std::string& path, int32_t flags = -1);
  // `count` frames of cellWidth x cellHeight cut row by row from the sheet,
  // starting at cell `first`. Null when there is no pixmap, the cell size is
  // not positive or the sheet holds no such cells.
  static TImagePtr LoadAnim(const TPixmapPtr& pixmap, int32_t cellWidth, int32_t cellHeight, int32_t first,
                            int32_t count, int32_t flags = -1);
  static TImagePtr LoadAnim(const TStreamPtr& source, int32_t cellWidth, int32_t cellHeight, int32_t first,
                            int32_t count, int32_t flags = -1);
  // An empty (transparent) image of `frames` frames; always dynamic.
  static TImagePtr Create(int32_t width, int32_t height, int32_t frames = 1, int32_t flags = -1);

  int32_t frameCount() const { return static_cast<int32_t>(pixmaps.size()); }
  // The frame's pixmap for direct access; with `write` the frame is uploaded
  // again before it is next drawn. Null for a frame that does not exist.
  TPixmapPtr Lock(int32_t frame, bool read, bool write);
  // Ends a write access: pixels written after the frame was last drawn reach
  // the renderer at its next draw.
  void Unlock(int32_t frame);
};

void SetImageHandle(const TImagePtr& image, float x, float y);
// Handle = (width / 2, height / 2).
void CentreImageHandle(const TImagePtr& image);
// While set (it starts unset), every image loaded or created gets its handle
// centred.
void CentreHandlesOnLoad(int32_t flag);
// Sets the flags that -1 stands for (they start as MASKEDIMAGE |
// FILTEREDIMAGE); -1 leaves them. Returns the flags in force.
int32_t DefaultImageFlags(int32_t flags);
// The colour that masked images make transparent (black unless changed).
void SetMaskColor(int32_t red, int32_t green, int32_t blue);

}  // namespace vandrell

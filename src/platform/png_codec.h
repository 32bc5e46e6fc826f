// PNG images, through libpng on the desktop (platform/libpng/) and stb in
// the web build (platform/stb/): the decoder that LoadPixmap tries first, and
// the writer of screenshots.
#pragma once

#include <string>

#include "platform/pixmap.h"
#include "platform/stream.h"

namespace vandrell {

// Decodes every PNG colour type and bit depth, interlaced or not, into 8-bit
// RGBA. Corrupt, truncated or oversized files give null (with a log line).
class TPixmapLoaderPNG final : public TPixmapLoader {
 public:
  TPixmapPtr LoadPixmap(TStream& stream) override;
};

// Writes an 8-bit PNG: RGBA, or RGB for a pixmap without alpha
// (PF_RGBX8888). False (with a log line) when it cannot be written.
bool SavePixmapPNG(const TPixmap& pixmap, TStream& stream);
bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path);

}  // namespace vandrell

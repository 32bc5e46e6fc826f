#include "platform/png_codec.h"

#include "platform/log.h"

namespace vandrell {

bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path) {
  TStreamPtr stream = WriteFile(path);
  if (!stream) {
    DebugLog("Can't write \"" + path + "\"");
    return false;
  }
  const bool written = SavePixmapPNG(pixmap, *stream);
  stream->close();
  return written;
}

}  // namespace vandrell

#include "platform/pixmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/log.h"
#include "platform/png_codec.h"

namespace vandrell {

namespace {
uint32_t packArgb(const uint8_t* p) {
  return (uint32_t{p[3]} << 24) | (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

void unpackArgb(uint32_t argb, uint8_t* p) {
  p[0] = static_cast<uint8_t>(argb >> 16);
  p[1] = static_cast<uint8_t>(argb >> 8);
  p[2] = static_cast<uint8_t>(argb);
  p[3] = static_cast<uint8_t>(argb >> 24);
}
}  // namespace

TPixmapPtr TPixmap::Create(int32_t width, int32_t height, int32_t format) {
  if (width < 0 || height < 0 || width > MAX_PIXMAP_SIDE || height > MAX_PIXMAP_SIDE ||
      int64_t{width} * height > MAX_PIXMAP_PIXELS) {
    DebugLog("Pixmap of " + std::to_string(width) + "x" + std::to_string(height) + " pixels refused");
    return nullptr;
  }
  auto pixmap = std::make_shared<TPixmap>();
  pixmap->_storage = std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(width) * height * 4);
  pixmap->pixels = pixmap->_storage->data();
  pixmap->width = width;
  pixmap->height = height;
  pixmap->pitch = width * 4;
  pixmap->format = format;
  return pixmap;
}

TPixmapPtr TPixmap::Window(int32_t x, int32_t y, int32_t w, int32_t h) {
  const int32_t left = std::clamp(x, 0, width), top = std::clamp(y, 0, height);
  const int32_t right = std::clamp(int64_t{x} + std::max(w, 0), int64_t{left}, int64_t{width});
  const int32_t bottom = std::clamp(int64_t{y} + std::max(h, 0), int64_t{top}, int64_t{height});
  auto window = std::make_shared<TPixmap>(*this);
  window->pixels = PixelPtr(left, top);
  window->width = right - left;
  window->height = bottom - top;
  return window;
}

TPixmapPtr TPixmap::Copy() const {
  TPixmapPtr copy = Create(width, height, format);
  copy->Paste(*this, 0, 0);
  return copy;
}

int32_t TPixmap::ReadPixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) throw std::out_of_range("ReadPixel outside the pixmap");
  return static_cast<int32_t>(packArgb(PixelPtr(x, y)));
}

void TPixmap::WritePixel(int32_t x, int32_t y, int32_t argb) {
  if (x < 0 || y < 0 || x >= width || y >= height) throw std::out_of_range("WritePixel outside the pixmap");
  unpackArgb(static_cast<uint32_t>(argb), PixelPtr(x, y));
}

void TPixmap::Paste(const TPixmap& source, int32_t x, int32_t y) {
  const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
  const int64_t right = std::min<int64_t>(int64_t{x} + source.width, width);
  const int64_t bottom = std::min<int64_t>(int64_t{y} + source.height, height);
  if (left >= right || top >= bottom) return;
  if (source._storage == _storage) {  // overlapping rows would be read after being written
    Paste(*source.Copy(), x, y);
    return;
  }
  const size_t rowBytes = static_cast<size_t>(right - left) * 4;
  for (int64_t row = top; row < bottom; ++row) {
    const uint8_t* from = source.PixelPtr(static_cast<int32_t>(left - x), static_cast<int32_t>(row - y));
    std::memcpy(PixelPtr(static_cast<int32_t>(left), static_cast<int32_t>(row)), from, rowBytes);
  }
}

void TPixmap::ClearPixels(int32_t argb) {
  uint8_t pixel[4];
  unpackArgb(static_cast<uint32_t>(argb), pixel);
  for (int32_t row = 0; row < height; ++row) {
    uint8_t* p = PixelPtr(0, row);
    for (int32_t col = 0; col < width; ++col, p += 4) std::memcpy(p, pixel, 4);
  }
}

namespace {
std::vector<std::shared_ptr<TPixmapLoader>>& loaders() {
  static std::vector<std::shared_ptr<TPixmapLoader>> list{std::make_shared<TPixmapLoaderPNG>()};
  return list;
}
}  // namespace

void RegisterPixmapLoader(std::shared_ptr<TPixmapLoader> loader) { loaders().push_back(std::move(loader)); }

TPixmapPtr LoadPixmap(const TStreamPtr& source) {
  if (!source) return nullptr;
  TPixmapPtr pixmap;
  const int64_t start = source->pos();
  for (const auto& loader : loaders()) {
    try {
      source->seek(start);
      pixmap = loader->LoadPixmap(*source);
    } catch (const std::exception& error) {
      DebugLog(std::string("Image stream failed: ") + error.what());
    }
    if (pixmap) break;
  }
  source->close();
  return pixmap;
}

TPixmapPtr LoadPixmap(const std::string& path) {
  TStreamPtr stream = ReadFile(path);
  if (!stream) {
    DebugLog("Can't open image \"" + path + "\"");
    return nullptr;
  }
  TPixmapPtr pixmap = LoadPixmap(stream);
  if (!pixmap) DebugLog("Can't decode image \"" + path + "\"");
  return pixmap;
}

}  // namespace vandrell

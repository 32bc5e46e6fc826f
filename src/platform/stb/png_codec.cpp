// PNG images through stb_image and stb_image_write (the web build).
#include "platform/png_codec.h"

#include <cstring>
#include <vector>

#include "platform/log.h"

#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace vandrell {

namespace {

constexpr uint8_t SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

void writeBytes(void* stream, void* data, int size) {
  auto* out = static_cast<std::pair<TStream*, bool>*>(stream);
  try {
    if (out->second && out->first->write(data, size) != size) out->second = false;
  } catch (const TStreamError&) {
    out->second = false;
  }
}

}  // namespace

TPixmapPtr TPixmapLoaderPNG::LoadPixmap(TStream& stream) {
  uint8_t signature[8];
  if (stream.read(signature, 8) != 8 || std::memcmp(signature, SIGNATURE, 8) != 0) return nullptr;
  std::vector<uint8_t> bytes(signature, signature + 8);
  const std::vector<uint8_t> rest = stream.readAll();
  bytes.insert(bytes.end(), rest.begin(), rest.end());
  const int size = static_cast<int>(bytes.size());
  int width = 0, height = 0, channels = 0;
  // The size is checked before any pixel is decoded.
  if (!stbi_info_from_memory(bytes.data(), size, &width, &height, &channels)) {
    DebugLog(std::string("PNG image not decoded: ") + stbi_failure_reason());
    return nullptr;
  }
  const bool alpha = channels == 2 || channels == 4;
  TPixmapPtr pixmap = TPixmap::Create(width, height, alpha ? PF_RGBA8888 : PF_RGBX8888);
  if (!pixmap) {
    DebugLog("PNG image not decoded: " + std::to_string(width) + "x" + std::to_string(height) + " is too large");
    return nullptr;
  }
  stbi_uc* pixels = stbi_load_from_memory(bytes.data(), size, &width, &height, &channels, 4);
  if (!pixels) {
    DebugLog(std::string("PNG image not decoded: ") + stbi_failure_reason());
    return nullptr;
  }
  for (int32_t row = 0; row < height; ++row)
    std::memcpy(pixmap->PixelPtr(0, row), pixels + static_cast<size_t>(row) * width * 4, static_cast<size_t>(width) * 4);
  stbi_image_free(pixels);
  return pixmap;
}

bool SavePixmapPNG(const TPixmap& pixmap, TStream& stream) {
  if (pixmap.width <= 0 || pixmap.height <= 0) {
    DebugLog("An empty pixmap cannot be written as PNG");
    return false;
  }
  const int components = pixmap.format == PF_RGBX8888 ? 3 : 4;
  std::vector<uint8_t> packed(static_cast<size_t>(pixmap.width) * pixmap.height * components);
  uint8_t* to = packed.data();
  for (int32_t row = 0; row < pixmap.height; ++row) {
    const uint8_t* from = pixmap.PixelPtr(0, row);
    for (int32_t col = 0; col < pixmap.width; ++col, from += 4, to += components) std::memcpy(to, from, components);
  }
  std::pair<TStream*, bool> out{&stream, true};
  const bool encoded = stbi_write_png_to_func(writeBytes, &out, pixmap.width, pixmap.height, components,
                                              packed.data(), pixmap.width * components) != 0;
  if (!encoded || !out.second) {
    DebugLog("PNG image not written");
    return false;
  }
  return true;
}

}  // namespace vandrell

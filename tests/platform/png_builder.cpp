#include "png_builder.h"

#include <zlib.h>

namespace vandrell {

namespace {

int32_t channels(int32_t colorType) {
  switch (colorType) {
    case 2:
      return 3;
    case 4:
      return 2;
    case 6:
      return 4;
    default:
      return 1;
  }
}

void appendBig32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// One filtered (filter type 0) row of the pixels (x0 + i * dx, y).
void appendRow(std::vector<uint8_t>& raw, const PngLayout& layout, int32_t y, int32_t x0, int32_t dx) {
  raw.push_back(0);
  const int32_t n = channels(layout.colorType);
  uint32_t bits = 0, used = 0;
  for (int32_t x = x0; x < layout.width; x += dx) {
    for (int32_t c = 0; c < n; ++c) {
      const uint16_t sample = layout.samples[(static_cast<size_t>(y) * layout.width + x) * n + c];
      if (layout.bitDepth == 16) {
        raw.push_back(static_cast<uint8_t>(sample >> 8));
        raw.push_back(static_cast<uint8_t>(sample));
      } else if (layout.bitDepth == 8) {
        raw.push_back(static_cast<uint8_t>(sample));
      } else {
        bits = bits << layout.bitDepth | sample;
        used += layout.bitDepth;
        if (used == 8) {
          raw.push_back(static_cast<uint8_t>(bits));
          bits = used = 0;
        }
      }
    }
  }
  if (used > 0) raw.push_back(static_cast<uint8_t>(bits << (8 - used)));
}

}  // namespace

void AppendPngChunk(std::vector<uint8_t>& png, const std::string& type, const std::vector<uint8_t>& data) {
  appendBig32(png, static_cast<uint32_t>(data.size()));
  std::vector<uint8_t> body(type.begin(), type.end());
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  appendBig32(png, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

std::vector<uint8_t> BuildPng(const PngLayout& layout) {
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<uint8_t> header;
  appendBig32(header, static_cast<uint32_t>(layout.width));
  appendBig32(header, static_cast<uint32_t>(layout.height));
  header.insert(header.end(), {static_cast<uint8_t>(layout.bitDepth), static_cast<uint8_t>(layout.colorType), 0, 0,
                               static_cast<uint8_t>(layout.interlaced ? 1 : 0)});
  AppendPngChunk(png, "IHDR", header);
  if (!layout.palette.empty()) AppendPngChunk(png, "PLTE", layout.palette);
  if (!layout.trns.empty()) AppendPngChunk(png, "tRNS", layout.trns);

  std::vector<uint8_t> raw;
  if (layout.interlaced) {
    // Adam7: the seven passes' first pixel and step.
    const int32_t passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                  {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    for (const auto& pass : passes) {
      if (pass[0] >= layout.width) continue;
      for (int32_t y = pass[1]; y < layout.height; y += pass[3]) appendRow(raw, layout, y, pass[0], pass[2]);
    }
  } else {
    for (int32_t y = 0; y < layout.height; ++y) appendRow(raw, layout, y, 0, 1);
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(size);
  compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
  packed.resize(size);
  AppendPngChunk(png, "IDAT", packed);
  AppendPngChunk(png, "IEND", {});
  return png;
}

}  // namespace vandrell

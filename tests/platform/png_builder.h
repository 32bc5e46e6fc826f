// Builds PNG files byte by byte with zlib, independently of the engine's
// libpng code, so the decoder is checked against files made another way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vandrell {

struct PngLayout {
  int32_t width = 0;
  int32_t height = 0;
  int32_t colorType = 6;  // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
  int32_t bitDepth = 8;
  bool interlaced = false;
  // width x height x channels samples, row by row, each below 2^bitDepth.
  std::vector<uint16_t> samples;
  std::vector<uint8_t> palette;  // RGB triples
  std::vector<uint8_t> trns;     // the tRNS chunk's bytes
};

std::vector<uint8_t> BuildPng(const PngLayout& layout);

// One chunk: length, type, data, CRC.
void AppendPngChunk(std::vector<uint8_t>& png, const std::string& type, const std::vector<uint8_t>& data);

}  // namespace vandrell

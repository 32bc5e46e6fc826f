// A small headless graphics context on the software renderer, with the
// drawing state reset around each test, and pixel checks with a per-channel
// tolerance.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/draw.h"
#include "platform/image.h"
#include "platform/window.h"

namespace vandrell {

class RenderTest : public ::testing::Test {
 public:
  static constexpr int32_t WIDTH = 64;
  static constexpr int32_t HEIGHT = 48;
  static constexpr uint32_t BACKGROUND = 0x285078;  // (40, 80, 120)

  // An image whose pixels are given row by row as 0xAARRGGBB.
  static TImagePtr imageOf(int32_t width, int32_t height, const std::vector<uint32_t>& argb, int32_t flags = 0);

 protected:
  // A context of another size, for scenes that need more room.
  RenderTest(int32_t width = WIDTH, int32_t height = HEIGHT) : _width(width), _height(height) {}

  void SetUp() override;
  void TearDown() override;

  // The whole back buffer.
  TPixmapPtr grab() const;

  TGraphicsPtr graphics;

 private:
  int32_t _width;
  int32_t _height;
};

// The RGB of pixel (x, y) is within `tolerance` of `rgb` in every channel.
::testing::AssertionResult PixelNear(const TPixmapPtr& pixmap, int32_t x, int32_t y, uint32_t rgb,
                                     int32_t tolerance = 2);
// Every pixel of the rectangle is within tolerance of `rgb`.
::testing::AssertionResult AreaNear(const TPixmapPtr& pixmap, int32_t x, int32_t y, int32_t w, int32_t h,
                                    uint32_t rgb, int32_t tolerance = 2);
// The pixmap equals the reference PNG tests/data/render/<name> within the
// tolerance. On a mismatch the actual image is written to the working
// folder as "actual_<name>" for review.
::testing::AssertionResult MatchesReference(const TPixmapPtr& pixmap, const std::string& name,
                                            int32_t tolerance = 2);

}  // namespace vandrell

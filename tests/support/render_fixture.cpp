#include "support/render_fixture.h"

#include <cstdlib>

#include "platform/image_font.h"
#include "platform/png_codec.h"

namespace vandrell {

void RenderTest::SetUp() {
  graphics = CreateGraphics(_width, _height, 0, 0, 2);
  ASSERT_TRUE(graphics);
  SetGraphics(graphics);
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  SetBlend(SOLIDBLEND);
  SetTransform(0.0f, 1.0f, 1.0f);
  SetOrigin(0.0f, 0.0f);
  SetHandle(0.0f, 0.0f);
  SetImageFont(nullptr);
  SetClsColor(BACKGROUND >> 16, BACKGROUND >> 8 & 255, BACKGROUND & 255);
  Cls();
}

void RenderTest::TearDown() {
  CloseGraphics(graphics);
  SetClsColor(0, 0, 0);
  SetBlend(SOLIDBLEND);
  SetTransform(0.0f, 1.0f, 1.0f);
  SetOrigin(0.0f, 0.0f);
  SetHandle(0.0f, 0.0f);
}

TPixmapPtr RenderTest::grab() const { return GrabPixmap(0, 0, _width, _height); }

TImagePtr RenderTest::imageOf(int32_t width, int32_t height, const std::vector<uint32_t>& argb, int32_t flags) {
  TPixmapPtr pixmap = TPixmap::Create(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) pixmap->WritePixel(x, y, static_cast<int32_t>(argb[y * width + x]));
  return TImage::Load(pixmap, flags);
}

namespace {
std::string rgbText(uint32_t rgb) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", rgb & 0xFFFFFF);
  return text;
}

bool near(uint32_t a, uint32_t b, int32_t tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    if (std::abs(static_cast<int32_t>(a >> shift & 255) - static_cast<int32_t>(b >> shift & 255)) > tolerance)
      return false;
  }
  return true;
}
}  // namespace

::testing::AssertionResult PixelNear(const TPixmapPtr& pixmap, int32_t x, int32_t y, uint32_t rgb,
                                     int32_t tolerance) {
  const uint32_t actual = static_cast<uint32_t>(pixmap->ReadPixel(x, y));
  if (near(actual, rgb, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << rgbText(actual) << ", expected "
                                       << rgbText(rgb);
}

::testing::AssertionResult AreaNear(const TPixmapPtr& pixmap, int32_t x, int32_t y, int32_t w, int32_t h,
                                    uint32_t rgb, int32_t tolerance) {
  for (int32_t row = y; row < y + h; ++row) {
    for (int32_t col = x; col < x + w; ++col) {
      ::testing::AssertionResult result = PixelNear(pixmap, col, row, rgb, tolerance);
      if (!result) return result;
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult MatchesReference(const TPixmapPtr& pixmap, const std::string& name, int32_t tolerance) {
  TPixmapPtr reference = LoadPixmap(std::string(VANDRELL_TEST_DATA) + "/render/" + name);
  std::string problem;
  if (!reference) {
    problem = "no reference image";
  } else if (reference->width != pixmap->width || reference->height != pixmap->height) {
    problem = "size differs";
  } else {
    for (int32_t y = 0; y < pixmap->height && problem.empty(); ++y) {
      for (int32_t x = 0; x < pixmap->width && problem.empty(); ++x) {
        if (!PixelNear(pixmap, x, y, static_cast<uint32_t>(reference->ReadPixel(x, y)), tolerance))
          problem = PixelNear(pixmap, x, y, static_cast<uint32_t>(reference->ReadPixel(x, y)), tolerance).message();
      }
    }
  }
  if (problem.empty()) return ::testing::AssertionSuccess();
  SavePixmapPNG(*pixmap, "actual_" + name);
  return ::testing::AssertionFailure() << name << ": " << problem << " (actual image written to actual_" << name
                                       << ")";
}

}  // namespace vandrell

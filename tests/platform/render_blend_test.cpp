// The five blend modes over a coloured background, for images and for
// untextured primitives. Expected pixels are computed from the blend table:
//   mask:  source where its alpha >= 0.5, else destination
//   solid: source, alpha ignored
//   alpha: source x a + destination x (1 - a)
//   light: source x a + destination, saturated
//   shade: source x destination, faded by a (transparent pixels change nothing)
// where source is the pixel tinted by SetColor and a its alpha times SetAlpha.
#include <algorithm>
#include <cmath>

#include "support/render_fixture.h"

namespace vandrell {

namespace {

struct Rgb {
  double r, g, b;
};

Rgb rgbOf(uint32_t rgb) { return {double(rgb >> 16 & 255), double(rgb >> 8 & 255), double(rgb & 255)}; }

uint32_t pack(Rgb c) {
  const auto byte = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))); };
  return byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

uint32_t blended(int32_t mode, Rgb s, double a, Rgb d) {
  switch (mode) {
    case MASKBLEND:
      return pack(a >= 0.5 ? s : d);
    case ALPHABLEND:
      return pack({s.r * a + d.r * (1 - a), s.g * a + d.g * (1 - a), s.b * a + d.b * (1 - a)});
    case LIGHTBLEND:
      return pack({s.r * a + d.r, s.g * a + d.g, s.b * a + d.b});
    case SHADEBLEND:
      return pack({s.r * d.r / 255 * a + d.r * (1 - a), s.g * d.g / 255 * a + d.g * (1 - a),
                   s.b * d.b / 255 * a + d.b * (1 - a)});
    default:
      return pack(s);
  }
}

// Four columns of 4 x 4 pixels: alpha 255, 192, 64 and 0. The transparent
// column is white, which shows any mode that paints transparent pixels.
constexpr uint32_t SPRITE_RGB = 0xC86432;  // (200, 100, 50)
constexpr uint32_t COLUMN_ALPHA[4] = {255, 192, 64, 0};

TImagePtr alphaColumns() {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 16; ++x) {
      const uint32_t alpha = COLUMN_ALPHA[x / 4];
      pixels.push_back(alpha << 24 | (alpha ? SPRITE_RGB : 0xFFFFFF));
    }
  return RenderTest::imageOf(16, 4, pixels);
}

class BlendTest : public RenderTest {
 protected:
  // Draws the columns in each mode (one row of the screen per mode) with
  // the given tint and alpha, then checks every column.
  void checkImageModes(uint32_t tint, float alpha) {
    const TImagePtr image = alphaColumns();
    SetColor(tint >> 16, tint >> 8 & 255, tint & 255);
    SetAlpha(alpha);
    for (int32_t mode = MASKBLEND; mode <= SHADEBLEND; ++mode) {
      SetBlend(mode);
      DrawImage(image, 4, static_cast<float>(mode * 8));
    }
    const TPixmapPtr screen = grab();
    const Rgb t = rgbOf(tint);
    for (int32_t mode = MASKBLEND; mode <= SHADEBLEND; ++mode) {
      for (int column = 0; column < 4; ++column) {
        const Rgb pixel = rgbOf(COLUMN_ALPHA[column] ? SPRITE_RGB : 0xFFFFFF);
        const Rgb source{pixel.r * t.r / 255, pixel.g * t.g / 255, pixel.b * t.b / 255};
        const double a = COLUMN_ALPHA[column] / 255.0 * (mode == MASKBLEND ? 1.0 : alpha);
        const uint32_t expected = mode == MASKBLEND && alpha < 0.5f ? BACKGROUND
                                                                     : blended(mode, source, a, rgbOf(BACKGROUND));
        EXPECT_TRUE(AreaNear(screen, 4 + column * 4, mode * 8, 4, 4, expected, 3))
            << "mode " << mode << ", column " << column;
      }
    }
  }
};

}  // namespace

TEST_F(BlendTest, ImagesInEachModeAtFullAlpha) { checkImageModes(0xFFFFFF, 1.0f); }

TEST_F(BlendTest, ImagesInEachModeTintedAndHalfFaded) { checkImageModes(0xFF8000, 0.5f); }

TEST_F(BlendTest, MaskDrawsNothingBelowHalfAlpha) { checkImageModes(0xFFFFFF, 0.4f); }

TEST_F(BlendTest, ModesOutsideOneToFiveDrawLikeSolid) {
  const TImagePtr image = alphaColumns();
  for (int32_t mode : {0, 6, -1}) {
    SetBlend(mode);
    EXPECT_EQ(GetBlend(), mode);
    DrawImage(image, 0, 0);
    const TPixmapPtr screen = grab();
    EXPECT_TRUE(AreaNear(screen, 0, 0, 12, 4, SPRITE_RGB, 0)) << mode;
    EXPECT_TRUE(AreaNear(screen, 12, 0, 4, 4, 0xFFFFFF, 0)) << mode;
    Cls();
  }
}

TEST_F(BlendTest, RectanglesInEachMode) {
  const Rgb colour = rgbOf(SPRITE_RGB);
  SetColor(200, 100, 50);
  for (float alpha : {0.25f, 0.75f}) {
    Cls();
    SetAlpha(alpha);
    for (int32_t mode = MASKBLEND; mode <= SHADEBLEND; ++mode) {
      SetBlend(mode);
      DrawRect(4, static_cast<float>(mode * 8), 6, 4);
    }
    const TPixmapPtr screen = grab();
    for (int32_t mode = MASKBLEND; mode <= SHADEBLEND; ++mode) {
      const uint32_t expected = blended(mode, colour, alpha, rgbOf(BACKGROUND));
      EXPECT_TRUE(AreaNear(screen, 4, mode * 8, 6, 4, expected, 3)) << "mode " << mode << ", alpha " << alpha;
      EXPECT_TRUE(PixelNear(screen, 10, mode * 8, BACKGROUND, 0)) << "mode " << mode;
    }
  }
}

TEST_F(BlendTest, LinesAndPointsBlendLikeRectangles) {
  SetColor(200, 100, 50);
  SetAlpha(0.5f);
  SetBlend(LIGHTBLEND);
  Plot(3, 3);
  DrawLine(10, 5, 20, 5, 1);
  const TPixmapPtr screen = grab();
  const uint32_t expected = blended(LIGHTBLEND, rgbOf(SPRITE_RGB), 0.5, rgbOf(BACKGROUND));
  EXPECT_TRUE(PixelNear(screen, 3, 3, expected, 3));
  EXPECT_TRUE(AreaNear(screen, 10, 5, 11, 1, expected, 3));
}

}  // namespace vandrell

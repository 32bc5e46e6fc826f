// Drawing through the visual classes on the software renderer. Expected
// pixels are computed from the geometry and the alpha blend
// (source x tint x alpha + background x (1 - alpha)); pixels whose centre
// lies within a pixel of a shape's edge are left out, since which side of an
// edge they fall on is the rasterizer's choice.
#include <cmath>
#include <functional>
#include <optional>

#include "support/render_fixture.h"
#include "gui/anim_image.h"
#include "gui/picture.h"
#include "gui/surface.h"
#include "visual_test_support.h"

namespace vandrell {

namespace {

// `source` tinted and faded by the colour over the background. The renderer
// takes the tint as whole channel values, truncated.
uint32_t tinted(uint32_t source, const tColorf& tint) {
  const float channels[3] = {tint.r, tint.g, tint.b};
  uint32_t result = 0;
  for (int i = 0; i < 3; ++i) {
    const int shift = 16 - 8 * i;
    const double s = source >> shift & 255;
    const double d = RenderTest::BACKGROUND >> shift & 255;
    const double c = s * std::trunc(channels[i] * 255) / 255 * tint.a + d * (1 - tint.a);
    result |= static_cast<uint32_t>(std::lround(c)) << shift;
  }
  return result;
}

// Every pixel of the screen against `expected(x, y)` at the pixel's centre;
// nullopt marks pixels too near an edge to decide.
::testing::AssertionResult ScreenMatches(const TPixmapPtr& screen,
                                         const std::function<std::optional<uint32_t>(float, float)>& expected) {
  int checked = 0;
  for (int32_t y = 0; y < screen->height; ++y) {
    for (int32_t x = 0; x < screen->width; ++x) {
      const std::optional<uint32_t> rgb = expected(x + 0.5f, y + 0.5f);
      if (!rgb) continue;
      ++checked;
      ::testing::AssertionResult result = PixelNear(screen, x, y, *rgb, 3);
      if (!result) return result;
    }
  }
  if (checked < screen->width * screen->height / 2) {
    return ::testing::AssertionFailure() << "only " << checked << " pixels could be decided";
  }
  return ::testing::AssertionSuccess();
}

// Inside the axis-aligned box, outside it, or (nullopt) within a pixel of its edge.
std::optional<bool> inBox(float x, float y, float left, float top, float right, float bottom) {
  const bool inside = x > left + 1 && x < right - 1 && y > top + 1 && y < bottom - 1;
  const bool outside = x < left - 1 || x > right + 1 || y < top - 1 || y > bottom + 1;
  if (inside) return true;
  if (outside) return false;
  return std::nullopt;
}

constexpr uint32_t LEFT_RGB = 0xC86432;   // (200, 100, 50)
constexpr uint32_t RIGHT_RGB = 0xFFFFFF;

class VisualRenderTest : public RenderTest {
 protected:
  ScreenScope screen{2, 2, 0, 0};
};

TEST_F(VisualRenderTest, RotatedTintedHalfTransparentImage) {
  // Two columns of two colours, 4 by 2 pixels.
  const uint32_t l = 0xFF000000 | LEFT_RGB, r = 0xFF000000 | RIGHT_RGB;
  tGuiImage image;
  image.image(imageOf(4, 2, {l, l, r, r, l, l, r, r}));
  image.resetScale();
  image.scale(2, 2);  // 8 by 4 design units, 16 by 8 window pixels
  image.hotspot(0.5f, 0.5f);
  image.move(16, 12, 0);  // window centre (32, 24)
  image.rotate(90, 0);
  image.color()->SetRGBA(1.0f, 0.5f, 0.25f, 0.5f);
  image.render();

  // Turned a quarter clockwise the image is 8 wide and 16 tall about (32, 24):
  // the left column now lies on top, the right one below.
  const tColorf& tint = *image.color();
  EXPECT_TRUE(ScreenMatches(grab(), [&](float x, float y) -> std::optional<uint32_t> {
    const std::optional<bool> inside = inBox(x, y, 28, 16, 36, 32);
    if (!inside) return std::nullopt;
    if (!*inside) return BACKGROUND;
    if (std::abs(y - 24) < 1) return std::nullopt;
    return tinted(y < 24 ? LEFT_RGB : RIGHT_RGB, tint);
  }));
}

TEST_F(VisualRenderTest, AnimationFrameFollowsTheCounter) {
  const uint32_t colours[3] = {0xFF0000, 0x00FF00, 0x0000FF};
  TPixmapPtr strip = TPixmap::Create(6, 2);
  for (int32_t x = 0; x < 6; ++x)
    for (int32_t y = 0; y < 2; ++y) strip->WritePixel(x, y, static_cast<int32_t>(0xFF000000 | colours[x / 2]));
  tGuiAnimImage anim;
  anim.animPixmap(strip, 2, 2, 0, 3, 0);
  anim.resetScale();
  anim.scale(4, 4);   // 8 by 8 design units
  anim.move(4, 4, 0);  // window 8..24
  anim.color()->SetBlending(SOLIDBLEND);
  anim.anim()->anim(10, 0, 2, 1);

  const auto drawnFrame = [&](uint32_t rgb) {
    Cls();
    tGuiObject::sendto(anim, vandrell::GUIMSG_RENDER());
    return ScreenMatches(grab(), [&](float x, float y) -> std::optional<uint32_t> {
      const std::optional<bool> inside = inBox(x, y, 8, 8, 24, 24);
      if (!inside) return std::nullopt;
      return *inside ? rgb : BACKGROUND;
    });
  };
  EXPECT_TRUE(drawnFrame(colours[0]));
  tGuiObject::sendto(anim, vandrell::GUIMSG_UPDATE(), tFloatArray{0.1f});
  EXPECT_TRUE(drawnFrame(colours[1]));
  tGuiObject::sendto(anim, vandrell::GUIMSG_UPDATE(), tFloatArray{0.1f});
  EXPECT_TRUE(drawnFrame(colours[2]));
  tGuiObject::sendto(anim, vandrell::GUIMSG_UPDATE(), tFloatArray{0.1f});
  EXPECT_TRUE(drawnFrame(colours[2]));  // played once: stays on the last frame
  anim.anim()->go(9);
  EXPECT_TRUE(drawnFrame(colours[2]));  // out of range: the nearest frame
  anim.anim()->go(-4);
  EXPECT_TRUE(drawnFrame(colours[0]));
}

TEST_F(VisualRenderTest, PictureStretchesToItsRectangle) {
  tGuiPicture picture;
  picture.image(imageOf(2, 1, {0xFF000000 | LEFT_RGB, 0xFF000000 | RIGHT_RGB}));
  picture.move(20, 10, 0);
  picture.resize(10, 6, 0);
  picture.hotspot(1, 0);  // window 20..40 by 20..32
  picture.render();
  EXPECT_TRUE(ScreenMatches(grab(), [&](float x, float y) -> std::optional<uint32_t> {
    const std::optional<bool> inside = inBox(x, y, 20, 20, 40, 32);
    if (!inside) return std::nullopt;
    if (!*inside) return BACKGROUND;
    if (std::abs(x - 30) < 1) return std::nullopt;
    return x < 30 ? LEFT_RGB : RIGHT_RGB;
  }));
}

TEST_F(VisualRenderTest, RectanglesFillTheirWindowRectangleAndPointsPlotOnePixel) {
  tGuiRect rect;
  rect.move(5, 4, 0);
  rect.resize(10, 6, 0);
  rect.color()->SetRGBA(1, 1, 0, 1);
  tGuiPset point;
  point.move(25.2f, 20.2f, 0);
  point.color()->SetRGB(0, 1, 1);
  rect.render();
  point.render();
  const TPixmapPtr shot = grab();
  EXPECT_TRUE(ScreenMatches(shot, [&](float x, float y) -> std::optional<uint32_t> {
    if (std::abs(x - 50.5f) < 2 && std::abs(y - 40.5f) < 2) return std::nullopt;
    const std::optional<bool> inside = inBox(x, y, 10, 8, 30, 20);
    if (!inside) return std::nullopt;
    return *inside ? 0xFFFF00 : BACKGROUND;
  }));
  EXPECT_TRUE(PixelNear(shot, 50, 40, 0x00FFFF, 0));
  EXPECT_TRUE(PixelNear(shot, 51, 40, BACKGROUND, 0));

  Cls();
  rect.visible(0);
  rect.render();
  rect.visible(1);
  rect.color()->a = 0;
  rect.render();
  EXPECT_TRUE(AreaNear(grab(), 0, 0, WIDTH, HEIGHT, BACKGROUND, 0));
}

// A surface showing a 4 by 2 pattern: the left half in one colour, the right
// half in `right`, which the test changes as its content.
class tPatternSurface : public tGuiSurface {
  VANDRELL_GUI_HOOKS(tPatternSurface, tGuiSurface)

 public:
  tPatternSurface() {
    _wSurface = 4;
    _hSurface = 2;
  }
  void setRight(uint32_t rgb) {
    right = rgb;
    _truesurface = 0;
  }
  void _makeSurface() override {
    ++builds;
    const TPixmapPtr pixels = _lockSurface();
    EXPECT_EQ(pixels->ReadPixel(3, 1), 0) << "a fresh surface is cleared";
    for (int32_t y = 0; y < 2; ++y) {
      pixels->WritePixel(0, y, static_cast<int32_t>(0xFF000000 | LEFT_RGB));
      pixels->WritePixel(1, y, static_cast<int32_t>(0xFF000000 | LEFT_RGB));
      pixels->WritePixel(2, y, static_cast<int32_t>(0xFF000000 | right));
      pixels->WritePixel(3, y, static_cast<int32_t>(0xFF000000 | right));
    }
    _unlockSurface();
  }
  const TImagePtr& surface() const { return _surface; }

  uint32_t right = RIGHT_RGB;
  int builds = 0;
};

TEST_F(VisualRenderTest, SurfacesAreRebuiltOnlyWhenTheirContentChanged) {
  tPatternSurface surface;
  surface.move(10, 5, 0);  // window (20, 10); the pattern doubles to 8 by 4
  EXPECT_EQ(surface.surface(), nullptr);
  EXPECT_FALSE(surface.isPaint());
  const auto drawn = [&](uint32_t right) {
    Cls();
    surface.render();
    return ScreenMatches(grab(), [&](float x, float y) -> std::optional<uint32_t> {
      const std::optional<bool> inside = inBox(x, y, 20, 10, 28, 14);
      if (!inside) return std::nullopt;
      if (!*inside) return BACKGROUND;
      if (std::abs(x - 24) < 1) return std::nullopt;
      return x < 24 ? LEFT_RGB : right;
    });
  };
  EXPECT_TRUE(drawn(RIGHT_RGB));
  EXPECT_TRUE(drawn(RIGHT_RGB));
  EXPECT_EQ(surface.builds, 1);
  ASSERT_NE(surface.surface(), nullptr);
  EXPECT_EQ(surface.surface()->handle_x, 0.0f);
  EXPECT_NE(surface.surface()->flags & FILTEREDIMAGE, 0) << "drawn at scale 2";

  surface.setRight(0x00FF00);
  EXPECT_TRUE(drawn(0x00FF00));
  EXPECT_TRUE(drawn(0x00FF00));
  EXPECT_EQ(surface.builds, 2);

  // Without the automatic rebuild a stale surface stays as it is until asked.
  surface.autosurface(0);
  surface.setRight(0x0000FF);
  EXPECT_TRUE(drawn(0x00FF00));
  surface.makeSurface();
  EXPECT_TRUE(drawn(0x0000FF));
  EXPECT_EQ(surface.builds, 3);
}

TEST_F(VisualRenderTest, SurfacesAtScaleOneStayUnfiltered) {
  ScreenScope unscaled(1, 1, 0, 0);
  tPatternSurface surface;
  surface.makeSurface();
  ASSERT_NE(surface.surface(), nullptr);
  EXPECT_EQ(surface.surface()->flags & FILTEREDIMAGE, 0);
}

}  // namespace

}  // namespace vandrell

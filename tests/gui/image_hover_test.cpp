#include "gui/image.h"

#include <gtest/gtest.h>

#include "visual_test_support.h"

namespace vandrell {

namespace {

// One row of four pixels with alpha 127, 128, 255 and 0, then a row of
// opaque pixels.
TPixmapPtr alphaRow() {
  TPixmapPtr pixmap = TPixmap::Create(4, 2);
  const uint32_t alphas[4] = {127, 128, 255, 0};
  for (int32_t x = 0; x < 4; ++x) {
    pixmap->WritePixel(x, 0, static_cast<int32_t>(alphas[x] << 24 | 0x336699));
    pixmap->WritePixel(x, 1, static_cast<int32_t>(0xFF000000u));
  }
  return pixmap;
}

std::shared_ptr<tGuiImage> imageOf(const TPixmapPtr& pixmap) {
  auto image = std::make_shared<tGuiImage>();
  image->pixmap(pixmap, 0);
  image->resetScale();
  return image;
}

TEST(ImageHoverTest, RotatedImageHoversOnItsTurnedFootprint) {
  ScreenScope screen(1, 1, 0, 0);
  tGuiImage image;  // the rectangle test needs no pixels
  image.move(400, 300, 0);
  image.resize(100, 50, 0);
  image.hotspot(0.5f, 0.5f);
  EXPECT_EQ(image.hovering(440, 300), 1);
  EXPECT_EQ(image.hovering(400, 340), 0);
  image.rotate(45, 0);
  image.rotate(45, 1);
  EXPECT_FLOAT_EQ(image.angle(), 90);
  // Now 50 wide and 100 tall about the same centre.
  EXPECT_EQ(image.hovering(440, 300), 0);
  EXPECT_EQ(image.hovering(400, 340), 1);
  EXPECT_EQ(image.hovering(420, 255), 1);
  EXPECT_EQ(image.hovering(430, 300), 0);
  image.resetRotation();
  EXPECT_EQ(image.hovering(440, 300), 1);
}

TEST(ImageHoverTest, RotationTurnsAboutTheHotspotInWindowPixels) {
  ScreenScope screen(2, 2, 10, 0);
  tGuiImage image;
  image.move(100, 100, 0);
  image.resize(20, 10, 0);  // hotspot (0, 0): the top-left corner turns in place
  image.rotate(90, 0);
  // The rectangle now hangs below the hotspot to its left: window x 190..210, y 200..240.
  EXPECT_EQ(image.hovering(200, 230), 1);
  EXPECT_EQ(image.hovering(220, 210), 0);  // where it lay unturned
}

TEST(ImageHoverTest, PixelHoverComparesTheAlphaWithTheThreshold) {
  ScreenScope screen(1, 1, 0, 0);
  const auto image = imageOf(alphaRow());
  image->move(10, 10, 0);
  image->pixelHovering(128);
  EXPECT_EQ(image->hovering(10.5f, 10.5f), 0);  // alpha 127
  EXPECT_EQ(image->hovering(11.5f, 10.5f), 1);  // alpha 128
  EXPECT_EQ(image->hovering(12.5f, 10.5f), 1);
  EXPECT_EQ(image->hovering(13.5f, 10.5f), 0);  // transparent
  EXPECT_EQ(image->hovering(13.5f, 11.5f), 1);
  // Outside the bounds, never, even next to opaque pixels.
  EXPECT_EQ(image->hovering(9.9f, 11.5f), 0);
  EXPECT_EQ(image->hovering(14.0f, 11.5f), 0);
  EXPECT_EQ(image->hovering(12.5f, 12.0f), 0);
  EXPECT_EQ(image->hovering(12.5f, 9.99f), 0);
  // Switching back to the rectangle test hovers on the transparent pixel too.
  image->pixelHovering(0);
  EXPECT_EQ(image->hovering(13.5f, 10.5f), 1);
}

TEST(ImageHoverTest, PixelHoverFollowsScaleRotationAndScreen) {
  ScreenScope screen(2, 2, 0, 0);
  const auto image = imageOf(alphaRow());
  image->scale(2, 2);  // 8 by 4 design units
  image->hotspot(0.5f, 0.5f);
  image->move(100, 100, 0);
  image->rotate(180, 0);
  image->pixelHovering(128);
  // Turned half round, source pixel (0, 0) lies at design 102..104 by 100..102,
  // and pixel (1, 0) at 100..102 by 100..102.
  EXPECT_EQ(image->hovering(2 * 103.0f, 2 * 101.0f), 0);
  EXPECT_EQ(image->hovering(2 * 101.0f, 2 * 101.0f), 1);
  EXPECT_EQ(image->hovering(2 * 97.0f, 2 * 101.0f), 0);  // pixel (3, 0), transparent
  EXPECT_EQ(image->hovering(2 * 97.0f, 2 * 99.0f), 1);   // pixel (3, 1), opaque
  EXPECT_EQ(image->hovering(2 * 105.0f, 2 * 99.0f), 0);  // outside
}

TEST(ImageHoverTest, PixelHoverWithoutPixelsOrSizeIsNever) {
  ScreenScope screen(1, 1, 0, 0);
  tGuiImage empty;
  empty.resize(10, 10, 0);
  empty.pixelHovering(1);
  EXPECT_EQ(empty.hovering(5, 5), 0);
  EXPECT_EQ(empty.hovering(5, 5), 0);

  const auto flat = imageOf(alphaRow());
  flat->resize(0, 0, 0);
  flat->pixelHovering(1);
  EXPECT_EQ(flat->hovering(0, 0), 0);
}

TEST(ImageHoverTest, NaturalSizeAndProportionalResizing) {
  ScreenScope screen(1, 1, 0, 0);
  const auto image = imageOf(alphaRow());
  EXPECT_FLOAT_EQ(image->lPixmap(), 4);
  EXPECT_FLOAT_EQ(image->tPixmap(), 2);
  EXPECT_EQ(image->rect(), tRect::Create(0, 0, 4, 2));
  image->wideResizeByImage(10);
  EXPECT_EQ(image->rect(), tRect::Create(0, 0, 10, 5));
  image->highResizeByImage(1);
  EXPECT_EQ(image->rect(), tRect::Create(0, 0, 2, 1));
  EXPECT_EQ(image->getPixmap()->ReadPixel(1, 0), static_cast<int32_t>(0x80336699u));

  tGuiImage none;
  none.pixmap(nullptr, 0);
  EXPECT_EQ(none.getPixmap(), nullptr);
  EXPECT_FLOAT_EQ(none.lPixmap(), 0);
  none.wideResizeByImage(10);  // no image: nothing changes
  EXPECT_EQ(none.rect(), tRect::Create(0, 0, 1, 1));
  EXPECT_FALSE(none.isPaint());
}

}  // namespace

}  // namespace vandrell

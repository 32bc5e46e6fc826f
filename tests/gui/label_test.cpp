#include "gui/label.h"

#include <gtest/gtest.h>

#include "surface_probe.h"
#include "visual_test_support.h"
#include "support/block_font.h"

namespace vandrell {

namespace {

using tLabel = tInspected<tGuiLabel>;

TEST(Label, SizesItselfToItsTextInEvenPixels) {
  const ScreenScope screen(2, 2, 0, 0);  // sizes are in font pixels whatever the scale
  tLabel label;
  label.letter(BlockFont({{U'a', 37}, {U'b', 4}}, 9), 0);
  label.value("a");
  EXPECT_EQ(label.wSurface(), 38);
  EXPECT_EQ(label.hSurface(), 10);
  EXPECT_FLOAT_EQ(label.l(), 38.0f);
  EXPECT_FLOAT_EQ(label.t(), 10.0f);
  label.value("ab");
  EXPECT_FLOAT_EQ(label.l(), 42.0f);
  label.resize(100, 100, 0);  // the text decides
  EXPECT_FLOAT_EQ(label.l(), 42.0f);
  EXPECT_FLOAT_EQ(label.t(), 10.0f);
}

TEST(Label, WithoutTextOrFontItHasNoSurface) {
  const ScreenScope screen(1, 1, 0, 0);
  tLabel label;
  label.value("ab");
  label.makeSurface();
  EXPECT_EQ(label.l(), 0.0f);
  EXPECT_EQ(label.surface(), nullptr);

  label.letter(WordFont(), 0);
  label.makeSurface();
  ASSERT_NE(label.surface(), nullptr);
  EXPECT_TRUE(label.isPaint());
  label.value("");
  label.makeSurface();
  EXPECT_EQ(label.surface(), nullptr);
  EXPECT_FALSE(label.isPaint());
  EXPECT_EQ(label.t(), 0.0f);
}

TEST(Label, RedrawsOnlyWhenTheTextOrTheFontChanges) {
  const ScreenScope screen(1, 1, 0, 0);
  const tLetterPtr font = WordFont();
  tLabel label;
  label.letter(font, 0);
  label.value("abc");
  label.makeSurface();
  label.makeSurface();
  EXPECT_EQ(label.rebuilds, 1);
  label.value("abc");
  label.letter(font, 0);
  label.makeSurface();
  EXPECT_EQ(label.rebuilds, 1);
  label.value("abd");
  label.makeSurface();
  EXPECT_EQ(label.rebuilds, 2);
  label.letter(font, MASKEDIMAGE);  // other surface flags need a new surface
  label.makeSurface();
  EXPECT_EQ(label.rebuilds, 3);
  label.letter(WordFont(), MASKEDIMAGE);
  label.makeSurface();
  EXPECT_EQ(label.rebuilds, 4);
}

TEST(Label, DrawsItsTextOnItsSurface) {
  const ScreenScope screen(1, 1, 0, 0);
  tLabel label;
  label.letter(WordFont(), 0);
  label.value("a b");
  label.makeSurface();
  const TPixmapPtr pixels = label.pixels();
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(pixels->width, 26);
  EXPECT_EQ(pixels->height, 8);
  EXPECT_EQ(static_cast<uint32_t>(pixels->ReadPixel(3, 7)), 0xffffffffu);
  EXPECT_EQ(pixels->ReadPixel(12, 3), 0);   // the blank
  EXPECT_NE(pixels->ReadPixel(20, 3), 0);   // "b"
  EXPECT_EQ(pixels->ReadPixel(25, 3), 0);   // the column that makes the width even
}

}  // namespace

}  // namespace vandrell

// A font made by the font baker loads and draws a sentence like the
// reference image, which was checked by eye. The font is the one kept with
// the test data unless VANDRELL_BAKED_FONT names one baked by this build.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/pixmap.h"
#include "resources/letter.h"

namespace vandrell {

namespace {

const std::string SENTENCE =
    "The quick brown fox jumps over the lazy dog; \xC3\x86sop's caf\xC3\xA9 \xC2\xBB"
    "d\xC3\xA9j\xC3\xA0 vu\xC2\xAB.";

std::string fontPath() {
  const char* baked = std::getenv("VANDRELL_BAKED_FONT");
  return baked && *baked ? baked : std::string(VANDRELL_TEST_DATA) + "/fonts/dejavu_sans_16";
}

TEST(BakedFont, DrawsASentenceLikeTheReference) {
  const tLetterPtr font = tLetter::Create(fontPath(), UTF8);
  ASSERT_NE(font->alpha('T'), nullptr) << fontPath();
  ASSERT_NE(font->alpha(0xC6), nullptr);  // Latin-1 is baked by default

  const TPixmapPtr reference = LoadPixmap(std::string(VANDRELL_TEST_DATA) + "/fonts/sentence_dejavu_sans_16.png");
  ASSERT_NE(reference, nullptr);
  const int32_t width = reference->width;
  ASSERT_EQ(font->rectHeight(width, SENTENCE, ' '), reference->height);
  const TPixmapPtr drawn = TPixmap::Create(width, reference->height);
  EXPECT_EQ(font->rect(*drawn, SENTENCE, 0, 0, ' '), reference->height + font->_vSpace);

  // Rasterizers may differ in a few edge pixels, never in the letters' places.
  int64_t difference = 0;
  int32_t strongDifferences = 0;
  for (int32_t y = 0; y < drawn->height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const uint8_t* got = drawn->PixelPtr(x, y);
      const uint8_t* want = reference->PixelPtr(x, y);
      const int32_t alpha = std::abs(got[3] - want[3]);
      difference += alpha;
      if (alpha > 64) ++strongDifferences;
      if (got[3] > 0) {
        ASSERT_TRUE(got[0] == got[1] && got[1] == got[2]) << "not grey at " << x << "," << y;
      }
    }
  }
  const int64_t pixels = int64_t{width} * drawn->height;
  EXPECT_LT(difference, pixels * 2) << "mean alpha difference of 2 or more";
  EXPECT_LT(strongDifferences, pixels / 200);
}

}  // namespace

}  // namespace vandrell

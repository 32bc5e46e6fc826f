#include <gtest/gtest.h>

#include "platform/png_codec.h"
#include "resources/letter.h"
#include "resources/media_lookup.h"
#include "resources/working_folder.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

// media/fonts/small: "A" 6 wide and "B" 4 wide, 5 high, padding 1.
void putFont() {
  WorkingFolder::put("media/fonts/small",
                     "[Font]\r\nh=1\r\nv=1\r\n[Char65]\r\nchar=65\r\nw=6\r\nh=5\r\n[Char66]\r\nchar=66\r\nx=6\r\nw=4\r\nh=5\r\n");
  const TPixmapPtr image = TPixmap::Create(10, 5);
  image->ClearPixels(static_cast<int32_t>(0xffffffff));
  ASSERT_TRUE(SavePixmapPNG(*image, "media/fonts/small.pixmap"));
}

class LetterLookup : public ::testing::Test {
 protected:
  WorkingFolder folder;
  tFile files{folder.root()};
  tCacheResourceManager cache;
};

TEST_F(LetterLookup, LoadsTheDescriptionAndItsPixmapFromTheMedia) {
  putFont();
  const tLetterPtr font = files.letter("fonts/small", cache);
  ASSERT_NE(font->alpha('A'), nullptr);
  EXPECT_EQ(font->width("AB"), 6 + 4 - 2);
  EXPECT_EQ(font->height(), 5);
}

TEST_F(LetterLookup, CachedFontsShareGlyphsButNotSpacing) {
  putFont();
  const tLetterPtr first = files.letter("fonts/small", cache);
  first->space(3, 3);
  DeleteFile("media/fonts/small");  // the second comes from the cache
  const tLetterPtr second = files.letter("fonts/small", cache);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->_alphabet, second->_alphabet);
  EXPECT_EQ(second->_hSpace, -2);
  EXPECT_EQ(second->_vSpace, -2);
  EXPECT_EQ(first->_hSpace, 1);
  EXPECT_EQ(second->width("AB"), 8);
}

TEST_F(LetterLookup, WithoutACacheEveryCallLoadsAnew) {
  putFont();
  const tLetterPtr first = files.letter("fonts/small", rmNull());
  const tLetterPtr second = files.letter("fonts/small", rmNull());
  EXPECT_NE(first->_alphabet, second->_alphabet);
  EXPECT_NE(second->alpha('B'), nullptr);
}

TEST_F(LetterLookup, AMissingDescriptionOrPixmapGivesAnEmptyCachedFont) {
  LogCapture log;
  WorkingFolder::put("media/fonts/nopixmap", "[Char65]\nchar=65\nw=6\nh=5\n");
  for (const std::string url : {"fonts/absent", "fonts/nopixmap"}) {
    const tLetterPtr font = files.letter(url, cache);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->alpha('A'), nullptr) << url;
    EXPECT_EQ(font->width("AAA"), 0);
    EXPECT_NE(cache.Url(font), "") << "registered even though empty";
  }
  EXPECT_TRUE(log.contains("Can't load font \"fonts/absent\""));
}

}  // namespace

}  // namespace vandrell

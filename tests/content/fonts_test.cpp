// The ten fonts load from their descriptions and images, loose and packed, and draw all
// of Latin-1, which the strings are held to.
#include "content_tree.h"
#include "platform/pixmap.h"
#include "platform/text_stream.h"
#include "resources/config.h"
#include "resources/letter.h"

namespace vandrell {

namespace {

const char* const kFonts[] = {"0", "0t", "1", "1t", "1s", "2", "2t", "2s", "3", "4"};

class ContentFontsTest : public ContentTest {
 protected:
  void SetUp() override {
    ContentTest::SetUp();
    if (!IsSkipped() && !fontsBaked()) GTEST_SKIP() << "the font baker was not built";
  }
};

TEST_F(ContentFontsTest, EveryFontLoadsAndCoversLatin1InEveryLayout) {
  for (const char* name : kFonts) {
    const std::string base = std::string("media/data/") + name + "/font";
    auto descriptions = open(base);
    auto images = open(base + ".pixmap");
    ASSERT_EQ(descriptions.size(), images.size());
    for (size_t i = 0; i < descriptions.size(); ++i) {
      SCOPED_TRACE(std::string("font ") + name + " (" + descriptions[i].name + ")");
      ASSERT_NE(descriptions[i].stream, nullptr) << "description missing";
      ASSERT_NE(images[i].stream, nullptr) << "image missing";
      TTextStream text(descriptions[i].stream, UTF8);
      tMultiConfig config;
      config.Load(text);
      TPixmapPtr pixmap = LoadPixmap(images[i].stream);
      ASSERT_NE(pixmap, nullptr) << "image does not decode";

      tLetter font;
      ASSERT_EQ(font.Load(config, pixmap), 1);
      int32_t missing = 0;
      for (int32_t code = 32; code <= 0xFF; ++code) {
        if (code >= 0x7F && code < 0xA0) continue;  // control codes have no glyphs
        if (!font.alpha(code)) {
          ADD_FAILURE() << "no glyph for U+" << std::hex << code;
          if (++missing > 5) break;
        }
      }
      EXPECT_GE(font.height(), 12);
      EXPECT_LE(font.height(), 64);
      EXPECT_GT(font.alpha(' ')->width(), 0) << "words would run together";
    }
  }
}

TEST_F(ContentFontsTest, LicencesShipWithTheFonts) {
  for (const char* path : {"media/data/fonts/EBGaramond-licence.txt", "media/data/fonts/Cantarell-licence.txt"}) {
    for (ContentLayout& layout : open(path)) {
      ASSERT_NE(layout.stream, nullptr) << path << " (" << layout.name << ")";
      const auto bytes = layout.stream->readAll();
      const std::string text(bytes.begin(), bytes.end());
      EXPECT_NE(text.find("SIL OPEN FONT LICENSE"), std::string::npos) << path;
    }
  }
}

}  // namespace

}  // namespace vandrell

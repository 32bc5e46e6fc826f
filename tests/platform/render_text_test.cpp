// Text of the built-in font. The reference image tests/data/render/
// builtin_font.png holds every printable ASCII character, white on black,
// three lines of 32; it was checked by eye, enlarged, for the shape of each
// character, one 5 x 7 glyph per 6 x 8 cell.
#include "platform/image_font.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {
std::string printableLine(int32_t line) {
  std::string text;
  for (int32_t c = 32 + line * 32; c < 32 + (line + 1) * 32 && c < 127; ++c) text += static_cast<char>(c);
  return text;
}
}  // namespace

TEST_F(RenderTest, BuiltinFontMatchesItsReferenceImage) {
  CloseGraphics(graphics);
  graphics = CreateGraphics(192, 24, 0, 0, 2);
  ASSERT_TRUE(graphics);
  SetGraphics(graphics);
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(ALPHABLEND);
  for (int32_t line = 0; line < 3; ++line) DrawText(printableLine(line), 0, static_cast<float>(line * 8));
  EXPECT_TRUE(MatchesReference(GrabPixmap(0, 0, 192, 24), "builtin_font.png", 0));
}

TEST_F(RenderTest, TextIsTintedMeasuredAndTransformedLikeImages) {
  EXPECT_EQ(TextWidth("abc"), 18);
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextHeight("abc"), 8);
  EXPECT_EQ(TextWidth("\xC3\xA9t\xC3\xA9"), 18) << "one cell per character, not per byte";

  SetBlend(ALPHABLEND);
  SetColor(255, 0, 0);
  DrawText("I", 10, 10);  // the I of the font: a bar in column 2 from y 0 to 6, serifs on 1 and 3
  SetScale(2, 2);
  DrawText("I", 30, 10);
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 12, 10, 1, 7, 0xFF0000, 0));
  EXPECT_TRUE(PixelNear(screen, 11, 10, 0xFF0000, 0));
  EXPECT_TRUE(PixelNear(screen, 11, 12, BACKGROUND, 0));
  EXPECT_TRUE(PixelNear(screen, 12, 17, BACKGROUND, 0));
  EXPECT_TRUE(AreaNear(screen, 34, 10, 2, 14, 0xFF0000, 0));
  EXPECT_TRUE(PixelNear(screen, 36, 14, BACKGROUND, 0));
}

// A font of one glyph per character, each an image of its own.
class TestFont final : public TImageFont {
 public:
  TestFont() : _block(RenderTest::imageOf(3, 2, std::vector<uint32_t>(6, 0xFFFFFFFFu))) {}
  int32_t Height() const override { return 2; }
  TImageGlyph Glyph(uint32_t code) const override {
    if (code == ' ') return {nullptr, 0, 0, 0, 2};
    return {_block, 0, 1, 0, 5};
  }

 private:
  TImagePtr _block;
};

TEST_F(RenderTest, AnImageFontDrawsGlyphsAtTheirOffsetsAndAdvances) {
  SetImageFont(std::make_shared<TestFont>());
  EXPECT_EQ(TextWidth("a b"), 12);
  EXPECT_EQ(TextHeight("a"), 2);
  SetHandle(1, 0);
  DrawText("a b", 10, 10);  // glyphs at 10 - 1 + 1 and 10 - 1 + 5 + 2 + 1
  SetImageFont(nullptr);
  EXPECT_EQ(TextHeight("a"), 8);
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 10, 10, 3, 2, 0xFFFFFF, 0));
  EXPECT_TRUE(PixelNear(screen, 13, 10, BACKGROUND, 0));
  EXPECT_TRUE(AreaNear(screen, 17, 10, 3, 2, 0xFFFFFF, 0));
  EXPECT_TRUE(PixelNear(screen, 16, 10, BACKGROUND, 0));
}

}  // namespace vandrell

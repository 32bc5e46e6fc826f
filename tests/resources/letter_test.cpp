#include "resources/letter.h"

#include <gtest/gtest.h>

#include "platform/png_codec.h"
#include "support/block_font.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

std::vector<std::string> breakAll(const tLetter& font, std::string text, int32_t width) {
  std::vector<std::string> lines;
  do lines.push_back(font._cut(text, width, ' '));
  while (!text.empty());
  return lines;
}

// The columns of row `y` whose alpha is not 0, as a string of '#' and '.'.
std::string inkRow(const TPixmap& pixmap, int32_t y) {
  std::string row;
  for (int32_t x = 0; x < pixmap.width; ++x) row += pixmap.PixelPtr(x, y)[3] ? '#' : '.';
  return row;
}

int32_t firstInk(const TPixmap& pixmap, int32_t y) {
  for (int32_t x = 0; x < pixmap.width; ++x)
    if (pixmap.PixelPtr(x, y)[3]) return x;
  return -1;
}

tMultiConfig parseConfig(const std::string& text) {
  tMultiConfig config;
  TTextStream stream(CreateBankStream(text), UTF8);
  config.Load(stream);
  return config;
}

TEST(LetterLoad, ReadsGlyphRectanglesAndPadding) {
  const TPixmapPtr image = TPixmap::Create(64, 32);
  image->WritePixel(20, 4, static_cast<int32_t>(0x80ffffff));
  const tMultiConfig config = parseConfig(
      "[Font]\nh=2\nv=1\n"
      "[CharA]\nchar=65\nx=20\ny=4\nw=12\nh=20\n"
      "[CharB]\nchar=66\nx=0\ny=0\nw=7\nh=9\n"
      "[Char0]\nchar=0\nw=30\nh=30\n"
      "[Charmax]\nchar=65535\nw=30\nh=30\n"
      "[char]\nchar=67\nw=30\nh=30\n");
  tLetter font;
  EXPECT_EQ(font.Load(config, image), 1);

  EXPECT_EQ(font._hSpace0, -4);  // cells overlap by their padding on both sides
  EXPECT_EQ(font._vSpace0, -2);
  EXPECT_EQ(font._hSpace, -4);
  EXPECT_EQ(font.height(), 20);
  ASSERT_NE(font.alpha('A'), nullptr);
  EXPECT_EQ(font.alpha('A')->width(), 12);
  EXPECT_EQ(font.alpha('A')->height(), 20);
  // The glyph is a window onto the font image, not a copy.
  EXPECT_EQ(font.alpha('A')->_pixmap->PixelPtr(0, 0), image->PixelPtr(20, 4));
  EXPECT_EQ(font.alpha('B')->width(), 7);
  EXPECT_EQ(font.alpha(0), nullptr);
  EXPECT_EQ(font.alpha(65535), nullptr);
  EXPECT_EQ(font.alpha(-1), nullptr);
  EXPECT_EQ(font.alpha('C'), nullptr);  // "char" is not "Char"
}

TEST(LetterLoad, RepeatedCharSectionsEachGiveAGlyphAndLaterOnesWin) {
  const TPixmapPtr image = TPixmap::Create(64, 32);
  const tMultiConfig config = parseConfig(
      "[Char]\nchar=97\nw=5\nh=6\n"
      "[Char]\nchar=98\nw=7\nh=8\n"
      "[Char]\nchar=97\nw=9\nh=4\n");
  tLetter font;
  font.Load(config, image);
  ASSERT_NE(font.alpha('a'), nullptr);
  ASSERT_NE(font.alpha('b'), nullptr);
  EXPECT_EQ(font.alpha('a')->width(), 9);
  EXPECT_EQ(font.alpha('b')->width(), 7);
  EXPECT_EQ(font.height(), 8);
}

TEST(LetterLoad, GlyphsOutsideTheImageOrWithNegativeSizesDoNoHarm) {
  const TPixmapPtr image = TPixmap::Create(16, 16);
  image->ClearPixels(static_cast<int32_t>(0xffffffff));
  const tMultiConfig config = parseConfig(
      "[Char1]\nchar=97\nx=10\ny=10\nw=10\nh=10\n"
      "[Char2]\nchar=98\nx=0\ny=0\nw=-3\nh=5\n");
  LogCapture log;
  tLetter font;
  font.Load(config, image);
  EXPECT_EQ(font.alpha('b'), nullptr);
  EXPECT_TRUE(log.contains("negative size"));
  ASSERT_NE(font.alpha('a'), nullptr);
  EXPECT_EQ(font.alpha('a')->width(), 10);  // measured as described...
  const TPixmapPtr target = TPixmap::Create(20, 20);
  font.line(*target, "a", 0, 0);  // ...but only the part on the image is drawn
  EXPECT_EQ(inkRow(*target, 0), "######..............");
  EXPECT_EQ(inkRow(*target, 6), "....................");
}

TEST(LetterMeasure, WidthCountsOnlyGlyphs) {
  const tLetterPtr font = BlockFont({{U'a', 10}, {U'b', 6}});
  EXPECT_EQ(font->width("xyz"), 0);
  EXPECT_EQ(font->width(""), 0);
  font->space(7, 0);
  EXPECT_EQ(font->width("a"), 10);
  EXPECT_EQ(font->width("xax"), 10);
  EXPECT_EQ(font->width("ab"), 10 + 7 + 6);
  EXPECT_EQ(font->width("a\xC3\xA9" "b"), 23);  // é has no glyph and takes no room
}

TEST(LetterMeasure, SpaceIsRelativeToTheFontsOwnSpacing) {
  const tLetterPtr font = BlockFont({{U'a', 10}}, 8, 1);
  EXPECT_EQ(font->width("aaa"), 30 - 2 * 2);
  font->space(3, 5);
  EXPECT_EQ(font->_hSpace, 1);
  EXPECT_EQ(font->_vSpace, 3);
  EXPECT_EQ(font->width("aaa"), 32);
  font->space(0, 0);
  EXPECT_EQ(font->width("aaa"), 26);
}

TEST(LetterMeasure, SpacingBeyondTheGlyphsNeverMakesTextTakeLessThanNoRoom) {
  const tLetterPtr font = WordFont();
  font->space(-30, -20);
  EXPECT_EQ(font->width("abc"), 0);
  EXPECT_EQ(font->textHeight(100, {"a", "b"}, "", ' '), 0);  // two lines 8 high, 20 apart
  font->space(0, -20);
  EXPECT_EQ(font->rectHeight(15, "ab", ' '), 0);
}

TEST(LetterMeasure, HugeGlyphsAndPaddingStayWithinTheIntRange) {
  const TPixmapPtr image = TPixmap::Create(4, 4);
  image->ClearPixels(static_cast<int32_t>(0xffffffff));
  tLetter font;
  font.Load(parseConfig("[Font]\nv=-2000000000\n[Char]\nchar=97\nw=2147483647\nh=2147483647\n"), image);
  EXPECT_EQ(font._vSpace0, INT32_MAX);
  EXPECT_EQ(font.width("aa"), INT32_MAX);
  EXPECT_EQ(font.rectHeight(INT32_MAX, "a a", ' '), INT32_MAX);
  font.space(0, INT32_MAX);
  EXPECT_EQ(font._vSpace, INT32_MAX);
  font.space(INT32_MIN, 0);  // the second glyph starts one pixel before the first one ends
  EXPECT_EQ(font.width("aa"), INT32_MAX - 1);

  font.space(0, 0);
  const TPixmapPtr target = TPixmap::Create(8, 8);
  for (const int32_t align : {0, 1, 2, 3}) EXPECT_EQ(font.rect(*target, "a a a", align, 0, ' '), INT32_MAX);
  EXPECT_EQ(inkRow(*target, 0), "####....");  // only the first glyph's image lands on the pixmap
}

TEST(LetterMeasure, RectHeightCountsLinesAndTheirSpacing) {
  const tLetterPtr font = WordFont();
  font->space(0, 3);
  EXPECT_EQ(font->rectHeight(100, "ab cd", ' '), 8);
  EXPECT_EQ(font->rectHeight(100, "", ' '), 8);
  EXPECT_EQ(font->rectHeight(30, "ab cd", ' '), 2 * 8 + 3);
  EXPECT_EQ(font->textHeight(30, {}, "", ' '), 0);
  // Two paragraphs of two lines each: four lines, three spacings.
  EXPECT_EQ(font->textHeight(30, {"ab cd", "ef ab"}, "", ' '), 4 * 8 + 3 * 3);
  // The prefix belongs to every paragraph and may make it wrap.
  EXPECT_EQ(font->textHeight(30, {"ab", "cd"}, "ef ", ' '), 4 * 8 + 3 * 3);
}

TEST(LetterCut, BreaksAtTheLastBlankThatFits) {
  const tLetterPtr font = WordFont();
  EXPECT_EQ(breakAll(*font, "ab cd ef", 50), (std::vector<std::string>{"ab cd", "ef"}));
  // The blank after "cd" would overflow 45, so it is no break position.
  EXPECT_EQ(breakAll(*font, "ab cd ef", 45), (std::vector<std::string>{"ab", "cd ef"}));
  EXPECT_EQ(breakAll(*font, "ab cd ef", 1000), (std::vector<std::string>{"ab cd ef"}));
}

TEST(LetterCut, TrailingBlanksAreConsumedAtTheLineEnd) {
  const tLetterPtr font = WordFont();
  std::string text = "ab   cd";
  EXPECT_EQ(font->_cut(text, 40, ' '), "ab");
  EXPECT_EQ(text, "cd");
  text = "abc   ";
  EXPECT_EQ(font->_cut(text, 100, ' '), "abc");
  EXPECT_EQ(text, "");
}

TEST(LetterCut, AWordWiderThanTheLineIsCutAfterTheLastCharacterThatFits) {
  const tLetterPtr font = WordFont();
  EXPECT_EQ(breakAll(*font, "abcdef", 35), (std::vector<std::string>{"abc", "def"}));
  // An overflowing blank without an earlier break begins the next line.
  EXPECT_EQ(breakAll(*font, "abc d", 30), (std::vector<std::string>{"abc", " d"}));
}

TEST(LetterCut, EveryLineHoldsAtLeastOneCharacter) {
  const tLetterPtr font = WordFont();
  EXPECT_EQ(breakAll(*font, "abc", 4), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(font->rectHeight(0, "ab cd", ' '), 5 * 8);
  font->space(-20, 0);  // even a width below the spacing ends
  EXPECT_EQ(breakAll(*font, "ab", 0).size(), 2u);
}

TEST(LetterCut, CharactersWithoutGlyphsNeverOverflowALine) {
  const tLetterPtr font = WordFont();
  font->space(-20, -20);
  EXPECT_EQ(breakAll(*font, "xyzw", 0), (std::vector<std::string>{"xyzw"}));
  EXPECT_EQ(font->rectHeight(0, "xyzw", ' '), 8);
  tLetter empty;  // a font whose files did not load: one line, 0 high
  empty.space(-3, -3);
  EXPECT_EQ(empty.rectHeight(0, "AB BA", ' '), 0);
}

TEST(LetterCut, KeepsMultiByteCharactersWhole) {
  const tLetterPtr font = BlockFont({{U' ', 5}, {U'\u00e9', 10}, {U'\u4e2d', 10}});
  EXPECT_EQ(breakAll(*font, "\xC3\xA9\xC3\xA9 \xE4\xB8\xAD\xE4\xB8\xAD", 25),
            (std::vector<std::string>{"\xC3\xA9\xC3\xA9", "\xE4\xB8\xAD\xE4\xB8\xAD"}));
  EXPECT_EQ(breakAll(*font, "\xE4\xB8\xAD\xE4\xB8\xAD", 12),
            (std::vector<std::string>{"\xE4\xB8\xAD", "\xE4\xB8\xAD"}));
}

TEST(LetterDraw, PaddedCellsOverlapByTwiceThePadding) {
  // Cells 10 wide with 2 pixels of padding per side: ink in columns 2..7.
  const TPixmapPtr image = TPixmap::Create(10, 4);
  for (int32_t x = 2; x < 8; ++x)
    for (int32_t y = 0; y < 4; ++y) image->WritePixel(x, y, static_cast<int32_t>(0xffffffff));
  tLetter font;
  font.Load(parseConfig("[Font]\nh=2\n[Char]\nchar=97\nw=10\nh=4\n"), image);
  const TPixmapPtr target = TPixmap::Create(20, 4);
  font.line(*target, "aa", 0, 0);
  EXPECT_EQ(inkRow(*target, 0), "..############......");
  EXPECT_EQ(font.width("aa"), 16);
}

TEST(LetterDraw, TheStrongerPixelWinsAndTheResultIsGrey) {
  const tLetterPtr font = BlockFont({{U'a', 4, 200, 100}, {U'b', 4, 50, 250}, {U'c', 4, 255, 0}});
  font->space(-4, 0);  // every glyph lands on the same pixels
  const TPixmapPtr target = TPixmap::Create(4, 8);
  target->ClearPixels(static_cast<int32_t>(0x00104080));  // transparent, coloured
  font->line(*target, "c", 0, 0);
  EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(0, 0)), 0x00101010u);  // weaker, but greyed
  font->line(*target, "a", 0, 0);
  EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(0, 0)), 0x64c8c8c8u);  // (200+1)*100 wins
  font->line(*target, "b", 0, 0);
  EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(0, 0)), 0x64c8c8c8u);  // (50+1)*250 < (200+1)*100
  font->line(*target, "ba", 0, 0);
  EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(3, 7)), 0x64c8c8c8u);  // never adds up
}

TEST(LetterDraw, GlyphsAreClippedAtThePixmapsEdges) {
  const tLetterPtr font = BlockFont({{U'a', 10}}, 10);
  const TPixmapPtr target = TPixmap::Create(8, 6);
  font->line(*target, "a", -7, -7);
  font->line(*target, "a", 4, 3);
  EXPECT_EQ(inkRow(*target, 0), "###.....");
  EXPECT_EQ(inkRow(*target, 3), "....####");
  EXPECT_EQ(inkRow(*target, 5), "....####");
  font->line(*target, "a", 100, -100);  // wholly outside: nothing, no fault
  font->line(*target, "a", INT32_MIN, INT32_MIN);
  font->line(*target, "aa", INT32_MAX, INT32_MAX);
}

TEST(LetterDraw, AlignsLinesLeftRightAndCentred) {
  const tLetterPtr font = WordFont();
  const TPixmapPtr centred = TPixmap::Create(101, 8);
  EXPECT_EQ(font->rect(*centred, "abcde", 2, 0, ' '), 8);
  EXPECT_EQ(firstInk(*centred, 0), 25);

  const TPixmapPtr right = TPixmap::Create(101, 8);
  font->rect(*right, "ab", 1, 0, ' ');
  EXPECT_EQ(firstInk(*right, 0), 81);

  const TPixmapPtr left = TPixmap::Create(40, 20);
  font->space(0, 2);
  EXPECT_EQ(font->rect(*left, "ab cd", 0, 0, ' '), 2 * 10);
  EXPECT_EQ(inkRow(*left, 0), "####################....................");
  EXPECT_EQ(inkRow(*left, 8), "........................................");  // line spacing
  EXPECT_EQ(inkRow(*left, 10), "####################....................");
}

TEST(LetterDraw, JustifiesEveryLineButTheLast) {
  const tLetterPtr font = WordFont();
  const TPixmapPtr target = TPixmap::Create(50, 24);
  // Lines "ab cd" (width 45, one blank: 5 extra pixels after it) and "ef".
  EXPECT_EQ(font->rect(*target, "ab cd ef", 3, 0, ' '), 16);
  EXPECT_EQ(inkRow(*target, 0), std::string(20, '#') + std::string(10, '.') + std::string(20, '#'));
  EXPECT_EQ(inkRow(*target, 8), std::string(20, '#') + std::string(30, '.'));
}

TEST(LetterDraw, JustifySpreadsTheExtraSpaceOverEveryBlank) {
  const tLetterPtr font = WordFont();
  const TPixmapPtr target = TPixmap::Create(60, 8);
  // Width 40 of 60: 10 extra pixels after each of the two blanks.
  font->justify(*target, "a b c", 0, ' ');
  EXPECT_EQ(firstInk(*target, 0), 0);
  EXPECT_EQ(inkRow(*target, 0), std::string(10, '#') + std::string(15, '.') + std::string(10, '#') +
                                     std::string(15, '.') + std::string(10, '#'));
  // A line without a blank stays on the left.
  const TPixmapPtr single = TPixmap::Create(60, 8);
  font->justify(*single, "abc", 0, ' ');
  EXPECT_EQ(inkRow(*single, 0), std::string(30, '#') + std::string(30, '.'));
}

TEST(LetterDraw, TextDrawsParagraphsOneBelowTheOther) {
  const tLetterPtr font = WordFont();
  font->space(0, 1);
  const TPixmapPtr target = TPixmap::Create(30, 40);
  const std::vector<std::string> paragraphs{"ab", "cd ef"};
  const int32_t bottom = font->text(*target, paragraphs, "", 0, 2, ' ');
  EXPECT_EQ(bottom, 2 + 3 * 9);
  EXPECT_EQ(bottom - 2 - 1, font->textHeight(30, paragraphs, "", ' '));
  EXPECT_EQ(inkRow(*target, 2), std::string(20, '#') + std::string(10, '.'));
  EXPECT_EQ(inkRow(*target, 20), std::string(20, '#') + std::string(10, '.'));
  EXPECT_EQ(inkRow(*target, 29), std::string(30, '.'));
}

TEST(LetterFile, LoadsTheImageBesideTheDescription) {
  TempDir dir;
  const TPixmapPtr image = TPixmap::Create(8, 8);
  image->ClearPixels(static_cast<int32_t>(0xffffffff));
  ASSERT_TRUE(SavePixmapPNG(*image, dir.file("glyphs.png")));
  TStreamPtr description = WriteFile(dir.file("font.cfg"));
  description->writeString("[Font]\npixmap=glyphs.png\n[Char65]\nchar=65\nw=8\nh=8\n");
  description->close();

  const tLetterPtr font = tLetter::Create(dir.file("font.cfg"), UTF8);
  ASSERT_NE(font->alpha('A'), nullptr);
  EXPECT_EQ(font->width("AA"), 16);
}

TEST(LetterFile, FailuresLeaveAFontWithoutGlyphs) {
  TempDir dir;
  TStreamPtr noPixmap = WriteFile(dir.file("nopixmap.cfg"));
  noPixmap->writeString("[Font]\nh=1\n[Char65]\nchar=65\nw=8\nh=8\n");
  noPixmap->close();
  TStreamPtr badPixmap = WriteFile(dir.file("badpixmap.cfg"));
  badPixmap->writeString("[Font]\npixmap=missing.png\n[Char65]\nchar=65\nw=8\nh=8\n");
  badPixmap->close();

  LogCapture log;
  for (const std::string name : {"nopixmap.cfg", "badpixmap.cfg", "absent.cfg"}) {
    tLetter font;
    EXPECT_EQ(font.LoadFile(dir.file(name), UTF8), 0) << name;
    EXPECT_EQ(font.alpha('A'), nullptr);
    EXPECT_EQ(font.width("AAA"), 0);
    EXPECT_EQ(font.rectHeight(100, "AAA", ' '), 0);
    const TPixmapPtr target = TPixmap::Create(4, 4);
    EXPECT_EQ(font.rect(*target, "AAA", 0, 0, ' '), 0);
  }
  EXPECT_TRUE(log.contains("names no pixmap"));
  EXPECT_TRUE(log.contains("missing.png"));
  EXPECT_NE(tLetter::Create(dir.file("absent.cfg"), UTF8), nullptr);
}

TEST(LetterShare, SharedGlyphsKeepTheirOwnSpacing) {
  const tLetterPtr original = BlockFont({{U'a', 10}}, 8, 1);
  original->space(5, 5);
  tLetter copy;
  copy.share(*original);
  EXPECT_EQ(copy._alphabet, original->_alphabet);
  EXPECT_EQ(copy.height(), 8);
  EXPECT_EQ(copy._hSpace, -2);  // the font's own spacing, not the original's
  copy.space(1, 0);
  EXPECT_EQ(original->_hSpace, 3);
  EXPECT_EQ(copy.width("aa"), 19);
}

}  // namespace

}  // namespace vandrell

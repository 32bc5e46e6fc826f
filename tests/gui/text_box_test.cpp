#include "gui/text_box.h"

#include <gtest/gtest.h>

#include "surface_probe.h"
#include "visual_test_support.h"
#include "support/block_font.h"

namespace vandrell {

namespace {

using tTextBox = tInspected<tGuiText>;

// 60 pixels a word: three fit in 200, four do not.
const std::string FOUR_WORDS = "abcdef abcdef abcdef abcdef";

class TextBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font->space(0, 2);
    box.letter(font, 0);
    box.resize(200, 10, 0);
  }

  int32_t firstInk(int32_t y) const {
    const TPixmapPtr pixels = box.pixels();
    for (int32_t x = 0; x < pixels->width; ++x)
      if (pixels->PixelPtr(x, y)[3]) return x;
    return -1;
  }

  const ScreenScope screen{1, 1, 0, 0};
  const tLetterPtr font = WordFont();
  tTextBox box;
};

TEST_F(TextBoxTest, ItsHeightFollowsTheWrappedParagraphs) {
  EXPECT_EQ(box.t(), 0.0f);  // no paragraphs, no surface
  box.addline(FOUR_WORDS);
  EXPECT_EQ(box.t(), 2 * 8 + 2);
  box.addline(FOUR_WORDS);
  // Four lines, and the same spacing between paragraphs as between lines.
  EXPECT_EQ(box.t(), 4 * 8 + 3 * 2);
  EXPECT_EQ(box.l(), 200.0f);
  box.clearlines();
  EXPECT_EQ(box.t(), 0.0f);
}

TEST_F(TextBoxTest, TheSurfaceIsTheBoxWidthRoundedUpToEvenPixels) {
  box.resize(200.6f, 0, 0);
  box.value("ab");
  EXPECT_EQ(box.wSurface(), 202);
  EXPECT_EQ(box.hSurface(), 8);
  box.makeSurface();
  EXPECT_EQ(box.pixels()->width, 202);
}

TEST_F(TextBoxTest, ResizingToTheSameWidthKeepsTheSurface) {
  box.addline(FOUR_WORDS);
  box.makeSurface();
  box.resize(200, 500, 0);
  box.makeSurface();
  EXPECT_EQ(box.rebuilds, 1);
  EXPECT_EQ(box.t(), 18.0f);  // only the width counts

  box.resize(130, 0, 0);  // two words a line
  EXPECT_EQ(box.t(), 2 * 8 + 2);
  box.resize(120, 0, 0);  // still two words a line, but a narrower surface
  box.makeSurface();
  EXPECT_EQ(box.rebuilds, 2);
  EXPECT_EQ(box.pixels()->width, 120);
  box.resize(65, 0, 0);  // a word and its blank a line
  EXPECT_EQ(box.t(), 4 * 8 + 3 * 2);
}

TEST_F(TextBoxTest, NewContentIsDrawnEvenWhenAResizeKeepsTheSize) {
  box.value("abc");
  box.makeSurface();
  box.value("abd");
  box.resize(200, 10, 0);
  box.makeSurface();
  EXPECT_EQ(box.rebuilds, 2);
}

TEST_F(TextBoxTest, ParagraphListsAreBuiltInTheirOrder) {
  box.string2lines("ab||cd||ef", "||");
  EXPECT_EQ(box.t(), 3 * 8 + 2 * 2);
  box.array2lines({"ab", "cd"});
  EXPECT_EQ(box.t(), 5 * 8 + 4 * 2);
  box.value("ab cd");
  EXPECT_EQ(box.getValue(), "ab cd");
  EXPECT_EQ(box.t(), 8);
  box.clearlines();
  box.string2lines("a||", "||");  // an empty last paragraph is a line too
  EXPECT_EQ(box.t(), 2 * 8 + 2);
}

TEST_F(TextBoxTest, AlignmentIndentAndSpacerShapeTheDrawing) {
  box.resize(100, 0, 0);
  box.value("ab");
  box.align(2);
  box.makeSurface();
  EXPECT_EQ(firstInk(0), 40);
  box.align(1);
  box.makeSurface();
  EXPECT_EQ(firstInk(0), 80);
  box.align(1);  // unchanged: nothing to redraw
  box.makeSurface();
  EXPECT_EQ(box.rebuilds, 2);

  box.align(0);
  box.indent("cc");
  box.makeSurface();
  EXPECT_EQ(box.pixels()->width, 100);
  EXPECT_EQ(box.t(), 8);  // "ccab": 40 wide
  box.indent("cccccccc ");  // 85 + 20 > 100: the indent wraps with its paragraph
  EXPECT_EQ(box.t(), 2 * 8 + 2);

  box.indent("");
  box.resize(30, 0, 0);
  box.value("ab cd");
  const auto inkAt = [&](int32_t x) { return box.pixels()->PixelPtr(x, 0)[3] != 0; };
  box.makeSurface();
  EXPECT_TRUE(inkAt(15));  // "ab" / "cd"
  box.spacer('b');  // "a" (the break character is dropped at the line end) / " cd"
  box.makeSurface();
  EXPECT_TRUE(inkAt(5));
  EXPECT_FALSE(inkAt(15));
}

TEST_F(TextBoxTest, WithoutAFontItHasNoSize) {
  tTextBox bare;
  bare.resize(100, 100, 0);
  bare.addline("ab");
  EXPECT_EQ(bare.l(), 0.0f);
  EXPECT_EQ(bare.t(), 0.0f);
  bare.makeSurface();
  EXPECT_EQ(bare.surface(), nullptr);
}

}  // namespace

}  // namespace vandrell

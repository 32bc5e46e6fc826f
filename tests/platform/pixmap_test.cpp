// Pixel buffers: the 0xAARRGGBB pixel interface, byte order, windows that
// share pixels, pasting and the size limits.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/pixmap.h"
#include "support/log_capture.h"

namespace vandrell {

TEST(Pixmap, PixelsAreArgbIntegersStoredAsRgbaBytes) {
  TPixmapPtr pixmap = TPixmap::Create(3, 2);
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(pixmap->pitch, 12);
  EXPECT_EQ(pixmap->ReadPixel(2, 1), 0) << "new pixmaps are transparent black";
  pixmap->WritePixel(1, 1, static_cast<int32_t>(0x80112233u));
  EXPECT_EQ(static_cast<uint32_t>(pixmap->ReadPixel(1, 1)), 0x80112233u);
  const uint8_t* p = pixmap->pixels + pixmap->pitch + 4;
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3]}), (std::vector<int>{0x11, 0x22, 0x33, 0x80}));
  pixmap->PixelPtr(0, 0)[3] = 0xFF;  // the fourth byte is alpha
  EXPECT_EQ(static_cast<uint32_t>(pixmap->ReadPixel(0, 0)), 0xFF000000u);
  EXPECT_THROW(pixmap->ReadPixel(3, 0), std::out_of_range);
  EXPECT_THROW(pixmap->WritePixel(0, -1, 0), std::out_of_range);
}

TEST(Pixmap, WindowsShareThePixelsOfTheirParent) {
  TPixmapPtr parent = TPixmap::Create(8, 8);
  TPixmapPtr window = parent->Window(2, 3, 4, 2);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->width, 4);
  EXPECT_EQ(window->height, 2);
  EXPECT_EQ(window->pitch, parent->pitch);
  window->WritePixel(0, 0, 7);
  EXPECT_EQ(parent->ReadPixel(2, 3), 7);
  parent->WritePixel(5, 4, 9);
  EXPECT_EQ(window->ReadPixel(3, 1), 9);
  EXPECT_THROW(window->ReadPixel(4, 0), std::out_of_range) << "a window ends where it was cut";
  // A window of a window, and windows clipped to the parent.
  EXPECT_EQ(window->Window(3, 1, 5, 5)->ReadPixel(0, 0), 9);
  TPixmapPtr clipped = parent->Window(6, -2, 5, 5);
  EXPECT_EQ(clipped->width, 2);
  EXPECT_EQ(clipped->height, 3);
  EXPECT_EQ(parent->Window(20, 20, 3, 3)->width, 0);
  // The pixels outlive the parent.
  parent.reset();
  EXPECT_EQ(window->ReadPixel(3, 1), 9);
}

TEST(Pixmap, PasteReplacesPixelsAndDropsWhatFallsOutside) {
  TPixmapPtr target = TPixmap::Create(4, 4);
  TPixmapPtr source = TPixmap::Create(3, 3);
  source->ClearPixels(static_cast<int32_t>(0x80FF0000u));
  target->ClearPixels(static_cast<int32_t>(0xFF00FF00u));
  target->Paste(*source, 2, -1);
  EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(2, 0)), 0x80FF0000u) << "no blending";
  EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(3, 1)), 0x80FF0000u);
  EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(1, 0)), 0xFF00FF00u);
  EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(2, 2)), 0xFF00FF00u);
  target->Paste(*source, -10, 10);  // entirely outside: nothing
  target->Paste(*source, 100, 0);
}

TEST(Pixmap, PastingAWindowOntoItsOwnParentUsesThePixelsBeforeThePaste) {
  TPixmapPtr pixmap = TPixmap::Create(1, 4);
  for (int32_t y = 0; y < 4; ++y) pixmap->WritePixel(0, y, y + 1);
  pixmap->Paste(*pixmap->Window(0, 0, 1, 3), 0, 1);  // shift down by one row
  EXPECT_EQ(pixmap->ReadPixel(0, 1), 1);
  EXPECT_EQ(pixmap->ReadPixel(0, 2), 2);
  EXPECT_EQ(pixmap->ReadPixel(0, 3), 3);
}

TEST(Pixmap, CopiesAreIndependentAndKeepTheFormat) {
  TPixmapPtr source = TPixmap::Create(2, 2, PF_RGBX8888);
  source->WritePixel(1, 1, 5);
  TPixmapPtr copy = source->Window(1, 1, 1, 1)->Copy();
  EXPECT_EQ(copy->format, PF_RGBX8888);
  EXPECT_EQ(copy->width, 1);
  copy->WritePixel(0, 0, 6);
  EXPECT_EQ(source->ReadPixel(1, 1), 5);
}

TEST(Pixmap, SizesBeyondTheLimitsAreRefused) {
  LogCapture log;
  EXPECT_FALSE(TPixmap::Create(-1, 5));
  EXPECT_FALSE(TPixmap::Create(MAX_PIXMAP_SIDE + 1, 1));
  EXPECT_FALSE(TPixmap::Create(MAX_PIXMAP_SIDE, MAX_PIXMAP_SIDE));
  EXPECT_TRUE(log.contains("refused"));
  TPixmapPtr empty = TPixmap::Create(0, 0);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Copy()->width, 0);
}

}  // namespace vandrell

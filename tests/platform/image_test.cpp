// Images apart from drawing: flags, handles, frames and the defaults that
// apply at load time.
#include <gtest/gtest.h>

#include "platform/image.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {
TPixmapPtr pixmapOf(int32_t width, int32_t height) {
  TPixmapPtr pixmap = TPixmap::Create(width, height);
  pixmap->ClearPixels(static_cast<int32_t>(0xFF336699u));
  return pixmap;
}

// Restores the load-time defaults a test changes.
struct DefaultsGuard {
  ~DefaultsGuard() {
    DefaultImageFlags(MASKEDIMAGE | FILTEREDIMAGE);
    CentreHandlesOnLoad(0);
  }
};
}  // namespace

TEST(Image, DefaultFlagsStartMaskedAndFilteredAndStandForMinusOne) {
  DefaultsGuard guard;
  EXPECT_EQ(DefaultImageFlags(-1), MASKEDIMAGE | FILTEREDIMAGE);
  EXPECT_EQ(TImage::Load(pixmapOf(2, 2))->flags, MASKEDIMAGE | FILTEREDIMAGE);
  EXPECT_EQ(DefaultImageFlags(FILTEREDIMAGE), FILTEREDIMAGE);
  EXPECT_EQ(DefaultImageFlags(-1), FILTEREDIMAGE) << "-1 leaves them";
  EXPECT_EQ(TImage::Load(pixmapOf(2, 2), -1)->flags, FILTEREDIMAGE);
  EXPECT_EQ(TImage::Load(pixmapOf(2, 2), 0)->flags, 0);
  EXPECT_EQ(TImage::Create(2, 2, 1, -1)->flags, FILTEREDIMAGE | DYNAMICIMAGE) << "created images are dynamic";
}

TEST(Image, HandlesAreCentredOnlyWhileTheSwitchIsOn) {
  DefaultsGuard guard;
  EXPECT_EQ(TImage::Load(pixmapOf(9, 4))->handle_x, 0.0f);
  CentreHandlesOnLoad(1);
  const TImagePtr centred = TImage::Load(pixmapOf(9, 4));
  EXPECT_EQ(centred->handle_x, 4.0f) << "whole pixels";
  EXPECT_EQ(centred->handle_y, 2.0f);
  const TImagePtr anim = TImage::LoadAnim(pixmapOf(20, 6), 10, 6, 0, 2);
  EXPECT_EQ(anim->handle_x, 5.0f) << "the handle of a frame, not of the sheet";
  EXPECT_EQ(TImage::Create(6, 6)->handle_y, 3.0f);
  CentreHandlesOnLoad(0);
  EXPECT_EQ(TImage::Load(pixmapOf(9, 4))->handle_x, 0.0f);
  SetImageHandle(centred, -1.5f, 7.25f);
  EXPECT_EQ(centred->handle_x, -1.5f);
  EXPECT_EQ(centred->handle_y, 7.25f);
  SetImageHandle(nullptr, 1, 1);  // harmless
  CentreImageHandle(nullptr);
}

TEST(Image, LoadingWithoutPixelsGivesNull) {
  LogCapture log;
  EXPECT_FALSE(TImage::Load(TPixmapPtr()));
  EXPECT_FALSE(TImage::Load(TStreamPtr()));
  EXPECT_FALSE(TImage::Load(std::string("/no/such/file.png")));
  EXPECT_FALSE(TImage::LoadAnim(TStreamPtr(), 4, 4, 0, 1));
  EXPECT_FALSE(TImage::Create(4, 4, 0));
  EXPECT_FALSE(TImage::Create(-4, 4));
  EXPECT_FALSE(TImage::Create(4096, 4096, 10)) << "bounded in total";
}

TEST(Image, LockGivesTheFramePixmapAndCountsWrites) {
  const TImagePtr image = TImage::Create(3, 3, 2);
  ASSERT_EQ(image->frameCount(), 2);
  const uint32_t before = image->seqs[1];
  EXPECT_EQ(image->Lock(1, true, false), image->pixmaps[1]);
  EXPECT_EQ(image->seqs[1], before) << "reading does not upload again";
  image->Lock(1, true, true);
  EXPECT_NE(image->seqs[1], before);
  EXPECT_EQ(image->seqs[0], 0u);
  EXPECT_FALSE(image->Lock(-1, true, true));
}

}  // namespace vandrell

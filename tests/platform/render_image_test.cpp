// Images on screen: animation strips, masking, writing through Lock, and
// frames uploaded again after the graphics context was created anew.
#include "platform/image_font.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

// A sheet of 3 x 2 cells of 4 x 4 pixels; cell n is filled with colour n.
constexpr uint32_t CELL_COLOURS[6] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};

TPixmapPtr sheet() {
  TPixmapPtr pixmap = TPixmap::Create(12, 8);
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 12; ++x)
      pixmap->WritePixel(x, y, static_cast<int32_t>(0xFF000000u | CELL_COLOURS[y / 4 * 3 + x / 4]));
  return pixmap;
}

}  // namespace

TEST_F(RenderTest, AnimationFramesAreCutRowByRowFromTheFirstCell) {
  const TImagePtr anim = TImage::LoadAnim(sheet(), 4, 4, 1, 4, 0);
  ASSERT_TRUE(anim);
  ASSERT_EQ(anim->frameCount(), 4);
  EXPECT_EQ(anim->width, 4);
  EXPECT_EQ(anim->height, 4);
  for (int32_t frame = 0; frame < 4; ++frame) DrawImage(anim, static_cast<float>(frame * 6), 2, frame);
  DrawImage(anim, 40, 2, 4);  // no such frame: nothing
  const TPixmapPtr screen = grab();
  for (int32_t frame = 0; frame < 4; ++frame)
    EXPECT_TRUE(AreaNear(screen, frame * 6, 2, 4, 4, CELL_COLOURS[frame + 1], 0)) << "frame " << frame;
  EXPECT_TRUE(AreaNear(screen, 40, 2, 4, 4, BACKGROUND, 0));
}

TEST_F(RenderTest, AnimationStripsThatDoNotFitAreRefused) {
  EXPECT_TRUE(TImage::LoadAnim(sheet(), 4, 4, 0, 6, 0));
  EXPECT_FALSE(TImage::LoadAnim(sheet(), 4, 4, 3, 4, 0));  // only six cells
  EXPECT_FALSE(TImage::LoadAnim(sheet(), 5, 5, 0, 3, 0));  // two cells of 5 x 5 fit
  EXPECT_FALSE(TImage::LoadAnim(sheet(), 0, 4, 0, 1, 0));
  EXPECT_FALSE(TImage::LoadAnim(sheet(), 4, 4, -1, 1, 0));
  EXPECT_FALSE(TImage::LoadAnim(TPixmapPtr(), 4, 4, 0, 1, 0));
  // Frames own their pixels: writing to one leaves the sheet alone.
  const TPixmapPtr source = sheet();
  const TImagePtr anim = TImage::LoadAnim(source, 4, 4, 0, 2, 0);
  anim->Lock(1, true, true)->WritePixel(0, 0, 0);
  EXPECT_EQ(static_cast<uint32_t>(source->ReadPixel(4, 0)), 0xFF00FF00u);
}

TEST_F(RenderTest, MaskedImagesHideTheMaskColourOfPixelsWithoutAlpha) {
  // Opaque black and red, as decoded from a file without alpha.
  TPixmapPtr opaque = TPixmap::Create(2, 1, PF_RGBX8888);
  opaque->WritePixel(0, 0, static_cast<int32_t>(0xFF000000u));
  opaque->WritePixel(1, 0, static_cast<int32_t>(0xFFFF0000u));
  const TImagePtr masked = TImage::Load(opaque, MASKEDIMAGE);
  const TImagePtr unmasked = TImage::Load(opaque, 0);
  EXPECT_EQ(masked->pixmaps[0]->ReadPixel(0, 0), 0) << "the mask colour became transparent";
  EXPECT_EQ(unmasked->pixmaps[0], opaque) << "an image without changes shares the pixmap";
  EXPECT_EQ(static_cast<uint32_t>(opaque->ReadPixel(0, 0)), 0xFF000000u) << "the source is not changed";

  // Pixels with their own alpha are never masked.
  TPixmapPtr painted = opaque->Copy();
  painted->format = PF_RGBA8888;
  EXPECT_EQ(TImage::Load(painted, MASKEDIMAGE)->pixmaps[0], painted);

  SetMaskColor(255, 0, 0);
  const TImagePtr maskedRed = TImage::Load(opaque, MASKEDIMAGE);
  SetMaskColor(0, 0, 0);
  EXPECT_EQ(maskedRed->mask_r, 255);
  EXPECT_EQ(maskedRed->pixmaps[0]->ReadPixel(1, 0), 0xFF0000);

  SetBlend(ALPHABLEND);
  DrawImageRect(masked, 0, 0, 20, 10);
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 0, 0, 10, 10, BACKGROUND, 0));
  EXPECT_TRUE(AreaNear(screen, 10, 0, 10, 10, 0xFF0000, 0));
}

TEST_F(RenderTest, WritingThroughLockReachesTheScreenAtTheNextDraw) {
  const TImagePtr image = TImage::Create(4, 4, 2, 0);
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->flags & DYNAMICIMAGE);
  SetBlend(ALPHABLEND);
  DrawImage(image, 0, 0);  // transparent: nothing shows
  EXPECT_TRUE(AreaNear(grab(), 0, 0, 4, 4, BACKGROUND, 0));

  image->Lock(0, true, true)->ClearPixels(static_cast<int32_t>(0xFF00FF00u));
  DrawImage(image, 0, 0);
  EXPECT_TRUE(AreaNear(grab(), 0, 0, 4, 4, 0x00FF00, 0));

  // A pixmap kept from an earlier lock and written after a draw shows
  // once the access is ended with Unlock.
  const TPixmapPtr pixels = image->Lock(0, true, true);
  DrawImage(image, 0, 0);
  pixels->ClearPixels(static_cast<int32_t>(0xFFFF0000u));
  image->Unlock(0);
  DrawImage(image, 0, 0);
  EXPECT_TRUE(AreaNear(grab(), 0, 0, 4, 4, 0xFF0000, 0));
  EXPECT_FALSE(image->Lock(2, true, true));
  EXPECT_EQ(image->pixmaps[0]->ReadPixel(1, 1), static_cast<int32_t>(0xFFFF0000u)) << "pixels stay readable";
}

TEST_F(RenderTest, ImagesSurviveTheContextBeingCreatedAnew) {
  const TImagePtr image = imageOf(2, 2, std::vector<uint32_t>(4, 0xFF00FF00u));
  DrawImage(image, 0, 0);
  EXPECT_TRUE(AreaNear(grab(), 0, 0, 2, 2, 0x00FF00, 0));

  CloseGraphics(graphics);
  EXPECT_EQ(GraphicsWidth(), 0);
  DrawImage(image, 0, 0);  // no context: nothing, and no crash
  EXPECT_FALSE(GrabPixmap(0, 0, 2, 2));

  graphics = CreateGraphics(32, 24, 0, 0, 2);
  ASSERT_TRUE(graphics);
  SetGraphics(graphics);
  EXPECT_EQ(GraphicsWidth(), 32);
  int32_t x, y, w, h;
  GetViewport(x, y, w, h);
  EXPECT_EQ(w, 32) << "the viewport covers the new context";
  Cls();
  DrawImage(image, 5, 5);
  EXPECT_TRUE(AreaNear(GrabPixmap(0, 0, 32, 24), 5, 5, 2, 2, 0x00FF00, 0));
}

TEST_F(RenderTest, ImagesOutliveTheirContext) {
  TImagePtr image = imageOf(2, 2, std::vector<uint32_t>(4, 0xFF00FF00u));
  DrawImage(image, 0, 0);
  CloseGraphics(graphics);
  image.reset();  // its texture went with the renderer: nothing is freed twice
  graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
  SetGraphics(graphics);
}

TEST_F(RenderTest, ViewportClipsEveryPrimitive) {
  SetViewport(10, 8, 20, 15);
  int32_t x, y, w, h;
  GetViewport(x, y, w, h);
  EXPECT_EQ((std::vector<int32_t>{x, y, w, h}), (std::vector<int32_t>{10, 8, 20, 15}));
  SetColor(255, 0, 0);
  DrawRect(0, 0, WIDTH, HEIGHT);
  SetColor(0, 255, 0);
  DrawLine(0, 30, 63, 30, 1);
  DrawImageRect(imageOf(1, 1, {0xFF0000FFu}), 0, 40, 64, 8);
  DrawText("XXXXXXXXXXX", 0, 20);
  const TPixmapPtr screen = grab();
  EXPECT_TRUE(AreaNear(screen, 10, 8, 20, 12, 0xFF0000, 0));
  EXPECT_TRUE(AreaNear(screen, 0, 0, 64, 8, BACKGROUND, 0));
  EXPECT_TRUE(AreaNear(screen, 0, 8, 10, 40, BACKGROUND, 0));
  EXPECT_TRUE(AreaNear(screen, 30, 8, 34, 40, BACKGROUND, 0));
  EXPECT_TRUE(AreaNear(screen, 10, 23, 20, 25, BACKGROUND, 0));

  SetViewport(0, 0, 0, 0);  // nothing at all
  DrawRect(0, 0, WIDTH, HEIGHT);
  EXPECT_TRUE(AreaNear(grab(), 0, 0, 10, 8, BACKGROUND, 0));
}

TEST_F(RenderTest, GrabPixmapCopiesOpaquePixelsAndLeavesTheOutsideClear) {
  SetColor(255, 0, 0);
  DrawRect(0, 0, 2, 2);
  const TPixmapPtr corner = GrabPixmap(-2, -2, 5, 5);
  ASSERT_TRUE(corner);
  EXPECT_EQ(corner->ReadPixel(0, 0), 0);
  EXPECT_EQ(corner->ReadPixel(4, 1), 0);
  EXPECT_EQ(static_cast<uint32_t>(corner->ReadPixel(2, 2)), 0xFFFF0000u);
  EXPECT_EQ(static_cast<uint32_t>(corner->ReadPixel(4, 4)), 0xFF000000u | BACKGROUND);
  EXPECT_FALSE(GrabPixmap(0, 0, 0, 5));
  const TPixmapPtr outside = GrabPixmap(100, 100, 3, 3);
  ASSERT_TRUE(outside);
  EXPECT_EQ(outside->ReadPixel(1, 1), 0);
}

TEST_F(RenderTest, ImagesAssembledByHandAreDrawnToo) {
  auto image = std::make_shared<TImage>();
  image->width = image->height = 2;
  TPixmapPtr pixels = TPixmap::Create(2, 2);
  pixels->ClearPixels(static_cast<int32_t>(0xFF0000FFu));
  image->pixmaps.push_back(pixels);
  DrawImage(image, 3, 3);
  EXPECT_TRUE(AreaNear(grab(), 3, 3, 2, 2, 0x0000FF, 0));
}

}  // namespace vandrell

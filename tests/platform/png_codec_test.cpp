// PNG decoding of every colour type and bit depth, interlaced files, damaged
// and hostile files, and the writer used for screenshots. Test files are
// built by png_builder, without libpng; expected pixels follow from the PNG
// format itself (sample scaling, palettes, tRNS).
#include <gtest/gtest.h>

#include <random>

#include "platform/png_codec.h"
#include "png_builder.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

// A stream over bytes that remembers whether it was closed.
class WatchedStream final : public TStream {
 public:
  explicit WatchedStream(std::vector<uint8_t> bytes)
      : _inner(std::make_shared<TBank>(std::move(bytes))) {}
  int64_t read(void* buffer, int64_t count) override { return _inner.read(buffer, count); }
  int64_t write(const void* buffer, int64_t count) override { return _inner.write(buffer, count); }
  int64_t pos() override { return _inner.pos(); }
  int64_t size() override { return _inner.size(); }
  int64_t seek(int64_t position) override { return _inner.seek(position); }
  void close() override { closed = true; }
  bool closed = false;

 private:
  TBankStream _inner;
};

TPixmapPtr decode(const std::vector<uint8_t>& bytes) { return LoadPixmap(CreateBankStream(bytes)); }

uint32_t argb(const TPixmapPtr& pixmap, int32_t x, int32_t y) {
  return static_cast<uint32_t>(pixmap->ReadPixel(x, y));
}

PngLayout layout(int32_t width, int32_t height, int32_t colorType, int32_t bitDepth, std::vector<uint16_t> samples) {
  PngLayout s;
  s.width = width;
  s.height = height;
  s.colorType = colorType;
  s.bitDepth = bitDepth;
  s.samples = std::move(samples);
  return s;
}

// A 13 x 11 RGBA image (sizes that fill no Adam7 pass evenly) whose pixels all differ.
PngLayout patternRgba(bool interlaced) {
  PngLayout s = layout(13, 11, 6, 8, {});
  s.interlaced = interlaced;
  for (int32_t y = 0; y < s.height; ++y) {
    for (int32_t x = 0; x < s.width; ++x) {
      s.samples.insert(s.samples.end(), {static_cast<uint16_t>(x * 19), static_cast<uint16_t>(y * 23),
                                         static_cast<uint16_t>((x * y) % 256), static_cast<uint16_t>(255 - x - y)});
    }
  }
  return s;
}

}  // namespace

TEST(PngDecode, RgbaAndRgbKeepTheirChannelsAndTellWhetherTheyHadAlpha) {
  TPixmapPtr rgba = decode(BuildPng(layout(2, 1, 6, 8, {10, 20, 30, 40, 250, 251, 252, 0})));
  ASSERT_TRUE(rgba);
  EXPECT_EQ(rgba->width, 2);
  EXPECT_EQ(rgba->height, 1);
  EXPECT_EQ(rgba->format, PF_RGBA8888);
  EXPECT_EQ(argb(rgba, 0, 0), 0x280A141Eu);
  EXPECT_EQ(argb(rgba, 1, 0), 0x00FAFBFCu);
  // Byte access: red, green, blue, alpha.
  const uint8_t* p = rgba->PixelPtr(0, 0);
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3]}), (std::vector<int>{10, 20, 30, 40}));

  TPixmapPtr rgb = decode(BuildPng(layout(1, 2, 2, 8, {1, 2, 3, 200, 100, 50})));
  ASSERT_TRUE(rgb);
  EXPECT_EQ(rgb->format, PF_RGBX8888);
  EXPECT_EQ(argb(rgb, 0, 0), 0xFF010203u);
  EXPECT_EQ(argb(rgb, 0, 1), 0xFFC86432u);
}

TEST(PngDecode, GreyOfEveryDepthIsScaledToFullRange) {
  // Samples of n bits scale to 8 bits by the factor 255 / (2^n - 1).
  struct Case {
    int32_t depth;
    uint16_t sample;
    uint32_t grey;
  };
  for (const Case& c : {Case{1, 1, 255}, Case{2, 2, 170}, Case{4, 5, 85}, Case{8, 77, 77}, Case{16, 0xFFFF, 255},
                        Case{16, 0x8080, 128}}) {
    TPixmapPtr pixmap = decode(BuildPng(layout(3, 1, 0, c.depth, {0, c.sample, 0})));
    ASSERT_TRUE(pixmap) << "depth " << c.depth;
    EXPECT_EQ(argb(pixmap, 0, 0), 0xFF000000u) << "depth " << c.depth;
    EXPECT_EQ(argb(pixmap, 1, 0), 0xFF000000u | c.grey * 0x010101u) << "depth " << c.depth;
  }
}

TEST(PngDecode, GreyWithAlphaAndGreyWithTransparentKey) {
  TPixmapPtr ga = decode(BuildPng(layout(2, 1, 4, 8, {100, 200, 30, 0})));
  ASSERT_TRUE(ga);
  EXPECT_EQ(ga->format, PF_RGBA8888);
  EXPECT_EQ(argb(ga, 0, 0), 0xC8646464u);
  EXPECT_EQ(argb(ga, 1, 0), 0x001E1E1Eu);

  TPixmapPtr ga16 = decode(BuildPng(layout(1, 1, 4, 16, {0xFFFF, 0x0000})));
  ASSERT_TRUE(ga16);
  EXPECT_EQ(argb(ga16, 0, 0), 0x00FFFFFFu);

  // tRNS on a grey image names the one grey value that is transparent.
  PngLayout keyed = layout(2, 1, 0, 8, {7, 8});
  keyed.trns = {0, 7};
  TPixmapPtr key = decode(BuildPng(keyed));
  ASSERT_TRUE(key);
  EXPECT_EQ(key->format, PF_RGBA8888);
  EXPECT_EQ(argb(key, 0, 0) >> 24, 0u);
  EXPECT_EQ(argb(key, 1, 0), 0xFF080808u);
}

TEST(PngDecode, PalettesOfEveryDepthWithAndWithoutTransparency) {
  const std::vector<uint8_t> palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
  for (int32_t depth : {2, 4, 8}) {
    PngLayout s = layout(4, 1, 3, depth, {3, 2, 1, 0});
    s.palette = palette;
    TPixmapPtr plain = decode(BuildPng(s));
    ASSERT_TRUE(plain) << depth;
    EXPECT_EQ(plain->format, PF_RGBX8888);
    EXPECT_EQ(argb(plain, 0, 0), 0xFF0A141Eu);
    EXPECT_EQ(argb(plain, 1, 0), 0xFF0000FFu);
    EXPECT_EQ(argb(plain, 3, 0), 0xFFFF0000u);

    s.trns = {0, 128};  // entries beyond the list stay opaque
    TPixmapPtr clear = decode(BuildPng(s));
    ASSERT_TRUE(clear) << depth;
    EXPECT_EQ(clear->format, PF_RGBA8888);
    EXPECT_EQ(argb(clear, 3, 0), 0x00FF0000u);
    EXPECT_EQ(argb(clear, 2, 0), 0x8000FF00u);
    EXPECT_EQ(argb(clear, 0, 0), 0xFF0A141Eu);
  }
  PngLayout one = layout(9, 1, 3, 1, {1, 0, 0, 0, 0, 0, 0, 0, 1});  // a row that spills into a second byte
  one.palette = palette;
  TPixmapPtr bits = decode(BuildPng(one));
  ASSERT_TRUE(bits);
  EXPECT_EQ(argb(bits, 0, 0), 0xFF00FF00u);
  EXPECT_EQ(argb(bits, 1, 0), 0xFFFF0000u);
  EXPECT_EQ(argb(bits, 8, 0), 0xFF00FF00u);
}

TEST(PngDecode, SixteenBitColourIsReducedToTheNearestEightBitValue) {
  TPixmapPtr rgb = decode(BuildPng(layout(1, 1, 2, 16, {0xFFFF, 0x0101, 0x7F00})));
  ASSERT_TRUE(rgb);
  EXPECT_EQ(argb(rgb, 0, 0), 0xFFFF017Fu);  // 0x7F00 / 257 = 126.51
  TPixmapPtr rgba = decode(BuildPng(layout(1, 1, 6, 16, {0x1234, 0xABCD, 0x0000, 0x8000})));
  ASSERT_TRUE(rgba);
  const uint32_t pixel = argb(rgba, 0, 0);
  EXPECT_NEAR(static_cast<int>(pixel >> 16 & 255), 0x1234 / 257.0, 1.0);
  EXPECT_NEAR(static_cast<int>(pixel >> 8 & 255), 0xABCD / 257.0, 1.0);
  EXPECT_EQ(pixel & 255, 0u);
  EXPECT_NEAR(static_cast<int>(pixel >> 24), 0x8000 / 257.0, 1.0);
}

TEST(PngDecode, InterlacedFilesGiveTheSamePixelsAsPlainOnes) {
  TPixmapPtr plain = decode(BuildPng(patternRgba(false)));
  TPixmapPtr interlaced = decode(BuildPng(patternRgba(true)));
  ASSERT_TRUE(plain);
  ASSERT_TRUE(interlaced);
  const PngLayout s = patternRgba(false);
  for (int32_t y = 0; y < s.height; ++y) {
    for (int32_t x = 0; x < s.width; ++x) {
      const uint16_t* c = &s.samples[(static_cast<size_t>(y) * s.width + x) * 4];
      const uint32_t expected = uint32_t{c[3]} << 24 | uint32_t{c[0]} << 16 | uint32_t{c[1]} << 8 | c[2];
      ASSERT_EQ(argb(plain, x, y), expected) << x << "," << y;
      ASSERT_EQ(argb(interlaced, x, y), expected) << x << "," << y;
    }
  }
  // A grey interlaced file narrower than most passes.
  PngLayout narrow = layout(1, 3, 0, 4, {1, 2, 3});
  narrow.interlaced = true;
  TPixmapPtr column = decode(BuildPng(narrow));
  ASSERT_TRUE(column);
  EXPECT_EQ(argb(column, 0, 2), 0xFF333333u);
}

TEST(PngDecode, DecodesFromTheStreamPositionAndClosesTheStream) {
  std::vector<uint8_t> bytes = {'j', 'u', 'n', 'k'};
  const std::vector<uint8_t> png = BuildPng(layout(1, 1, 6, 8, {1, 2, 3, 4}));
  bytes.insert(bytes.end(), png.begin(), png.end());
  auto stream = std::make_shared<WatchedStream>(bytes);
  stream->seek(4);
  TPixmapPtr pixmap = LoadPixmap(stream);
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(argb(pixmap, 0, 0), 0x04010203u);
  EXPECT_TRUE(stream->closed);

  auto junk = std::make_shared<WatchedStream>(std::vector<uint8_t>{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
  EXPECT_FALSE(LoadPixmap(junk));
  EXPECT_TRUE(junk->closed);
  EXPECT_FALSE(LoadPixmap(TStreamPtr()));
  EXPECT_FALSE(LoadPixmap(std::string("/no/such/image.png")));
}

TEST(PngDecode, EveryTruncationGivesNullWithALogLine) {
  const std::vector<uint8_t> png = BuildPng(patternRgba(true));
  // The last 12 bytes are the IEND chunk, which a decoder may do without.
  for (size_t length = 0; length + 12 < png.size(); ++length) {
    LogCapture log;
    EXPECT_FALSE(decode(std::vector<uint8_t>(png.begin(), png.begin() + static_cast<long>(length))))
        << "cut at " << length;
  }
  LogCapture log;
  decode(std::vector<uint8_t>(png.begin(), png.begin() + 60));
  EXPECT_TRUE(log.contains("PNG image not decoded"));
}

TEST(PngDecode, CorruptedFilesGiveNull) {
  const std::vector<uint8_t> good = BuildPng(patternRgba(false));
  LogCapture log;
  // A damaged header checksum.
  std::vector<uint8_t> badCrc = good;
  badCrc[29] ^= 0xFF;
  EXPECT_FALSE(decode(badCrc));
  // Compressed data that is not a valid zlib stream, with a correct checksum.
  std::vector<uint8_t> badData = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  badData.insert(badData.end(), good.begin() + 8, good.begin() + 33);  // IHDR
  AppendPngChunk(badData, "IDAT", std::vector<uint8_t>(40, 0xAB));
  AppendPngChunk(badData, "IEND", {});
  EXPECT_FALSE(decode(badData));
  // An invalid colour type and bit depth pairing.
  PngLayout wrong = layout(1, 1, 2, 4, {1, 1, 1});
  EXPECT_FALSE(decode(BuildPng(wrong)));
  // A palette image without its palette.
  EXPECT_FALSE(decode(BuildPng(layout(1, 1, 3, 8, {0}))));
}

TEST(PngDecode, RandomDamageNeverCrashesAndNeverChangesTheSize) {
  const std::vector<uint8_t> good = BuildPng(patternRgba(true));
  std::mt19937 random(12345);
  LogCapture log;
  for (int round = 0; round < 400; ++round) {
    std::vector<uint8_t> bytes = good;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) bytes[8 + random() % (bytes.size() - 8)] = static_cast<uint8_t>(random());
    TPixmapPtr pixmap = decode(bytes);
    if (pixmap) {
      // Damage that zlib and the chunk checksums miss may pass, but the size
      // comes from a checked header.
      EXPECT_EQ(pixmap->width, 13);
      EXPECT_EQ(pixmap->height, 11);
    }
  }
}

TEST(PngDecode, HostileSizesAreRefusedBeforeAnyPixelIsAllocated) {
  LogCapture log;
  const auto header = [](uint32_t width, uint32_t height) {
    PngLayout s = layout(1, 1, 6, 8, {0, 0, 0, 0});
    std::vector<uint8_t> png = BuildPng(s);
    // Rewrite the IHDR size and its checksum.
    std::vector<uint8_t> data(png.begin() + 16, png.begin() + 29);
    for (int i = 0; i < 4; ++i) {
      data[i] = static_cast<uint8_t>(width >> (24 - 8 * i));
      data[4 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    std::vector<uint8_t> out(png.begin(), png.begin() + 8);
    AppendPngChunk(out, "IHDR", data);
    out.insert(out.end(), png.begin() + 33, png.end());
    return out;
  };
  EXPECT_FALSE(decode(header(100000, 100000)));  // beyond the side limit
  EXPECT_FALSE(decode(header(16000, 16000)));    // within it, but too many pixels
  log.clear();
  EXPECT_FALSE(decode(header(8000, 8000)));  // allowed, but a few bytes cannot hold 256 MB of pixels
  EXPECT_TRUE(log.contains("larger than its data"));
}

TEST(PngWrite, RoundTripsThroughTheDecoder) {
  TempDir dir;
  TPixmapPtr source = decode(BuildPng(patternRgba(false)));
  ASSERT_TRUE(source);
  ASSERT_TRUE(SavePixmapPNG(*source, dir.file("a.png")));
  TPixmapPtr back = LoadPixmap(dir.file("a.png"));
  ASSERT_TRUE(back);
  ASSERT_EQ(back->width, source->width);
  EXPECT_EQ(back->format, PF_RGBA8888);
  for (int32_t y = 0; y < source->height; ++y)
    for (int32_t x = 0; x < source->width; ++x) ASSERT_EQ(argb(back, x, y), argb(source, x, y));

  // Without alpha, the file is RGB and decodes as such.
  TPixmapPtr opaque = TPixmap::Create(3, 2, PF_RGBX8888);
  opaque->ClearPixels(static_cast<int32_t>(0xFF102030u));
  ASSERT_TRUE(SavePixmapPNG(*opaque, dir.file("b.png")));
  TPixmapPtr rgb = LoadPixmap(dir.file("b.png"));
  ASSERT_TRUE(rgb);
  EXPECT_EQ(rgb->format, PF_RGBX8888);
  EXPECT_EQ(argb(rgb, 2, 1), 0xFF102030u);

  // A window is written with its own size, not its parent's.
  TPixmapPtr window = source->Window(2, 3, 4, 5);
  ASSERT_TRUE(SavePixmapPNG(*window, dir.file("c.png")));
  TPixmapPtr part = LoadPixmap(dir.file("c.png"));
  ASSERT_TRUE(part);
  EXPECT_EQ(part->width, 4);
  EXPECT_EQ(part->height, 5);
  EXPECT_EQ(argb(part, 1, 1), argb(source, 3, 4));

  LogCapture log;
  EXPECT_FALSE(SavePixmapPNG(*TPixmap::Create(0, 0), dir.file("d.png")));
  EXPECT_FALSE(SavePixmapPNG(*source, dir.file("no/such/folder/e.png")));
  EXPECT_TRUE(log.contains("Can't write"));
}

}  // namespace vandrell

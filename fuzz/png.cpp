// The PNG decoder behind LoadPixmap on arbitrary files. Chunk checksums are
// mended first (the damaged original is decoded too), so that mutations
// reach the chunk readers instead of stopping at the CRC. A decoded pixmap
// must have the size its header gives, stay within the pixmap limits, be
// opaque wherever the file had no alpha, and come back unchanged through
// the PNG writer.
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/png_codec.h"

using namespace vandrell;

namespace {

constexpr uint8_t SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// Round trips through the writer cost most of a run; small images suffice.
constexpr int64_t ROUND_TRIP_PIXELS = 1 << 16;

// Names the line of the check that failed: the stack trace cannot, as
// the checks are inlined.
void require(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "check failed at line %d of %s\n", line, __FILE__);
  std::abort();
}

uint32_t bigEndian(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Rewrites the CRC of every whole chunk after the signature.
std::vector<uint8_t> withGoodChecksums(std::vector<uint8_t> png) {
  for (size_t at = sizeof SIGNATURE; at + 12 <= png.size();) {
    const uint64_t length = bigEndian(&png[at]);
    if (length > png.size() - at - 12) break;
    const uint8_t* typeAndData = &png[at + 4];
    const uint32_t crc = static_cast<uint32_t>(crc32(0, typeAndData, static_cast<uInt>(length + 4)));
    uint8_t* out = &png[at + 8 + length];
    for (int shift = 24, i = 0; i < 4; ++i, shift -= 8) out[i] = static_cast<uint8_t>(crc >> shift);
    at += 12 + length;
  }
  return png;
}

// Where the data of the first IHDR chunk starts, or 0 when there is none.
size_t headerAt(const std::vector<uint8_t>& png) {
  for (size_t at = sizeof SIGNATURE; at + 12 <= png.size();) {
    const uint64_t length = bigEndian(&png[at]);
    if (length > png.size() - at - 12) break;
    if (std::memcmp(&png[at + 4], "IHDR", 4) == 0) return length >= 8 ? at + 8 : 0;
    at += 12 + length;
  }
  return 0;
}

bool samePixels(const TPixmap& a, const TPixmap& b) {
  if (a.width != b.width || a.height != b.height || a.format != b.format) return false;
  for (int32_t row = 0; row < a.height; ++row) {
    if (std::memcmp(a.PixelPtr(0, row), b.PixelPtr(0, row), static_cast<size_t>(a.width) * 4) != 0) return false;
  }
  return true;
}

void check(const std::vector<uint8_t>& png) {
  const TPixmapPtr pixmap = LoadPixmap(CreateBankStream(png));
  if (!pixmap) return;
  // libpng lets unknown ancillary chunks come before IHDR, so it is looked for.
  const size_t header = headerAt(png);
  require(header != 0);
  require(bigEndian(&png[header]) == static_cast<uint32_t>(pixmap->width));
  require(bigEndian(&png[header + 4]) == static_cast<uint32_t>(pixmap->height));
  require(pixmap->width > 0 && pixmap->height > 0);
  require(pixmap->width <= MAX_PIXMAP_SIDE && pixmap->height <= MAX_PIXMAP_SIDE);
  require(int64_t{pixmap->width} * pixmap->height <= MAX_PIXMAP_PIXELS);
  require(pixmap->pitch == pixmap->width * 4);
  require(pixmap->format == PF_RGBA8888 || pixmap->format == PF_RGBX8888);
  if (pixmap->format == PF_RGBX8888) {
    for (int32_t y = 0; y < pixmap->height; ++y)
      for (int32_t x = 0; x < pixmap->width; ++x) require(pixmap->PixelPtr(x, y)[3] == 0xff);
  }

  if (int64_t{pixmap->width} * pixmap->height > ROUND_TRIP_PIXELS) return;
  auto bank = std::make_shared<TBank>();
  TBankStream out(bank);
  require(SavePixmapPNG(*pixmap, out));
  const TPixmapPtr again = LoadPixmap(CreateBankStream(bank->bytes()));
  require(again && samePixels(*pixmap, *again));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> png(data, data + size);
  check(png);
  const std::vector<uint8_t> mended = withGoodChecksums(png);
  if (mended != png) check(mended);
  return 0;
}

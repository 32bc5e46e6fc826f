#include "platform/png_codec.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <new>
#include <vector>

#include "platform/log.h"

namespace vandrell {

// libpng reports errors by longjmp back to the setjmp of encode() or decode().
// Those two functions and every callback it may jump over hold only trivially
// destructible locals, so no C++ destructor is skipped; what needs cleaning up
// lives in the caller's frame or in the context.

namespace {

// Deflate cannot expand data more than about 1032 times: an image whose
// pixel rows need more bytes than that from what is left of the stream is
// refused before its pixels are allocated.
constexpr int64_t MAX_DEFLATE_RATIO = 1032;

struct PngContext {
  TStream* stream = nullptr;
  char message[160] = "";
  TPixmapPtr pixmap;
  std::vector<png_bytep> rows;
};

[[noreturn]] void onError(png_structp png, png_const_charp message) {
  auto* context = static_cast<PngContext*>(png_get_error_ptr(png));
  std::snprintf(context->message, sizeof context->message, "%s", message);
  png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void readBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* context = static_cast<PngContext*>(png_get_io_ptr(png));
  int64_t got = -1;
  try {
    got = context->stream->read(data, static_cast<int64_t>(length));
  } catch (const std::exception&) {
    got = -1;
  }
  if (got != static_cast<int64_t>(length)) png_error(png, "the data ends too early");
}

void writeBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* context = static_cast<PngContext*>(png_get_io_ptr(png));
  int64_t put = -1;
  try {
    put = context->stream->write(data, static_cast<int64_t>(length));
  } catch (const std::exception&) {
    put = -1;
  }
  if (put != static_cast<int64_t>(length)) png_error(png, "the stream takes no more data");
}

void flushBytes(png_structp) {}

// Called between libpng steps, not from inside libpng, so it may allocate.
bool allocatePixels(PngContext& context, png_uint_32 width, png_uint_32 height, bool alpha) {
  try {
    context.pixmap = TPixmap::Create(static_cast<int32_t>(width), static_cast<int32_t>(height),
                                     alpha ? PF_RGBA8888 : PF_RGBX8888);
    if (!context.pixmap) return false;
    context.rows.resize(height);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (png_uint_32 row = 0; row < height; ++row) context.rows[row] = context.pixmap->PixelPtr(0, row);
  return true;
}

bool decode(png_structp png, png_infop info, PngContext* context, int64_t available) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, context, readBytes);
  png_set_sig_bytes(png, 8);
  png_set_user_limits(png, MAX_PIXMAP_SIDE, MAX_PIXMAP_SIDE);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_read_info(png, info);

  png_uint_32 width = 0, height = 0;
  int bitDepth = 0, colorType = 0, interlace = 0;
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlace, nullptr, nullptr);
  if (int64_t{width} * height > MAX_PIXMAP_PIXELS) png_error(png, "the image is too large");
  if (static_cast<int64_t>(png_get_rowbytes(png, info)) * height > available * MAX_DEFLATE_RATIO)
    png_error(png, "the image is larger than its data can hold");

  const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
  png_set_expand(png);  // palette to RGB, small grey depths to 8 bits, tRNS to alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  if (!alpha) png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != png_size_t{width} * 4) png_error(png, "unexpected pixel layout");

  if (!allocatePixels(*context, width, height, alpha)) png_error(png, "no memory for the pixels");
  png_read_image(png, context->rows.data());
  return true;
}

bool encode(png_structp png, png_infop info, PngContext* context, const TPixmap* pixmap) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, context, writeBytes, flushBytes);
  const bool alpha = pixmap->format != PF_RGBX8888;
  png_set_IHDR(png, info, static_cast<png_uint_32>(pixmap->width), static_cast<png_uint_32>(pixmap->height), 8,
               alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  if (!alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);  // drops the fourth byte of each pixel
  for (int32_t row = 0; row < pixmap->height; ++row) png_write_row(png, pixmap->PixelPtr(0, row));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

TPixmapPtr TPixmapLoaderPNG::LoadPixmap(TStream& stream) {
  png_byte signature[8];
  if (stream.read(signature, 8) != 8 || png_sig_cmp(signature, 0, 8) != 0) return nullptr;
  PngContext context;
  context.stream = &stream;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &context, onError, onWarning);
  if (!png) return nullptr;
  png_infop info = png_create_info_struct(png);
  const bool decoded = info && decode(png, info, &context, stream.size() - stream.pos());
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (!decoded) {
    DebugLog(std::string("PNG image not decoded: ") + context.message);
    return nullptr;
  }
  return context.pixmap;
}

bool SavePixmapPNG(const TPixmap& pixmap, TStream& stream) {
  if (pixmap.width <= 0 || pixmap.height <= 0) {
    DebugLog("An empty pixmap cannot be written as PNG");
    return false;
  }
  PngContext context;
  context.stream = &stream;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &context, onError, onWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  const bool encoded = info && encode(png, info, &context, &pixmap);
  png_destroy_write_struct(&png, info ? &info : nullptr);
  if (!encoded) DebugLog(std::string("PNG image not written: ") + context.message);
  return encoded;
}

}  // namespace vandrell

// Bitmap fonts through the media lookup on arbitrary descriptions and
// images. The input is a control byte, the description, a NUL byte and the
// font image: a PNG file as it stands, or else the size and pixel bytes of
// an image that is written as PNG first (no NUL: the image is missing).
// The control byte chooses the spacing the texts are set with and their
// break character. Every line of the description is then measured, broken
// into lines and drawn: widths and heights are never negative and come out
// the same every time and for the cached copy of the font; the lines of a
// text put back together give the text; with spacing of at least 0 every
// line fits the width it was broken for (or is one character), drawn text
// stays inside the size it measures, and drawing a text advances by its
// measured height. Drawn pixels are always grey.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/png_codec.h"
#include "platform/text_stream.h"
#include "resources/letter.h"
#include "resources/media_lookup.h"

using namespace vandrell;

namespace {

constexpr uint8_t SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr size_t MAX_TEXTS = 32;
constexpr int64_t MAX_DRAWN_PIXELS = 1 << 18;
constexpr int32_t MARGIN = 3;

// Names the line of the check that failed: the stack trace cannot, as
// the checks are inlined.
void require(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "check failed at line %d of %s\n", line, __FILE__);
  std::abort();
}

// The media folder of one process, in memory where the system offers that,
// removed when the process ends.
struct ScratchFolder {
  std::string path = std::string(FileType("/dev/shm") == FILETYPE_DIR ? "/dev/shm" : "/tmp") +
                     "/vandrell-fuzz-letter-" + std::to_string(getpid());
  ScratchFolder() { CreateDir(path + "/media"); }
  ~ScratchFolder() { std::filesystem::remove_all(path); }
};

void put(const std::string& path, const uint8_t* data, size_t size) {
  TStreamPtr file = WriteFile(path);
  require(file != nullptr);
  file->writeBytes(data, static_cast<int64_t>(size));
  file->close();
}

// Up to 48 x 48 pixels, their bytes repeating what follows the size.
void putMadeImage(const std::string& path, const uint8_t* data, size_t size) {
  const TPixmapPtr image = TPixmap::Create(1 + data[0] % 48, 1 + data[size > 1 ? 1 : 0] % 48);
  const size_t count = size > 2 ? size - 2 : 0;
  for (int32_t y = 0; y < image->height; ++y) {
    for (int32_t x = 0; x < image->width; ++x) {
      uint8_t* pixel = image->PixelPtr(x, y);
      for (size_t i = 0; i < 4; ++i) {
        pixel[i] = count ? data[2 + ((static_cast<size_t>(y) * image->width + x) * 4 + i) % count] : 0xff;
      }
    }
  }
  require(SavePixmapPNG(*image, path));
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines{""};
  for (const char c : text) {
    if (c == '\n') {
      if (lines.size() == MAX_TEXTS) break;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

size_t characters(const std::string& text) {
  size_t count = 0;
  for (size_t at = 0; at < text.size(); ++count) DecodeUtf8(text, at);
  return count;
}

void requireGrey(const TPixmap& pixmap) {
  for (int32_t y = 0; y < pixmap.height; ++y) {
    for (int32_t x = 0; x < pixmap.width; ++x) {
      const uint8_t* p = pixmap.PixelPtr(x, y);
      require(p[1] == p[0] && p[2] == p[0]);
    }
  }
}

bool drawable(int64_t width, int64_t height) {
  return width >= 0 && height >= 0 && width <= MAX_PIXMAP_SIDE && height <= MAX_PIXMAP_SIDE &&
         width * height <= MAX_DRAWN_PIXELS;
}

// Breaks the text the way rectHeight and rect do and checks every line.
void checkBreaking(const tLetter& font, const std::string& text, int32_t width, int32_t breakChar) {
  std::string rest = text;
  do {
    const std::string before = rest;
    const std::string line = font._cut(rest, width, breakChar);
    require(before.starts_with(line) && before.ends_with(rest) && line.size() + rest.size() <= before.size());
    require(!line.empty() || before.empty());
    for (size_t i = line.size(); i < before.size() - rest.size(); ++i)
      require(static_cast<unsigned char>(before[i]) == breakChar);
    // A line that cannot hold one character holds one anyway.
    if (font._hSpace >= 0) require(font.width(line) <= width || characters(line) == 1);
  } while (!rest.empty());
}

void checkText(const tLetter& font, const tLetter& cached, const std::string& text, int32_t align,
               int32_t breakChar) {
  const int32_t width = font.width(text);
  require(width >= 0 && font.width(text) == width && cached.width(text) == width);

  for (const int32_t breakWidth : {0, width / 2, width}) {
    checkBreaking(font, text, breakWidth, breakChar);
    const int32_t height = font.rectHeight(breakWidth, text, breakChar);
    require(height >= 0 && cached.rectHeight(breakWidth, text, breakChar) == height);
    if (!drawable(breakWidth, height)) continue;
    const TPixmapPtr box = TPixmap::Create(breakWidth, height);
    require(box != nullptr);
    const int32_t bottom = font.rect(*box, text, align, 0, breakChar);
    // The bottom saturates like every position the font computes.
    if (font._vSpace >= 0) require(int64_t{bottom} == std::min<int64_t>(int64_t{height} + font._vSpace, INT32_MAX));
    requireGrey(*box);
  }

  if (!drawable(int64_t{width} + 2 * MARGIN, int64_t{font.height()} + 2 * MARGIN)) return;
  const TPixmapPtr box = TPixmap::Create(width + 2 * MARGIN, font.height() + 2 * MARGIN);
  font.line(*box, text, MARGIN, MARGIN);
  requireGrey(*box);
  if (font._hSpace < 0) return;  // glyphs drawn over each other may stick out
  for (int32_t y = 0; y < box->height; ++y) {
    for (int32_t x = 0; x < box->width; ++x) {
      const bool inside = x >= MARGIN && x < MARGIN + width && y >= MARGIN && y < MARGIN + font.height();
      require(inside || box->PixelPtr(x, y)[3] == 0);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchFolder folder;
  if (size == 0) return 0;
  const uint8_t control = data[0];
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const size_t nul = input.find('\0');
  const std::string description = input.substr(0, nul);
  put(folder.path + "/media/font", reinterpret_cast<const uint8_t*>(description.data()), description.size());
  const std::string imagePath = folder.path + "/media/font.pixmap";
  DeleteFile(imagePath);
  if (nul != std::string::npos && nul + 1 < input.size()) {
    const auto* image = reinterpret_cast<const uint8_t*>(input.data()) + nul + 1;
    const size_t imageSize = input.size() - nul - 1;
    const bool png = imageSize >= sizeof SIGNATURE && std::equal(SIGNATURE, SIGNATURE + 8, image);
    (png ? put : putMadeImage)(imagePath, image, imageSize);
  }

  tCacheResourceManager cache;
  const tFile files(folder.path + "/");
  const tLetterPtr font = files.letter("font", cache);
  const tLetterPtr cached = files.letter("font", cache);
  require(font && cached && font != cached && font->_alphabet == cached->_alphabet);
  const int32_t h = (control & 7) - 4, v = (control >> 3 & 7) - 4;
  font->space(h, v);
  cached->space(h, v);
  const int32_t breakChar = control & 0x40 ? '=' : ' ';

  const std::vector<std::string> texts = linesOf(description);
  for (size_t n = 0; n < texts.size(); ++n) checkText(*font, *cached, texts[n], static_cast<int32_t>(n % 4), breakChar);
  const int32_t height = font->textHeight(font->width(description), texts, "  ", breakChar);
  require(height >= 0 && cached->textHeight(font->width(description), texts, "  ", breakChar) == height);
  return 0;
}

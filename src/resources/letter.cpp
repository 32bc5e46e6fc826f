#include "resources/letter.h"

#include <algorithm>

#include "platform/filesystem.h"
#include "platform/log.h"
#include "platform/text_stream.h"

namespace vandrell {

namespace {

struct tChar {
  uint32_t code;
  size_t offset;  // of its first byte in the UTF-8 text
};

std::vector<tChar> splitChars(const std::string& text) {
  std::vector<tChar> chars;
  for (size_t at = 0; at < text.size();) {
    const size_t offset = at;
    chars.push_back({DecodeUtf8(text, at), offset});
  }
  return chars;
}

bool isBreak(const tChar& c, int32_t breakChar) { return static_cast<int64_t>(c.code) == breakChar; }

// A description may give glyphs and spacing of any size, so sums of widths
// and heights are taken in 64 bits and limited to the Int range at the end.
int32_t toInt(int64_t n) {
  return static_cast<int32_t>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX));
}

// Draws the glyph at x truncated toward zero; a glyph wholly left or right
// of the pixmap is skipped before x could leave the Int range.
void renderAt(const tLetterAlpha& glyph, TPixmap& pixmap, double x, int32_t y) {
  if (x > -glyph._pixmap->width && x < pixmap.width) glyph.render(pixmap, static_cast<int32_t>(x), y);
}

// The records of one "Char" section, split into glyphs: a section name that
// the description repeats collects several glyphs' keys in file order, and
// each "char" after the first one starts the next glyph. Within a glyph the
// first value of a key counts.
std::vector<tConfig> glyphRecords(const tConfigBase& config, const std::string& section) {
  std::vector<tConfig> glyphs(1);
  for (const tConfigOptionPtr& option : config.OptionsOptions(section)) {
    if (option->name == "char" && glyphs.back().Contains("", "char")) glyphs.emplace_back();
    if (!glyphs.back().Contains("", option->name)) glyphs.back().AddOption("", option->name, option->memo);
  }
  return glyphs;
}

}  // namespace

tLetterAlphaPtr tLetterAlpha::Create(const TPixmapPtr& pixmap, int32_t x, int32_t y, int32_t w, int32_t h) {
  auto glyph = std::make_shared<tLetterAlpha>();
  glyph->_w = w;
  glyph->_h = h;
  glyph->_pixmap = pixmap->Window(x, y, w, h);
  return glyph;
}

void tLetterAlpha::render(TPixmap& pixmap, int32_t x, int32_t y) const {
  const auto left = static_cast<int32_t>(std::clamp<int64_t>(-int64_t{x}, 0, _pixmap->width));
  const auto top = static_cast<int32_t>(std::clamp<int64_t>(-int64_t{y}, 0, _pixmap->height));
  const auto right = static_cast<int32_t>(std::min<int64_t>(_pixmap->width, int64_t{pixmap.width} - x));
  const auto bottom = static_cast<int32_t>(std::min<int64_t>(_pixmap->height, int64_t{pixmap.height} - y));
  for (int32_t j = top; j < bottom; ++j) {
    for (int32_t i = left; i < right; ++i) {
      const uint8_t* from = _pixmap->PixelPtr(i, j);
      uint8_t* to = pixmap.PixelPtr(x + i, y + j);
      if ((to[0] + 1) * to[3] < (from[0] + 1) * from[3]) {
        to[0] = from[0];
        to[3] = from[3];
      }
      to[1] = to[2] = to[0];
    }
  }
}

void tLetter::space(int32_t h, int32_t v) {
  _hSpace = toInt(int64_t{_hSpace0} + h);
  _vSpace = toInt(int64_t{_vSpace0} + v);
}

tLetterPtr tLetter::Create(const std::string& path, int32_t flags) {
  auto letter = std::make_shared<tLetter>();
  letter->LoadFile(path, flags);
  return letter;
}

int32_t tLetter::LoadFile(const std::string& path, int32_t flags) {
  tMultiConfig config;
  if (!config.LoadFile(path, flags)) {
    DebugLog("Can't load font \"" + path + "\"");
    return 0;
  }
  std::string image = config.GetString("Font", "pixmap", "");
  if (image.empty()) {
    DebugLog("Font \"" + path + "\" names no pixmap");
    return 0;
  }
  if (const std::string folder = ExtractDir(path); !folder.empty()) image = folder + "/" + image;
  const TPixmapPtr pixmap = LoadPixmap(image);
  if (!pixmap) {
    DebugLog("Can't load font pixmap \"" + image + "\"");
    return 0;
  }
  return Load(config, pixmap);
}

int32_t tLetter::Load(const tConfigBase& config, const TPixmapPtr& pixmap) {
  auto alphabet = std::make_shared<tAlphabet>(ALPHABET_SIZE);
  _alphabet = alphabet;
  _hSpace0 = toInt(-2 * int64_t{config.GetInt("Font", "h", 0)});
  _vSpace0 = toInt(-2 * int64_t{config.GetInt("Font", "v", 0)});
  space(0, 0);
  _height = 0;
  for (const std::string& section : config.Sections()) {
    if (!section.starts_with("Char")) continue;
    for (const tConfig& record : glyphRecords(config, section)) {
      const int32_t code = record.GetInt("", "char", -1);
      if (code < 1 || code > ALPHABET_SIZE - 1) continue;
      const int32_t h = record.GetInt("", "h", 0), w = record.GetInt("", "w", 0);
      const int32_t y = record.GetInt("", "y", 0), x = record.GetInt("", "x", 0);
      if (w < 0 || h < 0) {
        DebugLog("Font glyph " + std::to_string(code) + " has a negative size; left out");
        continue;
      }
      (*alphabet)[static_cast<size_t>(code)] = tLetterAlpha::Create(pixmap, x, y, w, h);
      _height = std::max(_height, h);
    }
  }
  return 1;
}

tLetterAlphaPtr tLetter::alpha(int32_t code) const {
  if (!_alphabet || code < 0 || code >= ALPHABET_SIZE) return nullptr;
  return (*_alphabet)[static_cast<size_t>(code)];
}

int32_t tLetter::width(const std::string& text) const {
  int64_t sum = 0;
  bool counted = false;
  for (const tChar& c : splitChars(text)) {
    if (const tLetterAlphaPtr glyph = alpha(static_cast<int32_t>(c.code))) {
      sum += int64_t{glyph->width()} + _hSpace;
      counted = true;
    }
  }
  // Spacing more negative than the glyphs are wide must not make a text
  // take less than no room: callers size surfaces with it.
  return counted ? toInt(std::max<int64_t>(sum - _hSpace, 0)) : 0;
}

int32_t tLetter::height() const { return _height; }

int32_t tLetter::rectHeight(int32_t width, const std::string& text, int32_t breakChar) const {
  std::string rest = text;
  int64_t lines = 0;
  do {
    _cut(rest, width, breakChar);
    ++lines;
  } while (!rest.empty());
  return toInt(std::max<int64_t>(lines * _height + (lines - 1) * _vSpace, 0));
}

int32_t tLetter::textHeight(int32_t width, const std::vector<std::string>& paragraphs, const std::string& prefix,
                            int32_t breakChar) const {
  int64_t sum = 0;
  for (size_t n = 0; n < paragraphs.size(); ++n) {
    if (n > 0) sum += _vSpace;
    sum += rectHeight(width, prefix + paragraphs[n], breakChar);
  }
  return toInt(std::max<int64_t>(sum, 0));
}

void tLetter::line(TPixmap& pixmap, const std::string& text, int32_t x, int32_t y) const {
  int64_t at = x;
  for (const tChar& c : splitChars(text)) {
    if (const tLetterAlphaPtr glyph = alpha(static_cast<int32_t>(c.code))) {
      renderAt(*glyph, pixmap, static_cast<double>(at), y);
      at += int64_t{glyph->width()} + _hSpace;
    }
  }
}

void tLetter::justify(TPixmap& pixmap, const std::string& text, int32_t y, int32_t breakChar) const {
  const std::vector<tChar> chars = splitChars(text);
  const auto breaks = std::count_if(chars.begin(), chars.end(), [&](const tChar& c) { return isBreak(c, breakChar); });
  if (breaks == 0) {
    line(pixmap, text, 0, y);
    return;
  }
  const float extra = static_cast<float>(pixmap.width - width(text)) / static_cast<float>(breaks);
  float x = 0.0f;
  for (const tChar& c : chars) {
    if (const tLetterAlphaPtr glyph = alpha(static_cast<int32_t>(c.code))) {
      renderAt(*glyph, pixmap, x, y);
      x += static_cast<float>(int64_t{glyph->width()} + _hSpace);
    }
    if (isBreak(c, breakChar)) x += extra;
  }
}

int32_t tLetter::rect(TPixmap& pixmap, const std::string& text, int32_t align, int32_t y, int32_t breakChar) const {
  std::string rest = text;
  int64_t at = y;
  do {
    const std::string current = _cut(rest, pixmap.width, breakChar);
    const int32_t free = pixmap.width - width(current);
    if (align == 3 && !rest.empty()) {
      justify(pixmap, current, toInt(at), breakChar);
    } else {
      line(pixmap, current, align == 1 ? free : align == 2 ? free / 2 : 0, toInt(at));
    }
    at += int64_t{_height} + _vSpace;
  } while (!rest.empty());
  return toInt(at);
}

int32_t tLetter::text(TPixmap& pixmap, const std::vector<std::string>& paragraphs, const std::string& prefix,
                      int32_t align, int32_t y, int32_t breakChar) const {
  for (const std::string& paragraph : paragraphs) y = rect(pixmap, prefix + paragraph, align, y, breakChar);
  return y;
}

std::string tLetter::_cut(std::string& text, int32_t width, int32_t breakChar) const {
  const std::vector<tChar> chars = splitChars(text);
  size_t taken = 0;  // characters that go into this line, breaks included
  int64_t sum = 0;
  bool counted = false;  // characters without a glyph take no room, even with negative spacing
  for (size_t i = 0; i < chars.size(); ++i) {
    if (const tLetterAlphaPtr glyph = alpha(static_cast<int32_t>(chars[i].code))) {
      sum += int64_t{glyph->width()} + _hSpace;
      counted = true;
    }
    if (counted && int64_t{width} + _hSpace < sum) {
      // Without an earlier break the line ends before this character, but
      // never empty: a line that cannot hold one character holds one anyway.
      if (taken == 0) taken = std::max<size_t>(i, 1);
      break;
    }
    if (isBreak(chars[i], breakChar) || i + 1 == chars.size()) taken = i + 1;
  }
  size_t end = taken;
  while (end > 1 && isBreak(chars[end - 1], breakChar)) --end;
  const auto offset = [&](size_t index) { return index < chars.size() ? chars[index].offset : text.size(); };
  std::string line = text.substr(0, offset(end));
  text.erase(0, offset(taken));
  return line;
}

void tLetter::share(const tLetter& other) {
  _alphabet = other._alphabet;
  _height = other._height;
  _hSpace0 = other._hSpace0;
  _vSpace0 = other._vSpace0;
  space(0, 0);
}

}  // namespace vandrell

// Bitmap fonts: glyph rectangles on one font image, described by a
// configuration file; measuring, line breaking and drawing text into pixmaps
// as grey level with alpha (the drawing colour tints it on screen).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/pixmap.h"
#include "resources/config.h"

namespace vandrell {

// One glyph: a window onto the font image.
class tLetterAlpha {
 public:
  int32_t _w = 0;
  int32_t _h = 0;
  TPixmapPtr _pixmap;  // shares the font image's pixels

  virtual ~tLetterAlpha() = default;

  // The part of the rectangle that lies outside the image stays transparent.
  static std::shared_ptr<tLetterAlpha> Create(const TPixmapPtr& pixmap, int32_t x, int32_t y, int32_t w, int32_t h);

  // Draws the glyph with its top-left at (x, y). Where glyphs overlap, the
  // stronger pixel ((grey + 1) x alpha) stays: overlaps never add up, and the
  // result stays grey. What falls outside `pixmap` is left out.
  virtual void render(TPixmap& pixmap, int32_t x, int32_t y) const;
  virtual int32_t width() const { return _w; }
  virtual int32_t height() const { return _h; }
};

using tLetterAlphaPtr = std::shared_ptr<tLetterAlpha>;

class tLetter;
using tLetterPtr = std::shared_ptr<tLetter>;

class tLetter {
 public:
  // Slots of the glyph table, one per UTF-16 code unit but 0xFFFF.
  static constexpr int32_t ALPHABET_SIZE = 65535;
  using tAlphabet = std::vector<tLetterAlphaPtr>;

  // Null until a description has been loaded; shared between the fonts that
  // the media lookup hands out for one name.
  std::shared_ptr<const tAlphabet> _alphabet;
  int32_t _height = 0;  // line height: the tallest glyph
  int32_t _hSpace0 = 0;  // the font's own spacing
  int32_t _vSpace0 = 0;
  int32_t _hSpace = 0;  // extra pixels between two glyphs of a line
  int32_t _vSpace = 0;  // extra pixels between two lines

  virtual ~tLetter() = default;

  // Spacing relative to the font's own, so one text can be widened or
  // tightened without touching the font.
  virtual void space(int32_t h, int32_t v);
  // A font loaded with LoadFile; returned even when loading failed (it then
  // has no glyphs). `flags` is the description's text encoding.
  static tLetterPtr Create(const std::string& path, int32_t flags);
  // The description's "pixmap" is relative to the description's folder.
  // 1 on success, 0 (with a log line) on any failure.
  virtual int32_t LoadFile(const std::string& path, int32_t flags);
  // Replaces every glyph by those the description lists on `pixmap`.
  virtual int32_t Load(const tConfigBase& config, const TPixmapPtr& pixmap);
  // Null outside 0..65534 or where the font has no glyph.
  virtual tLetterAlphaPtr alpha(int32_t code) const;
  // Characters without a glyph take no room; never below 0, however
  // negative the spacing.
  virtual int32_t width(const std::string& text) const;
  virtual int32_t height() const;
  // Height of `text` broken into lines for `width`; an empty text is one
  // line. Like textHeight, never below 0.
  virtual int32_t rectHeight(int32_t width, const std::string& text, int32_t breakChar) const;
  // Height of the paragraphs, each prefixed, one line spacing between them.
  virtual int32_t textHeight(int32_t width, const std::vector<std::string>& paragraphs, const std::string& prefix,
                             int32_t breakChar) const;
  virtual void line(TPixmap& pixmap, const std::string& text, int32_t x, int32_t y) const;
  // Spreads the break characters so that the line spans the pixmap's width.
  virtual void justify(TPixmap& pixmap, const std::string& text, int32_t y, int32_t breakChar) const;
  // Draws `text` broken for the pixmap's width from `y` down; `align` 0 left,
  // 1 right, 2 centred, 3 justified (last line left). Returns the y below.
  virtual int32_t rect(TPixmap& pixmap, const std::string& text, int32_t align, int32_t y, int32_t breakChar) const;
  virtual int32_t text(TPixmap& pixmap, const std::vector<std::string>& paragraphs, const std::string& prefix,
                       int32_t align, int32_t y, int32_t breakChar) const;
  // Takes the first line that fits `width` off `text` and returns it, without
  // its trailing break characters. A line holds at least one character, even
  // one wider than `width`.
  virtual std::string _cut(std::string& text, int32_t width, int32_t breakChar) const;

  // Uses `other`'s glyphs and own spacing, with this font's spacing reset.
  void share(const tLetter& other);
};

}  // namespace vandrell

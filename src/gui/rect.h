// A plain rectangle in whatever units its user works in (design units for
// geometry, window pixels for hover tests).
#pragma once

#include <cstdint>

namespace vandrell {

class TStream;

class tRect {
 public:
  float x = 0.0f;  // left
  float y = 0.0f;  // top
  float w = 0.0f;
  float h = 0.0f;

  static tRect Create(float x, float y, float w, float h);
  static tRect CreateRect(const tRect& r);

  // 16 bytes: the four fields as little-endian floats, in field order.
  void Save(TStream& stream) const;
  // False, with a diagnostic and the rectangle unchanged, when the stream
  // holds fewer than 16 more bytes.
  bool Load(TStream& stream);

  // 1 when the point lies in the rectangle, every edge included.
  int32_t Inside(float px, float py) const;
  float xTo() const { return x + w; }
  float yTo() const { return y + h; }
  // The bounding box of both rectangles.
  tRect Sum(const tRect& r) const;

  bool operator==(const tRect&) const = default;
};

}  // namespace vandrell

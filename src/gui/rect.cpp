#include "gui/rect.h"

#include <algorithm>

#include "platform/log.h"
#include "platform/stream.h"

namespace vandrell {

tRect tRect::Create(float x, float y, float w, float h) {
  tRect r;
  r.x = x;
  r.y = y;
  r.w = w;
  r.h = h;
  return r;
}

tRect tRect::CreateRect(const tRect& r) { return r; }

void tRect::Save(TStream& stream) const {
  stream.writeFloat(x);
  stream.writeFloat(y);
  stream.writeFloat(w);
  stream.writeFloat(h);
}

bool tRect::Load(TStream& stream) {
  constexpr int64_t recordSize = 16;
  if (stream.size() - stream.pos() < recordSize) {
    DebugLog("rectangle record cut short at byte " + std::to_string(stream.pos()));
    return false;
  }
  x = stream.readFloat();
  y = stream.readFloat();
  w = stream.readFloat();
  h = stream.readFloat();
  return true;
}

int32_t tRect::Inside(float px, float py) const {
  return (x <= px && px <= xTo() && y <= py && py <= yTo()) ? 1 : 0;
}

tRect tRect::Sum(const tRect& r) const {
  const float left = std::min(x, r.x);
  const float top = std::min(y, r.y);
  const float right = std::max(xTo(), r.xTo());
  const float bottom = std::max(yTo(), r.yTo());
  return Create(left, top, right - left, bottom - top);
}

}  // namespace vandrell

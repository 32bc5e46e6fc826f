#include "gui/poly.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "platform/draw.h"
#include "platform/log.h"
#include "platform/stream.h"

namespace vandrell {

template <typename Visit>
void tPoly::forEachEdge(Visit visit) const {
  if (psets.empty()) return;
  const tPset* s = psets.back().get();
  for (const tPsetPtr& p : psets) {
    visit(*s, *p);
    s = p.get();
  }
}

void tPoly::AddPset(tPsetPtr p) { psets.push_back(std::move(p)); }

tPsetPtr tPoly::AddPoint(float x, float y) {
  tPsetPtr p = tPset::Create(x, y);
  psets.push_back(p);
  return p;
}

void tPoly::RemovePoint() {
  if (!psets.empty()) psets.pop_back();
}

tRect tPoly::GetProfile() const {
  if (psets.empty()) return tRect::Create(0, 0, 0, 0);
  float left = psets[0]->x, right = left;
  float top = psets[0]->y, bottom = top;
  for (const tPsetPtr& p : psets) {
    left = std::min(left, p->x);
    right = std::max(right, p->x);
    top = std::min(top, p->y);
    bottom = std::max(bottom, p->y);
  }
  return tRect::Create(left, top, right - left, bottom - top);
}

void tPoly::Move(float dx, float dy) {
  for (const tPsetPtr& p : psets) {
    p->x += dx;
    p->y += dy;
  }
}

void tPoly::Scale(float sx, float sy, float cx, float cy) {
  if (psets.empty()) return;
  const bool pivoted = cx != 0.0f || cy != 0.0f;
  if (pivoted) Move(-cx, -cy);
  for (const tPsetPtr& p : psets) {
    p->x *= sx;
    p->y *= sy;
  }
  if (pivoted) Move(cx, cy);
}

void tPoly::Rotate(float angle, float cx, float cy) {
  if (psets.empty()) return;
  const bool pivoted = cx != 0.0f || cy != 0.0f;
  if (pivoted) Move(-cx, -cy);
  const float radians = angle * std::numbers::pi_v<float> / 180.0f;
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  for (const tPsetPtr& p : psets) {
    const float x = p->x;
    const float y = p->y;
    p->x = x * c - y * s;
    p->y = x * s + y * c;
  }
  if (pivoted) Move(cx, cy);
}

void tPoly::Draw() const {
  forEachEdge([](const tPset& s, const tPset& p) { DrawLine(s.x, s.y, p.x, p.y, 1); });
}

void tPoly::Save(TStream& stream) const {
  stream.writeInt(static_cast<int32_t>(psets.size()));
  for (const tPsetPtr& p : psets) p->Save(stream);
}

bool tPoly::Load(TStream& stream) {
  constexpr int64_t pointSize = 8;
  const int64_t start = stream.pos();
  if (stream.size() - start < 4) {
    DebugLog("polygon record cut short at byte " + std::to_string(start));
    return false;
  }
  const int32_t count = stream.readInt();
  if (count < 0 || count > (stream.size() - stream.pos()) / pointSize) {
    DebugLog("polygon record at byte " + std::to_string(start) + " claims " + std::to_string(count) +
             " points, more than the stream holds");
    return false;
  }
  std::vector<tPsetPtr> loaded;
  loaded.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    auto p = std::make_shared<tPset>();
    p->Load(stream);
    loaded.push_back(std::move(p));
  }
  psets = std::move(loaded);
  return true;
}

void tPoly::_FindDistance(float cx, float cy, float x, float y, tPsetPtr& best, float& bestDistance) {
  const float d = std::sqrt((cx - x) * (cx - x) + (cy - y) * (cy - y));
  if (!best || d < bestDistance) {
    best = tPset::Create(cx, cy);
    bestDistance = d;
  }
}

namespace {

bool between(float v, float a, float b) { return std::min(a, b) <= v && v <= std::max(a, b); }

}  // namespace

tPsetPtr tPoly::Collide(float /*x0*/, float /*y0*/, float x, float y) const {
  if (psets.empty() || Inside(x, y)) return nullptr;
  tPsetPtr best;
  float bestDistance = 0.0f;
  forEachEdge([&](const tPset& s, const tPset& p) {
    float fx, fy;
    if (p.x == s.x) {
      fx = s.x;
      fy = y;
    } else if (p.y == s.y) {
      fx = x;
      fy = s.y;
    } else {
      const float k = (p.y - s.y) / (p.x - s.x);
      const float m = -1.0f / k;
      const float c = s.y - s.x * k;
      fx = ((y - m * x) - c) / (k - m);
      fy = c + k * fx;
    }
    // A nearly flat or nearly upright edge can overflow the slope arithmetic;
    // such a foot fails the box test and the end points stand in for it.
    if (between(fx, s.x, p.x) && between(fy, s.y, p.y)) {
      _FindDistance(fx, fy, x, y, best, bestDistance);
    } else {
      _FindDistance(s.x, s.y, x, y, best, bestDistance);
      _FindDistance(p.x, p.y, x, y, best, bestDistance);
    }
  });
  return best;
}

int32_t tPoly::Inside(float x, float y) const {
  if (psets.size() < 3) return 0;
  bool inside = false;
  forEachEdge([&](const tPset& s, const tPset& p) {
    if ((p.y <= y && y < s.y) || (s.y <= y && y < p.y)) {
      const float xi = p.x == s.x ? s.x : s.x + (y - s.y) / ((p.y - s.y) / (p.x - s.x));
      if (x < xi) inside = !inside;
    }
  });
  return inside ? 1 : 0;
}

tPsetPtr tPoly::NearPoint(float x, float y) const {
  tPsetPtr nearest;
  float nearestDistance = 0.0f;
  for (const tPsetPtr& p : psets) {
    const float d = (p->x - x) * (p->x - x) + (p->y - y) * (p->y - y);
    if (!nearest || d < nearestDistance) {
      nearest = p;
      nearestDistance = d;
    }
  }
  return nearest;
}

}  // namespace vandrell

#include "core/numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vandrell {

int32_t trunci(float x) {
  if (std::isnan(x)) return 0;
  // 2^31 is the first float past the Int range; every float below it converts exactly.
  if (x >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
  if (x <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(x);
}

int32_t roundi(float x) { return trunci(x >= 0.0f ? x + 0.5f : x - 0.5f); }

float wrapf(float a, float b) {
  float r = std::fmod(a, b);
  if (r < 0.0f) r += b;
  return r;
}

float clampf(float low, float x, float high) { return std::max(low, std::min(x, high)); }

float approachf(float current, float target, float step) {
  const float s = std::fabs(step);
  if (target > current) return std::min(target, current + s);
  if (target < current) return std::max(target, current - s);
  return current;
}

}  // namespace vandrell

#include "scene/glide.h"

#include <cmath>

#include "core/numeric.h"

namespace vandrell {

float GlideSpeed(float target, float current, float time) {
  const float distance = std::fabs(target - current);
  return distance == 0.0f ? 0.0f : distance / time;
}

float GlideDistance(float delta, float speed) { return delta == 0.0f || speed == 0.0f ? 0.0f : delta * speed; }

float Glide(float current, float target, float delta, float speed) {
  return approachf(current, target, GlideDistance(delta, speed));
}

}  // namespace vandrell

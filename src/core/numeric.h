// Numeric helpers shared by the whole program. All arithmetic is in float.
#pragma once

#include <cstdint>

namespace vandrell {

// Nearest integer, halves away from zero.
int32_t roundi(float x);
// Toward zero; values beyond the Int range saturate and not-a-number gives 0,
// since script data may hold any number.
int32_t trunci(float x);
// Remainder of a / b with the sign of a, made non-negative by adding b.
float wrapf(float a, float b);
// max(low, min(x, high)).
float clampf(float low, float x, float high);
// `current` moved toward `target` by at most |step|, never past it.
float approachf(float current, float target, float step);

}  // namespace vandrell

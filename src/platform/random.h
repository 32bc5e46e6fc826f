// The program's one random number generator.
#pragma once

#include <cstdint>

namespace vandrell {

void SeedRnd(int32_t seed);
// A real number in [low, high) (or (high, low] when high < low); low when equal.
double Rnd(double low, double high);
// An integer between the bounds inclusive, in either order.
int32_t Rand(int32_t low, int32_t high);

}  // namespace vandrell

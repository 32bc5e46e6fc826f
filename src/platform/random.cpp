#include "platform/random.h"

#include <cmath>
#include <random>
#include <utility>

namespace vandrell {

namespace {
std::mt19937& generator() {
  static std::mt19937 g(0x1234567u);
  return g;
}
}  // namespace

void SeedRnd(int32_t seed) { generator().seed(static_cast<uint32_t>(seed)); }

double Rnd(double low, double high) {
  double unit = std::generate_canonical<double, 53>(generator());
  if (unit >= 1.0) unit = std::nextafter(1.0, 0.0);  // some library versions can round up to 1
  return low + (high - low) * unit;
}

int32_t Rand(int32_t low, int32_t high) {
  if (high < low) std::swap(low, high);
  std::uniform_int_distribution<int64_t> dist(low, high);
  return static_cast<int32_t>(dist(generator()));
}

}  // namespace vandrell

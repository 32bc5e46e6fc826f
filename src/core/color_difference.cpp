#include "core/color_difference.h"

#include <cmath>
#include <numbers>

namespace vandrell {

namespace {

constexpr double PI = std::numbers::pi;
// The D65 white point, Y normalised to 1.
constexpr double WHITE_X = 0.95047;
constexpr double WHITE_Y = 1.0;
constexpr double WHITE_Z = 1.08883;

double linear(int32_t channel) {
  const double c = static_cast<double>(channel) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double labCurve(double t) {
  constexpr double EPSILON = 216.0 / 24389.0;
  constexpr double KAPPA = 24389.0 / 27.0;
  return t > EPSILON ? std::cbrt(t) : (KAPPA * t + 16.0) / 116.0;
}

double degrees(double radians) { return radians * 180.0 / PI; }
double radians(double degrees) { return degrees * PI / 180.0; }

// The hue angle in degrees, 0 to 360; 0 for a grey.
double hue(double b, double a) {
  if (a == 0.0 && b == 0.0) return 0.0;
  const double h = degrees(std::atan2(b, a));
  return h < 0.0 ? h + 360.0 : h;
}

}  // namespace

tLab LabOfRgb(int32_t red, int32_t green, int32_t blue) {
  const double r = linear(red), g = linear(green), b = linear(blue);
  const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / WHITE_X;
  const double y = (0.2126729 * r + 0.7151522 * g + 0.0721750 * b) / WHITE_Y;
  const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / WHITE_Z;
  const double fx = labCurve(x), fy = labCurve(y), fz = labCurve(z);
  return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double DeltaE2000(const tLab& one, const tLab& other) {
  const double c1 = std::hypot(one.a, one.b), c2 = std::hypot(other.a, other.b);
  const double meanC7 = std::pow((c1 + c2) / 2.0, 7.0);
  const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7.0))));
  const double a1 = (1.0 + g) * one.a, a2 = (1.0 + g) * other.a;
  const double cp1 = std::hypot(a1, one.b), cp2 = std::hypot(a2, other.b);
  const double hp1 = hue(one.b, a1), hp2 = hue(other.b, a2);

  const double dL = other.L - one.L;
  const double dC = cp2 - cp1;
  double dh = 0.0;
  if (cp1 * cp2 != 0.0) {
    dh = hp2 - hp1;
    if (dh > 180.0) dh -= 360.0;
    if (dh < -180.0) dh += 360.0;
  }
  const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2.0));

  const double meanL = (one.L + other.L) / 2.0;
  const double meanCp = (cp1 + cp2) / 2.0;
  double meanH = hp1 + hp2;
  if (cp1 * cp2 != 0.0) {
    if (std::abs(hp1 - hp2) <= 180.0) {
      meanH /= 2.0;
    } else {
      meanH = meanH < 360.0 ? (meanH + 360.0) / 2.0 : (meanH - 360.0) / 2.0;
    }
  }
  const double t = 1.0 - 0.17 * std::cos(radians(meanH - 30.0)) + 0.24 * std::cos(radians(2.0 * meanH)) +
                   0.32 * std::cos(radians(3.0 * meanH + 6.0)) - 0.20 * std::cos(radians(4.0 * meanH - 63.0));
  const double l50 = (meanL - 50.0) * (meanL - 50.0);
  const double sL = 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
  const double sC = 1.0 + 0.045 * meanCp;
  const double sH = 1.0 + 0.015 * meanCp * t;
  const double meanCp7 = std::pow(meanCp, 7.0);
  const double rC = 2.0 * std::sqrt(meanCp7 / (meanCp7 + std::pow(25.0, 7.0)));
  const double dTheta = 30.0 * std::exp(-((meanH - 275.0) / 25.0) * ((meanH - 275.0) / 25.0));
  const double rT = -std::sin(radians(2.0 * dTheta)) * rC;

  const double l = dL / sL, c = dC / sC, h = dH / sH;
  return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

}  // namespace vandrell

// How different two colours look: sRGB colours in CIE L*a*b* (D65 white) and
// the CIEDE2000 colour difference between two of them. A difference of about
// 1 is just noticeable side by side; 10 and more reads as another colour.
#pragma once

#include <cstdint>

namespace vandrell {

struct tLab {
  double L = 0.0;
  double a = 0.0;
  double b = 0.0;
};

// The L*a*b* of an sRGB colour with channels 0 to 255.
tLab LabOfRgb(int32_t red, int32_t green, int32_t blue);
// The CIEDE2000 difference (with the reference weights kL = kC = kH = 1).
double DeltaE2000(const tLab& one, const tLab& other);

}  // namespace vandrell

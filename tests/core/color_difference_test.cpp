#include "core/color_difference.h"

#include <gtest/gtest.h>

namespace vandrell {

TEST(ColorDifference, SrgbColoursLandOnTheirPublishedLabValues) {
  const tLab white = LabOfRgb(255, 255, 255);
  EXPECT_NEAR(white.L, 100.0, 0.01);
  EXPECT_NEAR(white.a, 0.0, 0.01);
  EXPECT_NEAR(white.b, 0.0, 0.01);
  const tLab red = LabOfRgb(255, 0, 0);
  EXPECT_NEAR(red.L, 53.24, 0.05);
  EXPECT_NEAR(red.a, 80.09, 0.05);
  EXPECT_NEAR(red.b, 67.20, 0.05);
  EXPECT_NEAR(LabOfRgb(0, 0, 0).L, 0.0, 0.01);
}

// Pairs from the CIEDE2000 reference data of Sharma, Wu and Dalal (2005):
// blues near the hue rotation term, a grey against a tint, a large
// difference, and a small one between greens.
TEST(ColorDifference, DeltaE2000MatchesTheReferenceData) {
  struct tPair {
    tLab one, other;
    double expected;
  };
  const tPair pairs[] = {
      {{50.0, 2.6772, -79.7751}, {50.0, 0.0, -82.7485}, 2.0425},
      {{50.0, 0.0, 0.0}, {50.0, -1.0, 2.0}, 2.3669},
      {{50.0, 2.5, 0.0}, {73.0, 25.0, -18.0}, 27.1492},
      {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
  };
  for (const tPair& pair : pairs) {
    EXPECT_NEAR(DeltaE2000(pair.one, pair.other), pair.expected, 1e-4);
    EXPECT_NEAR(DeltaE2000(pair.other, pair.one), pair.expected, 1e-4) << "symmetric";
  }
  EXPECT_EQ(DeltaE2000(LabOfRgb(90, 120, 30), LabOfRgb(90, 120, 30)), 0.0);
}

}  // namespace vandrell

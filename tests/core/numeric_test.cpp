#include <gtest/gtest.h>

#include <cmath>

#include "core/numeric.h"

namespace vandrell {

TEST(Numeric, RoundiRoundsHalvesAwayFromZero) {
  EXPECT_EQ(roundi(2.5f), 3);
  EXPECT_EQ(roundi(-2.5f), -3);
  EXPECT_EQ(roundi(-0.4f), 0);
  EXPECT_EQ(roundi(0.49f), 0);
  EXPECT_EQ(roundi(-0.5f), -1);
  EXPECT_EQ(roundi(1.0f), 1);
}

TEST(Numeric, WrapfKeepsResultInRange) {
  EXPECT_FLOAT_EQ(wrapf(-30.0f, 360.0f), 330.0f);
  EXPECT_FLOAT_EQ(wrapf(370.0f, 360.0f), 10.0f);
  EXPECT_FLOAT_EQ(wrapf(720.0f, 360.0f), 0.0f);
  EXPECT_FLOAT_EQ(wrapf(-360.0f, 360.0f), 0.0f);
  EXPECT_FLOAT_EQ(wrapf(5.5f, 2.0f), 1.5f);
}

TEST(Numeric, ClampfTakesLowWhenBoundsCross) {
  EXPECT_FLOAT_EQ(clampf(0.0f, 5.0f, 1.0f), 1.0f);
  EXPECT_FLOAT_EQ(clampf(0.0f, -5.0f, 1.0f), 0.0f);
  EXPECT_FLOAT_EQ(clampf(0.0f, 0.25f, 1.0f), 0.25f);
  // max(low, min(x, high)): with low above high the low bound wins.
  EXPECT_FLOAT_EQ(clampf(2.0f, 5.0f, 1.0f), 2.0f);
}

TEST(Numeric, ApproachfUsesStepMagnitudeAndNeverOvershoots) {
  EXPECT_FLOAT_EQ(approachf(0.0f, 10.0f, -3.0f), 3.0f);
  EXPECT_FLOAT_EQ(approachf(10.0f, 0.0f, 3.0f), 7.0f);
  EXPECT_FLOAT_EQ(approachf(9.0f, 10.0f, 3.0f), 10.0f);
  EXPECT_FLOAT_EQ(approachf(1.0f, 0.0f, 3.0f), 0.0f);
  EXPECT_FLOAT_EQ(approachf(4.0f, 4.0f, 3.0f), 4.0f);
}

TEST(Numeric, ConversionsToIntSaturateInsteadOfOverflowing) {
  EXPECT_EQ(roundi(3e9f), INT32_MAX);
  EXPECT_EQ(roundi(-3e9f), INT32_MIN);
  EXPECT_EQ(roundi(std::nanf("")), 0);
  EXPECT_EQ(trunci(2.9f), 2);
  EXPECT_EQ(trunci(-2.9f), -2);
  EXPECT_EQ(trunci(1e20f), INT32_MAX);
}

}  // namespace vandrell

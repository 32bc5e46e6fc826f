#include "gui/formatter.h"

#include <gtest/gtest.h>

#include <limits>

namespace vandrell {

TEST(Formatter, IntegersPadWithZerosToThePrecisionAndBlanksToTheWidth) {
  EXPECT_EQ(tSf::Create("%.2d").d(7).sf(), "07");
  EXPECT_EQ(tSf::Create("%3d").d(-5).sf(), " -5");
  EXPECT_EQ(tSf::Create("%.2d").d(-5).sf(), "-05");
  EXPECT_EQ(tSf::Create("%03d").d(7).sf(), "  7") << "a leading zero of the width is no zero padding";
  EXPECT_EQ(tSf::Create("%6.3D|").d(42).sf(), "   042|");
  EXPECT_EQ(tSf::Create("%.d").d(0).sf(), "0");
  EXPECT_EQ(tSf::Create("%d").d(-2147483647 - 1).sf(), "-2147483648");
  EXPECT_EQ(tSf::Create("%dx").d(3).sf(), "3x");
}

TEST(Formatter, ScaledIntegersRoundHalfAwayFromZero) {
  EXPECT_EQ(tSf::Create("%d").dx(2.5f, 1.0f).sf(), "3");
  EXPECT_EQ(tSf::Create("%d").dx(-2.5f, 1.0f).sf(), "-3");
  EXPECT_EQ(tSf::Create("%d%%").dx(0.424f, 100.0f).sf(), "42%%");
  EXPECT_EQ(tSf::Create("%d").dx(std::numeric_limits<float>::quiet_NaN(), 1.0f).sf(), "0");
  EXPECT_EQ(tSf::Create("%d").dx(1e30f, 1.0f).sf(), "2147483647");
}

TEST(Formatter, FloatsTruncateToThePrecisionWithoutRounding) {
  EXPECT_EQ(tSf::Create("%.2f ").f(3.14159f).sf(), "3.14 ");
  EXPECT_EQ(tSf::Create("%.2f").f(2.999f).sf(), "2.99");
  EXPECT_EQ(tSf::Create("%.3f").f(2.5f).sf(), "2.500");
  EXPECT_EQ(tSf::Create("%.0f").f(3.7f).sf(), "3.");
  EXPECT_EQ(tSf::Create("%.12f").f(0.5f).sf(), "0.500000000000");
  EXPECT_EQ(tSf::Create("%f").f(1.5f).sf(), "1.50000000");
  EXPECT_EQ(tSf::Create("%7.1F").f(-2.25f).sf(), "   -2.2");
}

TEST(Formatter, ConversionsFillInCallOrder) {
  EXPECT_EQ(tSf::Create("%s(%dx%dx%d)").s("box").d(1).d(2).d(3).sf(), "box(1x2x3)");
  EXPECT_EQ(tSf::Create("%S").s("upper").sf(), "upper");

  tSf only = tSf::Create("%s left");
  only.d(5);
  EXPECT_EQ(only.sf(), "%s left") << "a conversion that is not there drops the argument";
  EXPECT_EQ(only.s("x").sf(), "x left");

  tSf early = tSf::Create("%s (%d)");
  early.d(3);
  EXPECT_EQ(early.value, "%s (3");
  early.s("late");
  EXPECT_EQ(early.sf(), "%s (3)");
}

TEST(Formatter, MoreFormatCanBeJoinedAndEmptyFormatsStayEmpty) {
  tSf sf = tSf::Create("%d");
  sf.d(1).join(" of %d").d(2);
  EXPECT_EQ(sf.sf(), "1 of 2");
  EXPECT_EQ(tSf::Create("").s("x").d(1).f(1.0f).sf(), "");
  EXPECT_EQ(tSf::Create("100% %s").s("sure").sf(), "100% sure") << "a stray percent is skipped over";
  EXPECT_EQ(tSf::Create("%").d(1).sf(), "%");
}

TEST(Formatter, HugeFieldsFromDataStayBounded) {
  const std::string text = tSf::Create("%99999999999999999999d").d(1).sf();
  EXPECT_LE(text.size(), 1024u);
  EXPECT_EQ(text.back(), '1');
}

}  // namespace vandrell

#include "game/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

TEST(Geometry, TableAnglesWrapEveryTurnAndNegativeStepsReadFromTheTop) {
  fillSineTables();
  EXPECT_EQ(sin256(256), sin256(0));
  EXPECT_EQ(cos256(-1), CosineTable[255]);
  EXPECT_EQ(sin256(-256 * 1000 + 64), SineTable[64]);
  EXPECT_NEAR(sin256(64), 1.0, 1e-12);
  EXPECT_NEAR(cos256(128), -1.0, 1e-12);
  // The step is the written 0.024543692603125, a little short of 2 pi / 256.
  EXPECT_EQ(SineTable[255], std::sin(255 * 0.024543692603125));
}

TEST(Geometry, PolarToMeasuresFromPlusXTowardPlusYWithTheWrittenConstants) {
  double out[2];
  polarTo(out, 0, 0, 0, -5);
  EXPECT_EQ(out[0], 5.0);
  EXPECT_EQ(out[1], 4.71238898025);
  polarTo(out, 0, 0, -5, 0);
  EXPECT_EQ(out[0], 5.0);
  EXPECT_EQ(out[1], 3.1415926535);
  polarTo(out, 0, 0, 5, -5);
  EXPECT_DOUBLE_EQ(out[1], 6.283185307 + std::atan(-1.0));
  EXPECT_NEAR(out[1], 5.4977871436, 1e-9);
  polarTo(out, 0, 0, 3, 4);
  EXPECT_EQ(out[0], 5.0);
  EXPECT_EQ(out[1], std::atan(4.0 / 3.0));
  // Equal points: no distance, a quarter turn.
  EXPECT_EQ(polarTo(out, 7, 7, 7, 7), out);
  EXPECT_EQ(out[0], 0.0);
  EXPECT_EQ(out[1], 1.57079632675);
}

TEST(Geometry, DirectionToGivesTheDifferenceItsLengthAndAUnitVector) {
  double from[3] = {1, 2, 3}, to[3] = {4, 6, 3}, diff[3], unit[3];
  EXPECT_EQ(directionTo(from, to, diff, unit), 5.0);
  EXPECT_EQ(diff[0], 3.0);
  EXPECT_EQ(diff[1], 4.0);
  EXPECT_EQ(unit[0], 0.6);
  EXPECT_EQ(unit[1], 0.8);
  EXPECT_EQ(unit[2], 0.0);
  unit[0] = 9.0;
  EXPECT_EQ(directionTo(from, from, diff, unit), 0.0);
  EXPECT_EQ(unit[0], 0.0);
  EXPECT_EQ(unit[1], 0.0);
  EXPECT_EQ(unit[2], 0.0);
}

TEST(Geometry, VectorsChangeInPlace) {
  double a[3] = {1, 2, 3};
  const double b[3] = {10, 20, 30};
  vec3Add(a, b);
  vec3Scale(a, 0.5);
  vec3Sub(a, b);
  EXPECT_EQ(a[0], -4.5);
  EXPECT_EQ(a[1], -9.0);
  EXPECT_EQ(a[2], -13.5);
}

TEST(Geometry, RandomNumbersAreCentredAndTheirRemaindersKeepTheSign) {
  std::srand(7);
  bool negative = false, positive = false;
  for (int i = 0; i < 20000; ++i) {
    int32_t r = signedRandom();
    ASSERT_GE(r, -16383);
    ASSERT_LE(r, 16384);
    int32_t m = signedRandomMod(60);
    ASSERT_GT(m, -60);
    ASSERT_LT(m, 60);
    negative |= m < 0;
    positive |= m > 0;
    double s = randomSpread(10.0);
    ASSERT_GT(s, -10.0);
    ASSERT_LT(s, 10.0);
  }
  EXPECT_TRUE(negative && positive);
  // Both ends of the range are reached, whatever the width of the library's rand().
  bool low = false, high = false;
  for (int i = 0; i < 400000 && !(low && high); ++i) {
    int32_t r = signedRandom();
    low |= r == -16383;
    high |= r == 16384;
  }
  EXPECT_TRUE(low && high);
  EXPECT_EQ(signedRandomMod(0), 0);  // no division by zero from a bad divisor
}

TEST(Geometry, SpreadClustersTowardZero) {
  std::srand(3);
  int small = 0, large = 0;
  for (int i = 0; i < 20000; ++i) {
    double s = std::fabs(randomSpread(1.0));
    small += s < 0.25;
    large += s >= 0.75;
  }
  // (t + t^3) / 2 for an even t: ~42% of draws land in the lowest quarter, ~14% in the top.
  EXPECT_GT(small, 8000);
  EXPECT_LT(large, 3200);
}

TEST(Geometry, IntegerConversionsHoldTheirRangeInsteadOfOverflowing) {
  constexpr int32_t Max = std::numeric_limits<int32_t>::max();
  constexpr int32_t Min = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(truncInt32(-2.9), -2);
  EXPECT_EQ(truncInt32(2.9), 2);
  EXPECT_EQ(truncInt32(1e300), Max);
  EXPECT_EQ(truncInt32(-1e300), Min);
  EXPECT_EQ(truncInt32(2147483647.5), Max);
  EXPECT_EQ(truncInt32(std::nan("")), 0);
  EXPECT_EQ(truncInt32(std::numeric_limits<double>::infinity()), Max);
  EXPECT_EQ(saturatingAdd(Max - 5, 10), Max);
  EXPECT_EQ(saturatingAdd(Min + 5, -10), Min);
  EXPECT_EQ(saturatingAdd(5, -10), -5);
  EXPECT_EQ(wrappingAdd(Max, 1), Min);
  EXPECT_EQ(wrappingAdd(Min, -1), Max);
}

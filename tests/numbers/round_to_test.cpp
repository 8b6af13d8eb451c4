#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(RoundTo, HalvesGoAwayFromZero) {
  EXPECT_EQ(RoundTo(-2.5, 0), -3);
  EXPECT_EQ(RoundTo(2.5, 0), 3);
  EXPECT_EQ(RoundTo(0.5, 0), 1);
  EXPECT_EQ(RoundTo(-0.5, 0), -1);
  EXPECT_EQ(RoundTo(0.125, 2), 0.13);
  EXPECT_EQ(RoundTo(-0.125, 2), -0.13);
  EXPECT_EQ(RoundTo(2.4999, 0), 2);
}

TEST(RoundTo, HalvesAreDecidedOnFifteenSignificantDigits) {
  // Their binary values lie just below the half: 2.67499999999999982..., 1.00499999999999989...
  EXPECT_EQ(RoundTo(2.675, 2), 2.68);
  EXPECT_EQ(RoundTo(1.005, 2), 1.01);
  EXPECT_EQ(RoundTo(-2.675, 2), -2.68);
  // Sixteen nines reach the half only at the fifteenth digit.
  EXPECT_EQ(RoundTo(0.1249999999999999, 2), 0.13);
  EXPECT_EQ(RoundTo(0.12499999999999, 2), 0.12);
}

TEST(RoundTo, ZeroIsNeverNegative) {
  EXPECT_EQ(RoundTo(0.0004, 3), 0);
  EXPECT_FALSE(std::signbit(RoundTo(-0.0004, 3)));
  EXPECT_FALSE(std::signbit(RoundTo(-0.0, 2)));
  EXPECT_FALSE(std::signbit(RoundTo(-0.4, 0)));
  EXPECT_FALSE(std::signbit(RoundTo(-49, -2)));
}

TEST(RoundTo, RoundsUpAcrossEveryDigit) {
  EXPECT_EQ(RoundTo(0.0005, 3), 0.001);
  EXPECT_EQ(RoundTo(9.9996, 3), 10);
  EXPECT_EQ(RoundTo(999.9995, 3), 1000);
  EXPECT_EQ(RoundTo(-99.95, 1), -100);
}

TEST(RoundTo, KeepsEveryIntegerDigit) {
  EXPECT_EQ(RoundTo(12345678901.25, 1), 12345678901.3);
  EXPECT_EQ(RoundTo(98765432109.04, 1), 98765432109.0);
  EXPECT_EQ(RoundTo(1e20, 2), 1e20);
}

TEST(RoundTo, NegativeDigitsRoundToTensAndHundreds) {
  EXPECT_EQ(RoundTo(149, -2), 100);
  EXPECT_EQ(RoundTo(150, -2), 200);
  EXPECT_EQ(RoundTo(1234.5, -2), 1200);
  EXPECT_EQ(RoundTo(1250, -2), 1300);
  EXPECT_EQ(RoundTo(-1250, -2), -1300);
  EXPECT_EQ(RoundTo(45, -1), 50);
  EXPECT_EQ(RoundTo(49, -2), 0);
  EXPECT_EQ(RoundTo(5e9, -10), 1e10);
  EXPECT_EQ(RoundTo(4.9e9, -10), 0);
}

TEST(RoundTo, ExtremeDigitCountsNeitherOverflowNorChangeTheValue) {
  EXPECT_EQ(RoundTo(1.0 / 3, 400), 0.333333333333333);
  EXPECT_EQ(RoundTo(1e300, -400), 0);
  EXPECT_EQ(RoundTo(1234.5, std::numeric_limits<int>::max()), 1234.5);
  EXPECT_EQ(RoundTo(1234.5, std::numeric_limits<int>::min()), 0);
  EXPECT_EQ(RoundTo(std::numeric_limits<double>::max(), 2), std::numeric_limits<double>::max());
  EXPECT_EQ(RoundTo(5e-324, 2), 0);
}

TEST(RoundTo, ValuesThatAreNotFiniteStayAsTheyAre) {
  EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), 2)));
  EXPECT_EQ(RoundTo(std::numeric_limits<double>::infinity(), 2),
            std::numeric_limits<double>::infinity());
  EXPECT_EQ(RoundTo(-std::numeric_limits<double>::infinity(), -2),
            -std::numeric_limits<double>::infinity());
}

TEST(RoundTo, StaysWithinHalfAUnitAndIsStable) {
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> values(-5e5, 5e5);
  std::uniform_int_distribution<int> digitCounts(-3, 6);
  for (int i = 0; i < 20000; ++i) {
    const double value = values(random);
    const int digits = digitCounts(random);
    const double unit = std::pow(10.0, -digits);
    const double rounded = RoundTo(value, digits);
    ASSERT_LE(std::fabs(rounded - value), unit / 2 * (1 + 1e-9)) << value << " to " << digits;
    ASSERT_EQ(RoundTo(rounded, digits), rounded) << value << " to " << digits;
    ASSERT_EQ(RoundTo(-value, digits), -rounded) << value << " to " << digits;
  }
}

}  // namespace
}  // namespace calvora

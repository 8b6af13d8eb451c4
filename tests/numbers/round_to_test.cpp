#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(RoundTo, HalvesGoAwayFromZeroDecidedOnFifteenSignificantDigits) {
  constexpr double kMax = std::numeric_limits<double>::max();
  constexpr int kIntMax = std::numeric_limits<int>::max();
  struct Case {
    double value;
    int digits;
    double rounded;
  };
  const Case cases[] = {
      {-2.5, 0, -3},
      {2.5, 0, 3},
      {0.5, 0, 1},
      {-0.5, 0, -1},
      {0.125, 2, 0.13},
      {-0.125, 2, -0.13},
      {2.4999, 0, 2},
      // Binary values just below the half: 2.67499999999999982..., 1.00499999999999989...
      {2.675, 2, 2.68},
      {1.005, 2, 1.01},
      {-2.675, 2, -2.68},
      // Sixteen nines reach the half only at the fifteenth digit.
      {0.1249999999999999, 2, 0.13},
      {0.12499999999999, 2, 0.12},
      // Up across every digit, keeping every integer digit.
      {0.0005, 3, 0.001},
      {9.9996, 3, 10},
      {999.9995, 3, 1000},
      {-99.95, 1, -100},
      {12345678901.25, 1, 12345678901.3},
      {98765432109.04, 1, 98765432109.0},
      {1e20, 2, 1e20},
      // Negative digits round to tens and hundreds.
      {149, -2, 100},
      {150, -2, 200},
      {1234.5, -2, 1200},
      {1250, -2, 1300},
      {-1250, -2, -1300},
      {45, -1, 50},
      {49, -2, 0},
      {5e9, -10, 1e10},
      {4.9e9, -10, 0},
      // Extreme digit counts neither overflow nor change the value.
      {1.0 / 3, 400, 0.333333333333333},
      {1e300, -400, 0},
      {1234.5, kIntMax, 1234.5},
      {1234.5, std::numeric_limits<int>::min(), 0},
      {kMax, 2, kMax},
      {5e-324, 2, 0},
      {INFINITY, 2, INFINITY},
      {-INFINITY, -2, -INFINITY}};
  for (const Case& c : cases) {
    EXPECT_EQ(RoundTo(c.value, c.digits), c.rounded) << c.value << " to " << c.digits;
  }
  EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), 2)));
  for (const auto& [value, digits] : {std::pair{-0.0004, 3}, {-0.0, 2}, {-0.4, 0}, {-49.0, -2}}) {
    EXPECT_FALSE(std::signbit(RoundTo(value, digits))) << value;  // zero is never negative
  }
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

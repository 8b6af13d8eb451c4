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
  // Binary values just below the half: 2.67499999999999982..., 1.00499999999999989... Sixteen nines
  // reach the half only at the fifteenth digit. Up across every digit, keeping every integer digit.
  // Negative digits round to tens and hundreds. Extreme digit counts neither overflow nor change
  // the value.
  const Case cases[] = {Case(-2.5, 0, -3),
                        Case(2.5, 0, 3),
                        Case(0.5, 0, 1),
                        Case(-0.5, 0, -1),
                        Case(0.125, 2, 0.13),
                        Case(-0.125, 2, -0.13),
                        Case(2.4999, 0, 2),
                        Case(2.675, 2, 2.68),
                        Case(1.005, 2, 1.01),
                        Case(-2.675, 2, -2.68),
                        Case(0.1249999999999999, 2, 0.13),
                        Case(0.12499999999999, 2, 0.12),
                        Case(0.0005, 3, 0.001),
                        Case(9.9996, 3, 10),
                        Case(999.9995, 3, 1000),
                        Case(-99.95, 1, -100),
                        Case(12345678901.25, 1, 12345678901.3),
                        Case(98765432109.04, 1, 98765432109.0),
                        Case(1e20, 2, 1e20),
                        Case(149, -2, 100),
                        Case(150, -2, 200),
                        Case(1234.5, -2, 1200),
                        Case(1250, -2, 1300),
                        Case(-1250, -2, -1300),
                        Case(45, -1, 50),
                        Case(49, -2, 0),
                        Case(5e9, -10, 1e10),
                        Case(4.9e9, -10, 0),
                        Case(1.0 / 3, 400, 0.333333333333333),
                        Case(1e300, -400, 0),
                        Case(1234.5, kIntMax, 1234.5),
                        Case(1234.5, std::numeric_limits<int>::min(), 0),
                        Case(kMax, 2, kMax),
                        Case(5e-324, 2, 0),
                        Case(INFINITY, 2, INFINITY),
                        Case(-INFINITY, -2, -INFINITY)};
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

#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace calvora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(SingleText, ShowsUpToSevenSignificantDigits) {
  EXPECT_EQ(SingleText(2.5f), "2.5");
  EXPECT_EQ(SingleText(-0.125f), "-0.125");
  EXPECT_EQ(SingleText(100.0f), "100");
  EXPECT_EQ(SingleText(0.1f), "0.1");
  EXPECT_EQ(SingleText(999.7f), "999.7");
  EXPECT_EQ(SingleText(1020.5f), "1020.5");
  EXPECT_EQ(SingleText(1.0f / 3), "0.3333333");
  EXPECT_EQ(SingleText(1234567.0f), "1234567");
}

TEST(SingleText, UsesTheExponentFormForVeryLargeAndSmallValues) {
  EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(SingleText(1e-5f), "1E-05");
  EXPECT_EQ(SingleText(0.0001f), "0.0001");
  EXPECT_EQ(SingleText(-3e38f), "-3E+38");
}

TEST(SingleText, NeverShowsMinusZeroOrNan) {
  EXPECT_EQ(SingleText(-0.0f), "0");
  EXPECT_EQ(SingleText(std::nanf("")), "*");
  EXPECT_EQ(SingleText(-std::numeric_limits<float>::infinity()), "*");
}

TEST(PlainNumber, ShowsUpToFifteenDigitsWithoutLeadingZero) {
  EXPECT_EQ(PlainNumber(0.25), ".25");
  EXPECT_EQ(PlainNumber(-0.5), "-.5");
  EXPECT_EQ(PlainNumber(1020.5), "1020.5");
  EXPECT_EQ(PlainNumber(100), "100");
  EXPECT_EQ(PlainNumber(0.1 + 0.2), ".3");
  EXPECT_EQ(PlainNumber(1.0 / 3), ".333333333333333");
  EXPECT_EQ(PlainNumber(123456789012345.0), "123456789012345");
  // A float widened to double shows its binary value: callers round first.
  EXPECT_EQ(PlainNumber(static_cast<double>(999.7f)), "999.700012207031");
}

TEST(PlainNumber, UsesTheExponentFormForVeryLargeAndSmallValues) {
  EXPECT_EQ(PlainNumber(1e15), "1E+15");
  EXPECT_EQ(PlainNumber(999999999999999.9), "1E+15");
  EXPECT_EQ(PlainNumber(1.5e-5), "1.5E-05");
  EXPECT_EQ(PlainNumber(0.0001), ".0001");
  EXPECT_EQ(PlainNumber(-2.5e100), "-2.5E+100");
}

TEST(PlainNumber, NeverShowsMinusZeroOrNan) {
  EXPECT_EQ(PlainNumber(-0.0), "0");
  EXPECT_EQ(PlainNumber(std::nan("")), "*");
  EXPECT_EQ(PlainNumber(kInfinity), "*");
  EXPECT_EQ(PlainNumber(-kInfinity), "*");
}

TEST(SignedNumber, PutsABlankBeforeNumbersThatAreNotNegative) {
  EXPECT_EQ(SignedNumber(5), " 5");
  EXPECT_EQ(SignedNumber(-5), "-5");
  EXPECT_EQ(SignedNumber(0.25), " .25");
  EXPECT_EQ(SignedNumber(-0.0), " 0");
  EXPECT_EQ(SignedNumber(std::nan("")), " *");
}

TEST(PrintNumber, WritesSignOrBlankAndOneTrailingBlank) {
  EXPECT_EQ(PrintNumber(1.5), " 1.5 ");
  EXPECT_EQ(PrintNumber(-0.25), "-.25 ");
  EXPECT_EQ(PrintNumber(3), " 3 ");
  EXPECT_EQ(PrintNumber(-1e20), "-1E+20 ");
  EXPECT_EQ(PrintNumber(-kInfinity), " * ");
}

}  // namespace
}  // namespace calvora

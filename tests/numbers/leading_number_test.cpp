#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(LeadingNumber, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(LeadingNumber("12.5abc"), 12.5);
  EXPECT_EQ(LeadingNumber("12.5.3"), 12.5);
  EXPECT_EQ(LeadingNumber("1,5"), 1);
  EXPECT_EQ(LeadingNumber("3."), 3);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingNumber("+.5"), 0.5);
  EXPECT_EQ(LeadingNumber("-.25"), -0.25);
  EXPECT_EQ(LeadingNumber("007"), 7);
}

TEST(LeadingNumber, SkipsBlanksAnywhere) {
  EXPECT_EQ(LeadingNumber(" 1 2 "), 12);
  EXPECT_EQ(LeadingNumber("- 1 2 . 5 e 1"), -125);
  EXPECT_EQ(LeadingNumber("\t7\r\n"), 7);
}

TEST(LeadingNumber, ReadsExponentsWithEOrD) {
  EXPECT_EQ(LeadingNumber("-3e2"), -300);
  EXPECT_EQ(LeadingNumber("1D3"), 1000);
  EXPECT_EQ(LeadingNumber("1d-2"), 0.01);
  EXPECT_EQ(LeadingNumber("2.5E+2x"), 250);
  EXPECT_EQ(LeadingNumber("1.5E-05"), 1.5e-5);
}

TEST(LeadingNumber, IgnoresAnExponentWithoutDigits) {
  EXPECT_EQ(LeadingNumber("1e"), 1);
  EXPECT_EQ(LeadingNumber("1e+"), 1);
  EXPECT_EQ(LeadingNumber("1 D -"), 1);
  EXPECT_EQ(LeadingNumber("4ex"), 4);
}

TEST(LeadingNumber, TextWithoutANumberReadsAsZero) {
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("   "), 0);
  EXPECT_EQ(LeadingNumber("--1"), 0);
  EXPECT_EQ(LeadingNumber("+-1"), 0);
  EXPECT_EQ(LeadingNumber("."), 0);
  EXPECT_EQ(LeadingNumber("-."), 0);
  EXPECT_EQ(LeadingNumber("e5"), 0);
  EXPECT_EQ(LeadingNumber("*"), 0);
  EXPECT_EQ(LeadingNumber("nan"), 0);
  EXPECT_EQ(LeadingNumber("inf"), 0);
}

TEST(LeadingNumber, NeverGivesMinusZeroOrInfinity) {
  EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
  EXPECT_FALSE(std::signbit(LeadingNumber("-0.000")));
  EXPECT_EQ(LeadingNumber("1e400"), 0);
  EXPECT_EQ(LeadingNumber("-1e400"), 0);
  EXPECT_EQ(LeadingNumber("1e-400"), 0);
  EXPECT_EQ(LeadingNumber("1e99999999999999999999"), 0);
  EXPECT_EQ(LeadingNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(LeadingNumber, ReadsBackEveryNumberText) {
  for (const double value : {0.25, -0.5, 1020.5, 1e15, 1.5e-5, -123456789012345.0, 1e100}) {
    EXPECT_EQ(LeadingNumber(PlainNumber(value)), value) << PlainNumber(value);
    EXPECT_EQ(LeadingNumber(PrintNumber(value)), value) << PrintNumber(value);
  }
  for (const float value : {2.5f, -0.125f, 999.7f, 1.5e7f, 1e-5f}) {
    EXPECT_EQ(static_cast<float>(LeadingNumber(SingleText(value))), value) << SingleText(value);
  }
}

TEST(ToInt16, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(ToInt16(3.5), 4);
  EXPECT_EQ(ToInt16(-2.5), -2);
  EXPECT_EQ(ToInt16(-3.5), -4);
  EXPECT_EQ(ToInt16(0.5), 0);
  EXPECT_EQ(ToInt16(1.5), 2);
}

TEST(ToInt16, OtherValuesGoToTheNearestInteger) {
  EXPECT_EQ(ToInt16(2.4999), 2);
  EXPECT_EQ(ToInt16(2.5000001), 3);
  EXPECT_EQ(ToInt16(-2.5000001), -3);
  EXPECT_EQ(ToInt16(-0.4), 0);
  EXPECT_EQ(ToInt16(7), 7);
}

TEST(ToInt16, RefusesValuesOutsideTheRange) {
  EXPECT_EQ(ToInt16(32767), 32767);
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(32767.5), std::nullopt);
  EXPECT_EQ(ToInt16(-32768), -32768);
  EXPECT_EQ(ToInt16(-32768.5), -32768);
  EXPECT_EQ(ToInt16(-32768.6), std::nullopt);
  EXPECT_EQ(ToInt16(40000), std::nullopt);
  EXPECT_EQ(ToInt16(1e300), std::nullopt);
  EXPECT_EQ(ToInt16(std::nan("")), std::nullopt);
  EXPECT_EQ(ToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(ToInt16(-std::numeric_limits<double>::infinity()), std::nullopt);
}

}  // namespace
}  // namespace calvora

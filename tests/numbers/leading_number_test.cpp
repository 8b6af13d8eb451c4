#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(LeadingNumber, ReadsTheLongestLeadingNumberAndZeroWhereThereIsNone) {
  const std::pair<const char*, double> cases[] = {
      {"12.5abc", 12.5},
      {"12.5.3", 12.5},
      {"1,5", 1},
      {"3.", 3},
      {".5", 0.5},
      {"+.5", 0.5},
      {"-.25", -0.25},
      {"007", 7},
      // Blanks anywhere.
      {" 1 2 ", 12},
      {"- 1 2 . 5 e 1", -125},
      {"\t7\r\n", 7},
      // Exponents with E or D; one without digits is not read.
      {"-3e2", -300},
      {"1D3", 1000},
      {"1d-2", 0.01},
      {"2.5E+2x", 250},
      {"1.5E-05", 1.5e-5},
      {"1e", 1},
      {"1e+", 1},
      {"1 D -", 1},
      {"4ex", 4},
      // No number.
      {"abc", 0},
      {"", 0},
      {"   ", 0},
      {"--1", 0},
      {"+-1", 0},
      {".", 0},
      {"-.", 0},
      {"e5", 0},
      {"*", 0},
      {"nan", 0},
      {"inf", 0},
      // Never infinity.
      {"1e400", 0},
      {"-1e400", 0},
      {"1e-400", 0},
      {"1e99999999999999999999", 0},
      {"1.7976931348623157e308", std::numeric_limits<double>::max()}};
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(LeadingNumber(text), value) << text;
  }
  EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
  EXPECT_FALSE(std::signbit(LeadingNumber("-0.000")));
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

TEST(ToInt16, RoundsHalvesToEvenAndRefusesValuesOutsideTheRange) {
  const double kInfinity = std::numeric_limits<double>::infinity();
  const std::pair<double, std::optional<int>> cases[] = {{2.5, 2},
                                                         {3.5, 4},
                                                         {-2.5, -2},
                                                         {-3.5, -4},
                                                         {0.5, 0},
                                                         {1.5, 2},
                                                         {2.4999, 2},
                                                         {2.5000001, 3},
                                                         {-2.5000001, -3},
                                                         {-0.4, 0},
                                                         {7, 7},
                                                         {32767, 32767},
                                                         {32767.4, 32767},
                                                         {32767.5, std::nullopt},
                                                         {-32768, -32768},
                                                         {-32768.5, -32768},
                                                         {-32768.6, std::nullopt},
                                                         {40000, std::nullopt},
                                                         {1e300, std::nullopt},
                                                         {std::nan(""), std::nullopt},
                                                         {kInfinity, std::nullopt},
                                                         {-kInfinity, std::nullopt}};
  for (const auto& [value, expected] : cases) {
    const std::optional<std::int16_t> got = ToInt16(value);
    EXPECT_EQ(got ? std::optional<int>(*got) : std::nullopt, expected) << value;
  }
}

}  // namespace
}  // namespace calvora

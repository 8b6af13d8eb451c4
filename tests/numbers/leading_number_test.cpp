#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(LeadingNumber, ReadsTheLongestLeadingNumberAndZeroWhereThereIsNone) {
  // Blanks anywhere. Exponents with E or D; one without digits is not read. No number. Never
  // infinity.
  using Case = std::pair<const char*, double>;
  const Case cases[] = {Case("12.5abc", 12.5),
                        Case("12.5.3", 12.5),
                        Case("1,5", 1),
                        Case("3.", 3),
                        Case(".5", 0.5),
                        Case("+.5", 0.5),
                        Case("-.25", -0.25),
                        Case("007", 7),
                        Case(" 1 2 ", 12),
                        Case("- 1 2 . 5 e 1", -125),
                        Case("\t7\r\n", 7),
                        Case("-3e2", -300),
                        Case("1D3", 1000),
                        Case("1d-2", 0.01),
                        Case("2.5E+2x", 250),
                        Case("1.5E-05", 1.5e-5),
                        Case("1e", 1),
                        Case("1e+", 1),
                        Case("1 D -", 1),
                        Case("4ex", 4),
                        Case("abc", 0),
                        Case("", 0),
                        Case("   ", 0),
                        Case("--1", 0),
                        Case("+-1", 0),
                        Case(".", 0),
                        Case("-.", 0),
                        Case("e5", 0),
                        Case("*", 0),
                        Case("nan", 0),
                        Case("inf", 0),
                        Case("1e400", 0),
                        Case("-1e400", 0),
                        Case("1e-400", 0),
                        Case("1e99999999999999999999", 0),
                        Case("1e9999", 0)};
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(LeadingNumber(text), value) << text;
  }
  EXPECT_EQ(LeadingNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
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
  using Case = std::pair<double, std::optional<int>>;
  const Case cases[] = {Case(2.5, 2),
                        Case(3.5, 4),
                        Case(-2.5, -2),
                        Case(-3.5, -4),
                        Case(0.5, 0),
                        Case(1.5, 2),
                        Case(2.4999, 2),
                        Case(2.5000001, 3),
                        Case(-2.5000001, -3),
                        Case(-0.4, 0),
                        Case(7, 7),
                        Case(32767, 32767),
                        Case(32767.4, 32767),
                        Case(32767.5, std::nullopt),
                        Case(-32768, -32768),
                        Case(-32768.5, -32768),
                        Case(-32768.6, std::nullopt),
                        Case(40000, std::nullopt),
                        Case(1e300, std::nullopt),
                        Case(std::nan(""), std::nullopt),
                        Case(kInfinity, std::nullopt),
                        Case(-kInfinity, std::nullopt)};
  for (const auto& [value, expected] : cases) {
    const std::optional<std::int16_t> got = ToInt16(value);
    EXPECT_EQ(got ? std::optional<int>(*got) : std::nullopt, expected) << value;
  }
}

TEST(StrictNumber, TakesOnlyAWholeTextThatIsOneNumber) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {" 2.5 ", 2.5}, {"-.5", -0.5}, {"+3", 3},   {"1e2", 100}, {"7.", 7},
      {"-0", 0},      {"", {}},      {"  ", {}},  {"4,5", {}},  {"2.5m", {}},
      {"1e", {}},     {"inf", {}},   {"nan", {}}, {"+-1", {}},  {"0x10", {}},
      {"1e999", {}},  {"1 2", {}},   {"--1", {}}, {".", {}},    {"+", {}},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(StrictNumber(text), value) << '"' << text << '"';
  }
  EXPECT_FALSE(std::signbit(*StrictNumber("-0")));
}

}  // namespace
}  // namespace calvora

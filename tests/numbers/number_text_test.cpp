#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace calvora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(SingleText, SevenSignificantDigitsOrTheExponentFormAndNeverMinusZeroOrNan) {
  const std::pair<float, const char*> cases[] = {{2.5f, "2.5"},
                                                 {-0.125f, "-0.125"},
                                                 {100.0f, "100"},
                                                 {0.1f, "0.1"},
                                                 {999.7f, "999.7"},
                                                 {1020.5f, "1020.5"},
                                                 {1.0f / 3, "0.3333333"},
                                                 {1234567.0f, "1234567"},
                                                 {12345678.0f, "1.234568E+07"},
                                                 {1e-5f, "1E-05"},
                                                 {0.0001f, "0.0001"},
                                                 {-3e38f, "-3E+38"},
                                                 {-0.0f, "0"},
                                                 {std::nanf(""), "*"},
                                                 {-std::numeric_limits<float>::infinity(), "*"}};
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(SingleText(value), text) << text;
  }
}

TEST(PlainNumber, FifteenDigitsWithoutLeadingZeroOrTheExponentFormAndSignedForms) {
  const std::pair<double, const char*> cases[] = {
      {0.25, ".25"},
      {-0.5, "-.5"},
      {1020.5, "1020.5"},
      {100, "100"},
      {0.1 + 0.2, ".3"},
      {1.0 / 3, ".333333333333333"},
      {123456789012345.0, "123456789012345"},
      // A float widened to double shows its binary value: callers round first.
      {static_cast<double>(999.7f), "999.700012207031"},
      {1e15, "1E+15"},
      {999999999999999.9, "1E+15"},
      {1.5e-5, "1.5E-05"},
      {0.0001, ".0001"},
      {-2.5e100, "-2.5E+100"},
      {-0.0, "0"},
      {std::nan(""), "*"},
      {kInfinity, "*"},
      {-kInfinity, "*"}};
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(PlainNumber(value), text) << text;
  }
  // A blank before numbers that are not negative, and one blank after for printing.
  const std::pair<double, const char*> signedCases[] = {
      {5, " 5"}, {-5, "-5"}, {0.25, " .25"}, {-0.0, " 0"}, {std::nan(""), " *"}};
  for (const auto& [value, text] : signedCases) {
    EXPECT_EQ(SignedNumber(value), text);
    EXPECT_EQ(PrintNumber(value), text + std::string(" "));
  }
  EXPECT_EQ(PrintNumber(-1e20), "-1E+20 ");
  EXPECT_EQ(PrintNumber(-kInfinity), " * ");
}

}  // namespace
}  // namespace calvora

#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace calvora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(SingleText, SevenSignificantDigitsOrTheExponentFormAndNeverMinusZeroOrNan) {
  using Case = std::pair<float, const char*>;
  const Case cases[] = {Case(2.5f, "2.5"),
                        Case(-0.125f, "-0.125"),
                        Case(100.0f, "100"),
                        Case(0.1f, "0.1"),
                        Case(999.7f, "999.7"),
                        Case(1020.5f, "1020.5"),
                        Case(1.0f / 3, "0.3333333"),
                        Case(1234567.0f, "1234567"),
                        Case(12345678.0f, "1.234568E+07"),
                        Case(1e-5f, "1E-05"),
                        Case(0.0001f, "0.0001"),
                        Case(-3e38f, "-3E+38"),
                        Case(-0.0f, "0"),
                        Case(std::nanf(""), "*"),
                        Case(-std::numeric_limits<float>::infinity(), "*")};
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(SingleText(value), text) << text;
  }
}

TEST(PlainNumber, FifteenDigitsWithoutLeadingZeroOrTheExponentFormAndSignedForms) {
  // A float widened to double shows its binary value: callers round first.
  using Case = std::pair<double, const char*>;
  const Case cases[] = {Case(0.25, ".25"),
                        Case(-0.5, "-.5"),
                        Case(1020.5, "1020.5"),
                        Case(100, "100"),
                        Case(0.1 + 0.2, ".3"),
                        Case(1.0 / 3, ".333333333333333"),
                        Case(123456789012345.0, "123456789012345"),
                        Case(static_cast<double>(999.7f), "999.700012207031"),
                        Case(1e15, "1E+15"),
                        Case(999999999999999.9, "1E+15"),
                        Case(1.5e-5, "1.5E-05"),
                        Case(0.0001, ".0001"),
                        Case(-2.5e100, "-2.5E+100"),
                        Case(-0.0, "0"),
                        Case(std::nan(""), "*"),
                        Case(kInfinity, "*"),
                        Case(-kInfinity, "*")};
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(PlainNumber(value), text) << text;
  }
  // A blank before numbers that are not negative, and one blank after for printing.
  const Case signedCases[] = {Case(5, " 5"), Case(-5, "-5"), Case(0.25, " .25"), Case(-0.0, " 0"),
                              Case(std::nan(""), " *")};
  for (const auto& [value, text] : signedCases) {
    EXPECT_EQ(SignedNumber(value), text);
    EXPECT_EQ(PrintNumber(value), text + std::string(" "));
  }
  EXPECT_EQ(PrintNumber(-1e20), "-1E+20 ");
  EXPECT_EQ(PrintNumber(-kInfinity), " * ");
}

}  // namespace
}  // namespace calvora

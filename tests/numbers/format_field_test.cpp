#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "numbers/number_text.h"

namespace calvora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Case {
  double value;
  const char* pattern;
  const char* text;
};

TEST(FormatField, RightAlignedInThePatternsWidthLosingTheLeftmostCharacters) {
  // The minus sign belongs to the text and may be cut; a value rounding to zero has none. Literals
  // stand where the pattern has them; the minus before the digits. The width counts characters, not
  // bytes; a cut never splits one. Numbers that are not finite fill the field with stars.
  const Case cases[] = {Case(3.14159, "###0.00", "   3.14"),
                        Case(0, "##0.00", "  0.00"),
                        Case(1, "####0", "    1"),
                        Case(95, "###", " 95"),
                        Case(2.675, "##0.00", "  2.68"),
                        Case(1234.5, "#######0.00", "    1234.50"),
                        Case(123456, "##0.00", "456.00"),
                        Case(1000000.5, "#####.##", "000000.5"),
                        Case(1e20, "0", "0"),
                        Case(-3.14159, "###0.00", "  -3.14"),
                        Case(-2.5, "#0", "-3"),
                        Case(-2.5, "0", "3"),
                        Case(-123.456, "###0.00", "-123.46"),
                        Case(-123.456, "##0.00", "123.46"),
                        Case(-0.004, "##0.00", "  0.00"),
                        Case(-0.0, "0", "0"),
                        Case(12.5, " #####0.00º", "     12.50º"),
                        Case(150.25, "##0.00º", "150.25º"),
                        Case(1.25, "#0.00º", " 1.25º"),
                        Case(3, "  ###0.00", "     3.00"),
                        Case(-5, " #####0.00º", "     -5.00º"),
                        Case(2, "#.##", "  2."),
                        Case(12345, "º#0.00", "345.00"),
                        Case(12345.678, "#0.00º", "45.68º"),
                        Case(std::nan(""), "##0.00", "******"),
                        Case(kInfinity, "#0.00º", "******"),
                        Case(-kInfinity, "###0", "****")};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatField(c.value, c.pattern), c.text) << c.value << " in " << c.pattern;
  }
  EXPECT_EQ(FormatField(-12.5, std::string(50, '#') + ".00"), std::string(47, ' ') + "-12.50");
}

TEST(FormatNumber, HashPlacesSuppressLeadingZerosZeroPlacesKeepThemAndNoDigitIsCut) {
  const Case cases[] = {
      Case(12.5, " #####0.00º", " 12.50º"), Case(7, "KM 0", "KM 7"),
      Case(-5, " #####0.00º", " -5.00º"), Case(-0.25, "#.##", "-.25"),
      Case(-0.004, "#####.##", "."), Case(0.25, "#.##", ".25"), Case(2, "#.##", "2."),
      Case(2.5, "#.##", "2.5"), Case(2.5, "#.0#", "2.5"), Case(2, "#.0#", "2.0"),
      Case(0.004, "#####.##", "."), Case(5.5, "000.00", "005.50"), Case(5, "0##", "005"),
      Case(0, "###", ""), Case(5.25, ".00", "5.25"), Case(0.25, ".00", ".25"),
      Case(123456, "##0.00", "123456.00"), Case(1e20, "0", "100000000000000000000"),
      // Beyond fifteen significant digits the places are zeros.
      Case(123456789012345678.0, "0", "123456789012346000"),
      Case(1.0 / 3, "0.000000000000000000", "0.333333333333333000"),
      Case(std::nan(""), " #0.00º", "*******")};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " in " << c.pattern;
  }
  EXPECT_EQ(FormatField(12.5, " #####0.00º").size(), 12u);  // eleven characters, "º" two bytes
}

TEST(FormatField, ReadsBackAsTheRoundedValue) {
  std::mt19937_64 random(6122026);
  std::uniform_real_distribution<double> values(-1e5, 1e5);
  for (int i = 0; i < 20000; ++i) {
    const double value = values(random);
    ASSERT_EQ(LeadingNumber(FormatNumber(value, "#####0.000")), RoundTo(value, 3)) << value;
    ASSERT_EQ(LeadingNumber(FormatNumber(value, "#####.##")), RoundTo(value, 2)) << value;
  }
}

TEST(FormatWholeField, IsFormatFieldWhereTheNumberFitsAndTheWholeNumberWhereItDoesNot) {
  EXPECT_EQ(FormatWholeField(1100, "##0.00").text, "1100.00");
  EXPECT_EQ(FormatWholeField(1000.125, "##0.00º").text, "1000.13º");  // a half: general path
  EXPECT_EQ(FormatWholeField(99.996, "#0.00").text, "100.00");
  EXPECT_TRUE(FormatWholeField(std::nan(""), "##0.00").fits);
  std::mt19937_64 random(6122026);
  std::uniform_int_distribution<int> digits(0, 9);
  const char* patterns[] = {"##0.00",  "###0.00", "####0.00", "#####0.00", " #####0.00º",
                            "##0.00º", "#0.00",   "###0",     "####0",     "  ###0.00"};
  for (int i = 0; i < 20000; ++i) {
    // Values of every width up to nine integer digits, halves among them.
    const double value = std::ldexp(digits(random) - 4.5, digits(random) * 3) +
                         (i % 4 == 0 ? 0.125 : 0.001 * digits(random));
    for (const char* pattern : patterns) {
      const WholeField field = FormatWholeField(value, pattern);
      const std::string whole = FormatNumber(value, pattern);
      const bool fits = whole.size() <= std::string(pattern).size();
      ASSERT_EQ(field.fits, fits) << value << " " << pattern;
      ASSERT_EQ(field.text, fits ? FormatField(value, pattern) : whole) << value << " " << pattern;
    }
  }
}

}  // namespace
}  // namespace calvora

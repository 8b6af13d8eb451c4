#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(FormatField, RightAlignsInThePatternWidth) {
  EXPECT_EQ(FormatField(3.14159, "###0.00"), "   3.14");
  EXPECT_EQ(FormatField(0, "##0.00"), "  0.00");
  EXPECT_EQ(FormatField(1, "####0"), "    1");
  EXPECT_EQ(FormatField(95, "###"), " 95");
  EXPECT_EQ(FormatField(2.675, "##0.00"), "  2.68");
  EXPECT_EQ(FormatField(1234.5, "#######0.00"), "    1234.50");
  EXPECT_EQ(FormatField(-12.5, std::string(50, '#') + ".00"), std::string(47, ' ') + "-12.50");
}

TEST(FormatField, LongerTextLosesItsLeftmostCharacters) {
  EXPECT_EQ(FormatField(123456, "##0.00"), "456.00");
  EXPECT_EQ(FormatField(1000000.5, "#####.##"), "000000.5");
  EXPECT_EQ(FormatField(1e20, "0"), "0");
}

TEST(FormatField, MinusSignBelongsToTheTextAndMayBeCut) {
  EXPECT_EQ(FormatField(-3.14159, "###0.00"), "  -3.14");
  EXPECT_EQ(FormatField(-2.5, "#0"), "-3");
  EXPECT_EQ(FormatField(-2.5, "0"), "3");
  EXPECT_EQ(FormatField(-123.456, "###0.00"), "-123.46");
  EXPECT_EQ(FormatField(-123.456, "##0.00"), "123.46");
}

TEST(FormatField, ValueRoundingToZeroHasNoSign) {
  EXPECT_EQ(FormatField(-0.004, "##0.00"), "  0.00");
  EXPECT_EQ(FormatField(-0.0, "0"), "0");
  EXPECT_EQ(FormatNumber(-0.004, "#####.##"), ".");
}

TEST(FormatField, LiteralsStandWhereThePatternHasThem) {
  EXPECT_EQ(FormatNumber(12.5, " #####0.00º"), " 12.50º");
  EXPECT_EQ(FormatField(12.5, " #####0.00º"), "     12.50º");
  EXPECT_EQ(FormatField(150.25, "##0.00º"), "150.25º");
  EXPECT_EQ(FormatField(1.25, "#0.00º"), " 1.25º");
  EXPECT_EQ(FormatField(3, "  ###0.00"), "     3.00");
  EXPECT_EQ(FormatNumber(7, "KM 0"), "KM 7");
}

TEST(FormatField, MinusStandsBeforeTheDigitsNotBeforeLeadingLiterals) {
  EXPECT_EQ(FormatNumber(-5, " #####0.00º"), " -5.00º");
  EXPECT_EQ(FormatField(-5, " #####0.00º"), "     -5.00º");
  EXPECT_EQ(FormatNumber(-0.25, "#.##"), "-.25");
}

TEST(FormatField, WidthCountsCharactersNotBytes) {
  const std::string field = FormatField(12.5, " #####0.00º");
  EXPECT_EQ(field.size(), 12u);  // eleven characters, "º" takes two bytes
  // A cut never splits a character: the "º" in front goes as a whole.
  EXPECT_EQ(FormatField(12345, "º#0.00"), "345.00");
  EXPECT_EQ(FormatField(12345.678, "#0.00º"), "45.68º");
}

TEST(FormatField, HashPlacesSuppressLeadingZerosAndZeroPlacesKeepThem) {
  EXPECT_EQ(FormatNumber(0.25, "#.##"), ".25");
  EXPECT_EQ(FormatNumber(2, "#.##"), "2.");
  EXPECT_EQ(FormatField(2, "#.##"), "  2.");
  EXPECT_EQ(FormatNumber(2.5, "#.##"), "2.5");
  EXPECT_EQ(FormatNumber(2.5, "#.0#"), "2.5");
  EXPECT_EQ(FormatNumber(2, "#.0#"), "2.0");
  EXPECT_EQ(FormatNumber(0.004, "#####.##"), ".");
  EXPECT_EQ(FormatNumber(5.5, "000.00"), "005.50");
  EXPECT_EQ(FormatNumber(5, "0##"), "005");
  EXPECT_EQ(FormatNumber(0, "###"), "");
  EXPECT_EQ(FormatNumber(5.25, ".00"), "5.25");
  EXPECT_EQ(FormatNumber(0.25, ".00"), ".25");
}

TEST(FormatField, IntegerPartIsNeverCut) {
  EXPECT_EQ(FormatNumber(123456, "##0.00"), "123456.00");
  EXPECT_EQ(FormatNumber(1e20, "0"), "100000000000000000000");
  // Beyond fifteen significant digits the places are zeros.
  EXPECT_EQ(FormatNumber(123456789012345678.0, "0"), "123456789012346000");
  EXPECT_EQ(FormatNumber(1.0 / 3, "0.000000000000000000"), "0.333333333333333000");
}

TEST(FormatField, NumbersThatAreNotFiniteFillTheFieldWithStars) {
  EXPECT_EQ(FormatField(std::nan(""), "##0.00"), "******");
  EXPECT_EQ(FormatField(std::numeric_limits<double>::infinity(), "#0.00º"), "******");
  EXPECT_EQ(FormatField(-std::numeric_limits<double>::infinity(), "###0"), "****");
  EXPECT_EQ(FormatNumber(std::nan(""), " #0.00º"), "*******");
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

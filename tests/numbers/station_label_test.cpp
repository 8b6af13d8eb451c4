#include <gtest/gtest.h>

#include <cmath>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(StationLabel, KilometresAndMetresRoundedToTheGivenDecimals) {
  struct Case {
    double station;
    int digits;
    const char* label;
  };
  const Case cases[] = {
      Case(1020.5, 3, "1+20.5"), Case(20, 3, "0+20"), Case(0.25, 3, "0+.25"), Case(0, 3, "0+0"),
      Case(-0.0, 3, "0+0"), Case(12000, 3, "12+0"), Case(1234.56789, 4, "1+234.5679"),
      Case(1234.56789, 3, "1+234.568"), Case(1000.0004, 3, "1+0"),
      // Float noise does not leak; a carry goes into the kilometres.
      Case(1999.7, 3, "1+999.7"), Case(1000 + static_cast<double>(999.7f), 3, "1+999.7"),
      Case(1000 + static_cast<double>(0.1f), 4, "1+.1"), Case(1999.9996, 3, "2+0"),
      Case(999.99999, 4, "1+0"),
      // Negative stations count kilometres downward.
      Case(-20, 3, "-1+980"), Case(-1000, 3, "-1+0"), Case(-0.0000001, 7, "-1+999.9999999"),
      Case(-0.00000001, 7, "0+0"), Case(-1e-14, 14, "0+0"),  // 1000 - 1e-14 is 1000
      // Extreme magnitudes use the exponent form; no finite number, a star.
      Case(1e20, 3, "1E+17+0"), Case(0.00001, 6, "0+1E-05"), Case(0.00001, 3, "0+0"),
      Case(NAN, 3, "*"), Case(-INFINITY, 3, "*")};
  for (const Case& c : cases) {
    EXPECT_EQ(StationLabel(c.station, c.digits), c.label) << c.station;
  }
  // Far beyond any road the label still holds metres below 1000.
  const std::string huge = StationLabel(1.2345678901234567e20, 3);
  const double metres = LeadingNumber(huge.substr(huge.rfind('+') + 1));
  EXPECT_GE(metres, 0) << huge;
  EXPECT_LT(metres, 1000) << huge;
}

TEST(StationText, KilometresPlusMetresInThreePlacesAndTwoDecimals) {
  const struct {
    double station;
    const char* text;
  } cases[] = {{20, "0+020.00"},         {0, "0+000.00"},    {1003.5, "1+003.50"},
               {12999.996, "13+000.00"}, {-20, "-1+980.00"}, {999.994, "0+999.99"}};
  for (const auto& c : cases) {
    EXPECT_EQ(StationText(c.station), c.text) << c.station;
  }
}

}  // namespace
}  // namespace calvora

#include <gtest/gtest.h>

#include <cmath>

#include "numbers/number_text.h"

namespace calvora {
namespace {

TEST(StationLabel, SplitsIntoKilometresAndMetres) {
  EXPECT_EQ(StationLabel(1020.5, 3), "1+20.5");
  EXPECT_EQ(StationLabel(20, 3), "0+20");
  EXPECT_EQ(StationLabel(0.25, 3), "0+.25");
  EXPECT_EQ(StationLabel(0, 3), "0+0");
  EXPECT_EQ(StationLabel(-0.0, 3), "0+0");
  EXPECT_EQ(StationLabel(12000, 3), "12+0");
}

TEST(StationLabel, RoundsTheMetresToTheGivenDecimals) {
  EXPECT_EQ(StationLabel(1234.56789, 4), "1+234.5679");
  EXPECT_EQ(StationLabel(1234.56789, 3), "1+234.568");
  EXPECT_EQ(StationLabel(1000.0004, 3), "1+0");
}

TEST(StationLabel, FloatNoiseDoesNotLeak) {
  EXPECT_EQ(StationLabel(1999.7, 3), "1+999.7");
  EXPECT_EQ(StationLabel(1000 + static_cast<double>(999.7f), 3), "1+999.7");
  EXPECT_EQ(StationLabel(1000 + static_cast<double>(0.1f), 4), "1+.1");
}

TEST(StationLabel, CarryGoesIntoTheKilometres) {
  EXPECT_EQ(StationLabel(1999.9996, 3), "2+0");
  EXPECT_EQ(StationLabel(999.99999, 4), "1+0");
}

TEST(StationLabel, NegativeStationsCountKilometresDownward) {
  EXPECT_EQ(StationLabel(-20, 3), "-1+980");
  EXPECT_EQ(StationLabel(-1000, 3), "-1+0");
  EXPECT_EQ(StationLabel(-0.0000001, 7), "-1+999.9999999");
  EXPECT_EQ(StationLabel(-0.00000001, 7), "0+0");
}

TEST(StationLabel, ExtremeMagnitudesUseTheExponentForm) {
  EXPECT_EQ(StationLabel(1e20, 3), "1E+17+0");
  // Far beyond any road the label still holds metres below 1000.
  const std::string huge = StationLabel(1.2345678901234567e20, 3);
  const double metres = LeadingNumber(huge.substr(huge.rfind('+') + 1));
  EXPECT_GE(metres, 0) << huge;
  EXPECT_LT(metres, 1000) << huge;
  EXPECT_EQ(StationLabel(0.00001, 6), "0+1E-05");
  EXPECT_EQ(StationLabel(0.00001, 3), "0+0");
}

TEST(StationLabel, NumbersThatAreNotFiniteShowAStar) {
  EXPECT_EQ(StationLabel(std::nan(""), 3), "*");
  EXPECT_EQ(StationLabel(-INFINITY, 3), "*");
}

}  // namespace
}  // namespace calvora

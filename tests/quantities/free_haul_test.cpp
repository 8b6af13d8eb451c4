// The free-haul chord across a crest or trough of the mass curve, by hand.

#include "quantities/free_haul.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

// Up 0 to 1000 m3 over 0..200 m (5 m3/m), down to -500 at 300 m (15 m3/m), up to 0 at 400 m.
MassHaul Curve(double sign) {
  MassHaul haul;
  const double ordinates[] = {0, 500, 1000, -500, 0};
  for (int i = 0; i < 5; ++i) {
    haul.Ordinates.push_back({i + 1, 100.0 * i, 0, 0, sign * ordinates[i]});
  }
  return haul;
}

TEST(FreeHaul, ChordOfTheLengthAcrossTheExtreme) {
  // Across the crest at level h: from h / 5 to 200 + (1000 - h) / 15, 100 m long at h = 625.
  // Across the trough at -500 (up 15 m3/m before, 5 after) at level -h': from 300 - (500 - h')
  // / 15 to 300 + (500 - h') / 5, 100 m long at h' = 125.
  const struct {
    double sign;
    std::size_t index;
    double freeHaul;
    std::optional<FreeHaulLine> expected;
  } cases[] = {
      {1, 2, 100, FreeHaulLine{125, 225, 625}},
      {-1, 2, 100, FreeHaulLine{125, 225, -625}},
      {1, 3, 100, FreeHaulLine{275, 375, -125}},
      {1, 2, 266, FreeHaulLine{0.5, 266.5, 2.5}},  // near the higher of the two sides' lows
      {1, 2, 267, std::nullopt},                   // wider than the curve around it
      {1, 0, 100, std::nullopt},                   // an end point is no extreme
      {1, 2, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.sign << " " << c.index << " " << c.freeHaul);
    const auto line = FreeHaulAcross(Curve(c.sign), c.index, c.freeHaul);
    ASSERT_EQ(line.has_value(), c.expected.has_value());
    if (line) {
      EXPECT_NEAR(line->From, c.expected->From, 1e-6);
      EXPECT_NEAR(line->To, c.expected->To, 1e-6);
      EXPECT_NEAR(line->Ordinate, c.expected->Ordinate, 1e-6);
    }
  }
}

}  // namespace
}  // namespace calvora

#include "alignment/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace calvora {
namespace {

TEST(PlaneGeometry, AzimuthCoversTheFourQuadrantsCounterclockwiseFromX) {
  const PlanePoint o{10, 20};
  // Within the difference between pi and the constant the program uses.
  EXPECT_NEAR(Azimuth({11, 21}, o), kAlignmentPi / 4, 1e-9);
  EXPECT_NEAR(Azimuth({9, 21}, o), 3 * kAlignmentPi / 4, 1e-9);
  EXPECT_NEAR(Azimuth({9, 19}, o), 5 * kAlignmentPi / 4, 1e-9);
  EXPECT_NEAR(Azimuth({11, 19}, o), 7 * kAlignmentPi / 4, 1e-9);
  EXPECT_DOUBLE_EQ(Azimuth({11, 20}, o), 0);
  EXPECT_DOUBLE_EQ(Azimuth({9, 20}, o), kAlignmentPi);
  EXPECT_DOUBLE_EQ(Azimuth({10, 25}, o), kAlignmentPi / 2);
  EXPECT_DOUBLE_EQ(Azimuth({10, 15}, o), 3 * kAlignmentPi / 2);
  EXPECT_DOUBLE_EQ(Azimuth(o, o), kAlignmentPi / 2);
}

TEST(PlaneGeometry, PointAlongGoesFromTheFirstPointTowardsTheSecondAndBeyond) {
  const PlanePoint a{1, 1};
  const PlanePoint b{4, 5};  // 5 m away
  const PlanePoint between = PointAlong(a, b, 2.5);
  EXPECT_NEAR(between.x, 2.5, 1e-12);
  EXPECT_NEAR(between.y, 3, 1e-12);
  const PlanePoint beyond = PointAlong(a, b, 10);
  EXPECT_NEAR(beyond.x, 7, 1e-12);
  EXPECT_NEAR(beyond.y, 9, 1e-12);
  const PlanePoint level = PointAlong({0, 3}, {-8, 3}, 2);
  EXPECT_NEAR(level.x, -2, 1e-12);
  EXPECT_NEAR(level.y, 3, 1e-12);
  EXPECT_EQ(PointAlong(a, a, 3), a);
}

TEST(PlaneGeometry, ToLocalAndFromLocalAreInverse) {
  const PlanePoint origin{100, -50};
  const double alpha = 0.7;
  const PlanePoint p{130, -10};
  const PlanePoint local = ToLocal(p, origin, alpha);
  EXPECT_NEAR(std::hypot(local.x, local.y), std::hypot(30, 40), 1e-12);
  const PlanePoint back = FromLocal(origin, alpha, local.x, local.y);
  EXPECT_NEAR(back.x, p.x, 1e-9);
  EXPECT_NEAR(back.y, p.y, 1e-9);
  // With angle 0 and the origin negated it shifts the point.
  const PlanePoint shifted = ToLocal({1, 2}, {-3, -4}, 0);
  EXPECT_DOUBLE_EQ(shifted.x, 4);
  EXPECT_DOUBLE_EQ(shifted.y, 6);
}

}  // namespace
}  // namespace calvora

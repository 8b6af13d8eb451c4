#include "alignment/plane_geometry.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

// Azimuths and local frames are measured through the designs and plan coordinates.
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

}  // namespace
}  // namespace calvora

// The walk of a line against the ground where the two only touch: a hair apart at a catch
// point, along a stretch between fill and cut, at one point inside a body.

#include "section/body_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "section/section_areas.h"

namespace calvora {
namespace {

struct TouchCase {
  const char* name;
  std::vector<SectionPoint> design;
  std::vector<PolygonKind> kinds;
  std::vector<double> areas;
  std::vector<double> spans;  // left and right offset of each body
};

const std::vector<SectionPoint> kFlatGround{{-10, 100}, {10, 100}};
constexpr double kHair = 1e-12;  // the rounding a catch point from an intersection carries

TEST(BodyWalk, LinesThatOnlyTouchMakeNoBodyAndNoSpike) {
  const std::vector<TouchCase> cases{
      {"cut ending a hair above the ground",
       {{-4, 100}, {0, 98}, {4, 100 + kHair}},
       {PolygonKind::Cut},
       {8},
       {-4, 4}},
      {"fill ending a hair below the ground",
       {{-4, 100}, {0, 102}, {4, 100 - kHair}},
       {PolygonKind::Fill},
       {8},
       {-4, 4}},
      {"fill and cut apart by a stretch along the ground",
       {{-6, 100}, {-4, 102}, {-2, 100}, {2, 100}, {4, 98}, {6, 100}},
       {PolygonKind::Fill, PolygonKind::Cut},
       {4, 4},
       {-6, -2, 2, 6}},
      {"fill touching the ground at one point",
       {{-4, 100}, {-2, 102}, {0, 100 + kHair}, {2, 102}, {4, 100}},
       {PolygonKind::Fill},
       {8},
       {-4, 4}},
  };
  for (const TouchCase& c : cases) {
    const WalkLines lines{c.design, kFlatGround, kFlatGround, c.design.front().x,
                          c.design.back().x};
    std::vector<SectionPolygon> strips;
    WalkScratch scratch;
    const std::vector<SectionPolygon> bodies = WalkDesignLine(lines, 0, strips, scratch);
    ASSERT_EQ(bodies.size(), c.kinds.size()) << c.name;
    for (std::size_t b = 0; b < bodies.size(); ++b) {
      const std::vector<SectionPoint>& ring = bodies[b].Points;
      EXPECT_EQ(bodies[b].Kind, c.kinds[b]) << c.name;
      EXPECT_NEAR(PolygonArea(ring), c.areas[b], 1e-9) << c.name;
      const auto [left, right] = std::minmax_element(
          ring.begin(), ring.end(), [](SectionPoint p, SectionPoint q) { return p.x < q.x; });
      EXPECT_EQ(left->x, c.spans[2 * b]) << c.name;
      EXPECT_EQ(right->x, c.spans[2 * b + 1]) << c.name;
      for (std::size_t i = 1; i < ring.size(); ++i) {  // no point a hair from the one before
        EXPECT_GT(std::hypot(ring[i].x - ring[i - 1].x, ring[i].y - ring[i - 1].y), 1e-9) << c.name;
      }
    }
  }
}

}  // namespace
}  // namespace calvora

#include "section/segments_intersect.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace calvora {
namespace {

TEST(SegmentsIntersect, MeetOnlyInsideBothSegmentsAndNeverWhenParallel) {
  struct Case {
    const char* name;
    SectionPoint a, b, c, d;
    bool meet;
    SectionPoint at = {};
    double tolerance = 0;  // exact but for a vertex not on the binary grid
  };
  // A 1:3 slope through a ground vertex at an offset that is not a binary fraction.
  const SectionPoint vertex{7.3, 100.1};
  const SectionPoint start{vertex.x - 3.1, vertex.y + 3.1 / 3};
  const Case cases[] = {
      {"crossing", {0, 0}, {4, 4}, {0, 4}, {4, 0}, true, {2, 2}},
      {"horizontal and sloped", {0, 1}, {10, 1}, {2, 0}, {4, 4}, true, {2.5, 1}},
      {"vertical and horizontal", {5, -3}, {5, 3}, {0, 1}, {10, 1}, true, {5, 1}},
      {"a shared end point", {0, 0}, {2, 2}, {2, 2}, {5, 0}, true, {2, 2}},
      {"lines crossing beyond the first segment's end", {0, 0}, {2, 2}, {0, 6}, {6, 0}, false},
      {"collinear horizontals", {0, 1}, {4, 1}, {2, 1}, {6, 1}, false},
      {"parallel horizontals", {0, 1}, {4, 1}, {0, 2}, {4, 2}, false},
      {"collinear sloped", {0, 0}, {2, 2}, {1, 1}, {3, 3}, false},
      {"parallel sloped", {0, 0}, {2, 2}, {0, 1}, {2, 3}, false},
      {"collinear verticals", {1, 0}, {1, 5}, {1, 2}, {1, 8}, false},
      {"a slope ending on a ground vertex", start, vertex, {2.2, 99.7}, vertex, true, vertex, 1e-9},
      {"a slope through a ground vertex",
       start,
       {vertex.x + 3, vertex.y - 1},
       vertex,
       {9.1, 101},
       true,
       vertex,
       1e-9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SectionPoint r{7, 7};
    ASSERT_EQ(SegmentsIntersect(c.a, c.b, c.c, c.d, r), c.meet);
    const SectionPoint expected = c.meet ? c.at : SectionPoint{7, 7};  // untouched when apart
    EXPECT_NEAR(r.x, expected.x, c.tolerance);
    EXPECT_NEAR(r.y, expected.y, c.tolerance);
    const auto within = [&r](SectionPoint p, SectionPoint q) {
      return std::min(p.x, q.x) <= r.x && r.x <= std::max(p.x, q.x) && std::min(p.y, q.y) <= r.y &&
             r.y <= std::max(p.y, q.y);
    };
    EXPECT_TRUE(!c.meet || (within(c.a, c.b) && within(c.c, c.d))) << "never beyond an end";
  }
}

}  // namespace
}  // namespace calvora

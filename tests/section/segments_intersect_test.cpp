#include "section/segments_intersect.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

TEST(SegmentsIntersect, CrossingSegmentsMeetAtTheirCrossing) {
  SectionPoint r;
  ASSERT_TRUE(SegmentsIntersect({0, 0}, {4, 4}, {0, 4}, {4, 0}, r));
  EXPECT_DOUBLE_EQ(r.x, 2);
  EXPECT_DOUBLE_EQ(r.y, 2);
}

TEST(SegmentsIntersect, HorizontalMeetsSlopedAndVertical) {
  SectionPoint r;
  ASSERT_TRUE(SegmentsIntersect({0, 1}, {10, 1}, {2, 0}, {4, 4}, r));
  EXPECT_DOUBLE_EQ(r.x, 2.5);
  EXPECT_DOUBLE_EQ(r.y, 1);
  ASSERT_TRUE(SegmentsIntersect({5, -3}, {5, 3}, {0, 1}, {10, 1}, r));
  EXPECT_DOUBLE_EQ(r.x, 5);
  EXPECT_DOUBLE_EQ(r.y, 1);
}

TEST(SegmentsIntersect, TwoHorizontalSegmentsNeverMeetEvenWhenCollinear) {
  SectionPoint r{7, 7};
  EXPECT_FALSE(SegmentsIntersect({0, 1}, {4, 1}, {2, 1}, {6, 1}, r));
  EXPECT_FALSE(SegmentsIntersect({0, 1}, {4, 1}, {0, 2}, {4, 2}, r));
  EXPECT_EQ(r, (SectionPoint{7, 7}));
}

TEST(SegmentsIntersect, ParallelSegmentsNeverMeetEvenWhenCollinear) {
  SectionPoint r;
  EXPECT_FALSE(SegmentsIntersect({0, 0}, {2, 2}, {1, 1}, {3, 3}, r));
  EXPECT_FALSE(SegmentsIntersect({0, 0}, {2, 2}, {0, 1}, {2, 3}, r));
  EXPECT_FALSE(SegmentsIntersect({1, 0}, {1, 5}, {1, 2}, {1, 8}, r));
}

TEST(SegmentsIntersect, SharedEndPointCountsOnlyInsideBothSegments) {
  SectionPoint r;
  ASSERT_TRUE(SegmentsIntersect({0, 0}, {2, 2}, {2, 2}, {5, 0}, r));
  EXPECT_EQ(r, (SectionPoint{2, 2}));
  // The lines cross at (3, 3), beyond the end of the first segment.
  EXPECT_FALSE(SegmentsIntersect({0, 0}, {2, 2}, {0, 6}, {6, 0}, r));
}

TEST(SegmentsIntersect, MeetingAtAGroundVertexSurvivesRounding) {
  // A 1:3 slope through a ground vertex at an offset that is not a binary fraction.
  const SectionPoint vertex{7.3, 100.1};
  const SectionPoint start{vertex.x - 3.1, vertex.y + 3.1 / 3};
  SectionPoint r;
  EXPECT_TRUE(SegmentsIntersect(start, vertex, {2.2, 99.7}, vertex, r));
  EXPECT_TRUE(SegmentsIntersect(start, {vertex.x + 3, vertex.y - 1}, vertex, {9.1, 101}, r));
  EXPECT_NEAR(r.x, vertex.x, 1e-9);
}

}  // namespace
}  // namespace calvora

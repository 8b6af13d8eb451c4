#include "quantities/sections_ahead.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "section/section_engine.h"
#include "support/road_project.h"

namespace calvora {
namespace {

using testing::Road;
using testing::TwoLaneRoad;
using testing::TwoLaneSection;

// Fill, cut and mixed sections in turn.
testing::RoadRecords RollingRoad(int count) {
  std::vector<double> elevations;
  for (int i = 0; i < count; ++i) {
    elevations.push_back(99 + 0.5 * (i % 7));
  }
  return TwoLaneRoad(elevations);
}

TEST(SectionsAhead, HandsOverEverySectionInOrderAsTheEngineComputesIt) {
  Road road(RollingRoad(150));                   // several batches
  road.Rewrite(70, TwoLaneSection(70, 101, 2));  // a data error: the ground ends inside the lanes
  SectionEngine engine;
  SectionsAhead ahead(road.state, 150);
  for (int n = 1; n <= 150; ++n) {
    const AheadSection got = ahead.Next();
    const float station = engine.ComputeSection(road.state, n);
    const SectionResults& r = engine.Results();
    const SectionAreas areas = ComputeSectionAreas(r);
    ASSERT_EQ(got.Slot.Number, n);
    EXPECT_EQ(got.Slot.Station, station) << n;
    EXPECT_EQ(got.Slot.Kilo, r.Section.Kilo) << n;
    EXPECT_EQ(got.Slot.Meter, r.Section.Meter) << n;
    EXPECT_EQ(got.Slot.LeftSideState, r.SideState[-1]) << n;
    EXPECT_EQ(got.Valid, r.Valid()) << n;
    EXPECT_FALSE(got.BadVariant);
    EXPECT_EQ(got.Messages, r.Messages) << n;
    EXPECT_EQ(got.Slot.Areas.CutArea, areas.CutArea) << n;
    EXPECT_EQ(got.Slot.Areas.FillArea, areas.FillArea) << n;
    EXPECT_EQ(got.Slot.Areas.FsLength, areas.FsLength) << n;
    EXPECT_EQ(got.Slot.Areas.PolygonArea, areas.PolygonArea) << n;
  }
  EXPECT_THROW(ahead.Next(), std::logic_error);  // all 150 were handed over
}

TEST(SectionsAhead, NothingFollowsABadVariantNumber) {
  Road road(RollingRoad(100));
  SectionRecord bad = TwoLaneSection(40, 101);
  bad.Var = 9;
  road.Rewrite(40, bad);
  SectionsAhead ahead(road.state, 100);
  for (int n = 1; n < 40; ++n) {
    ASSERT_FALSE(ahead.Next().BadVariant) << n;
  }
  const AheadSection fortieth = ahead.Next();
  EXPECT_TRUE(fortieth.BadVariant);
  EXPECT_EQ(fortieth.Messages,
            std::vector<std::string>{"Bad Variant number at station :  0+780Section No. =( 40)"});
  EXPECT_THROW(ahead.Next(), std::logic_error);
}

TEST(SectionsAhead, AReadErrorIsRethrownAtTheSectionThatCouldNotBeRead) {
  Road road(RollingRoad(100));
  // Cut short behind the project's back: the open file still counts 100 records.
  std::filesystem::resize_file(road.File(".DAT"), 60 * SectionRecord::kLength);
  SectionsAhead ahead(road.state, 100);
  for (int n = 1; n <= 60; ++n) {
    ASSERT_EQ(ahead.Next().Slot.Number, n);
  }
  EXPECT_THROW(ahead.Next(), FileError);
  EXPECT_THROW(ahead.Next(), std::logic_error);
}

// A worker that did not stop when left would hang here; the sanitizer build checks it leaves
// nothing behind.
TEST(SectionsAhead, LeavingEarlyStopsTheComputation) {
  Road road(RollingRoad(3000));
  {
    SectionsAhead ahead(road.state, 3000);
    for (int n = 1; n <= 3; ++n) {
      ASSERT_EQ(ahead.Next().Slot.Number, n);
    }
  }
  const SectionsAhead untouched(road.state, 3000);
}

}  // namespace
}  // namespace calvora

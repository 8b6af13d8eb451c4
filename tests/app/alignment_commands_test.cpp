// calvora coordinates, curves, spirals, elevations and widen on small projects: exit status,
// what they say, and the files they write or leave alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

#include "support/alignment_project.h"

namespace calvora {
namespace {

using testing::AlignmentProject;
using testing::ElevationRecord;
using testing::XyRecord;

// Ground falling from 100 at 5 m to 99 at 10 m on both sides.
SectionRecord Narrow(double station) {
  return testing::SectionWithGround(station, {{5, 100}, {10, 99}}, {{5, 100}, {10, 99}});
}
SectionRecord Wide(double station) {
  return testing::SectionWithGround(station, {{30, 100}, {60, 99}}, {{30, 100}, {60, 99}});
}

struct Road {
  std::vector<AlignmentRecord> alignment;
  std::vector<SectionRecord> sections = {};
};

// Straight north with elevations; a corner at 50 on the straight.
const Road kStraight{{XyRecord(0, 0), ElevationRecord(0, 100), XyRecord(0, 50),
                      ElevationRecord(100, 101), XyRecord(0, 100)}};
// North, east, north, north-east: three corners.
const Road kCorners{{XyRecord(0, 0), XyRecord(0, 600), XyRecord(600, 600), XyRecord(600, 1200),
                     XyRecord(1200, 1400)}};
// Two corners with curves of 229 m (right, then left).
const Road kCurves{
    {XyRecord(0, 0),
     testing::CurveRecord(PointCode::RightTurnStart, 0, 229, 0, std::numbers::pi / 2),
     XyRecord(0, 600),
     testing::CurveRecord(PointCode::LeftTurnStart, 0, 229, 0, std::numbers::pi / 2),
     XyRecord(600, 600), XyRecord(600, 1200)}};
// A corner on the straight line through its neighbours.
const Road kDegenerate{{XyRecord(0, 0),
                        testing::CurveRecord(PointCode::LeftTurnStart, 0, 100, 0, 0.5),
                        XyRecord(0, 50), XyRecord(0, 100)}};
const Road kGrade{{ElevationRecord(0, 100), ElevationRecord(200, 102)}, {Narrow(50), Narrow(200)}};
const Road kTwoAtOneStation{
    {ElevationRecord(0, 100), ElevationRecord(100, 101), ElevationRecord(100, 102)}, {Narrow(50)}};
const Road kGround{{}, {Narrow(0), Wide(20)}};

struct Case {
  const char* command;
  const Road* road;
  const char* first;  // a run before, which must succeed ("" none)
  int status;
  const char* shown;   // part of stdout or stderr
  const char* output;  // the file written on success ("" none); on failure no file changes
};

const Case kCases[] = {
    {"coordinates ROAD.PRJ", &kStraight, "", 0, "Written:\n  ", "ROAD.XYZ"},
    {"coordinates ROAD.PRJ --interval 30 --out other.XYZ", &kStraight, "", 0, "", "other.XYZ"},
    {"coordinates ROAD.PRJ --out other.XYZ", &kStraight, "coordinates ROAD.PRJ --out other.XYZ", 2,
     "--yes", ""},
    {"coordinates ROAD.PRJ --out other.XYZ --yes", &kStraight,
     "coordinates ROAD.PRJ --out other.XYZ --interval 7", 0, "", "other.XYZ"},
    {"coordinates ROAD.PRJ", &kDegenerate, "", 1, "Corner 1 lies on one straight line", ""},
    {"curves ROAD.PRJ --speed 80 --radius 300 --radius 250", &kCorners, "", 0, "Written:\n  ",
     "ROAD_D.CRV"},
    {"curves ROAD.PRJ", &kCorners, "", 2, "--speed", ""},
    {"curves ROAD.PRJ --speed 80 --radius 300 --radius -5", &kCorners, "", 2,
     "Curve No. 2 needs a radius of 0 or more.", ""},
    {"curves ROAD.PRJ --speed 80 --radius 300 --radius -5 --yes", &kCorners,
     "curves ROAD.PRJ --speed 80", 1, "Curve No. 2 needs a radius of 0 or more.", ""},
    {"spirals ROAD.PRJ --speed 80 --parameter 150", &kCurves, "", 0, "Written:\n  ", "ROAD_K.CRV"},
    {"spirals ROAD.PRJ --speed 80 --parameter 5000 --yes", &kCurves, "spirals ROAD.PRJ --speed 80",
     1, "", ""},
    {"spirals ROAD.PRJ", &kCurves, "", 2, "--speed", ""},
    {"elevations ROAD.PRJ --yes", &kGrade, "", 0, "Backup:\n  ", "ROAD.DAT"},
    {"elevations ROAD.PRJ", &kGrade, "", 2, "--yes", ""},
    {"elevations ROAD.PRJ --yes", &kTwoAtOneStation, "", 1, "Two vertical points at station 0+100",
     ""},
    {"widen ROAD.PRJ --distance 50 --yes", &kGround, "", 0, "Updated:\n  ", "ROAD.DAT"},
    {"widen ROAD.PRJ --yes", &kGround, "", 2, "--distance", ""},
    {"widen ROAD.PRJ --distance 50", &kGround, "", 2, "--yes", ""},
    {"widen ROAD.PRJ --distance wide --yes", &kGround, "", 1, "", ""},
};

TEST(AlignmentCommands, ExitStatusMessagesAndFiles) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.command);
    const AlignmentProject project(c.road->alignment, c.road->sections);
    if (*c.first != '\0') {
      ASSERT_EQ(project.Run(c.first).status, 0);
    }
    testing::FolderSnapshot before = testing::Snapshot(project.Path(""));
    const testing::ProgramRun run = project.Run(c.command);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE((run.out + run.err).find(c.shown), std::string::npos) << run.out << run.err;
    testing::FolderSnapshot after = testing::Snapshot(project.Path(""));
    if (c.status == 0) {
      // The output named and new or changed; a backup beside the data file.
      EXPECT_NE(run.out.find(std::string(c.output) + "\n"), std::string::npos) << run.out;
      EXPECT_NE(after[c.output], before[c.output]);
      after.erase(c.output);
      before.erase(c.output);
      after.erase("ROAD.BAK");
    }
    EXPECT_TRUE(after == before) << "other files changed";
  }
}

// The first parameters of the records of the codes given, in file order.
std::vector<float> Params(const std::vector<AlignmentRecord>& records,
                          std::initializer_list<PointCode> codes) {
  std::vector<float> params;
  for (const AlignmentRecord& r : records) {
    if (std::any_of(codes.begin(), codes.end(), [&](PointCode code) { return r.Is(code); })) {
      params.push_back(r.Param1);
    }
  }
  return params;
}

TEST(AlignmentCommands, TheFilesHoldWhatWasAskedFor) {
  const AlignmentProject straight(kStraight.alignment, {});
  ASSERT_EQ(straight.Run("coordinates ROAD.PRJ --interval 30").status, 0);
  // The marks, the corner and the end: 0 30 50 60 90 100.
  EXPECT_EQ(testing::ReadXyz(straight.Path("ROAD.XYZ")).size(), 6u);

  const AlignmentProject corners(kCorners.alignment, {});
  const auto radii = [&] {
    const auto designed = corners.Alignment("ROAD_D.CRV");
    EXPECT_EQ(designed.size(), 2u + 3 * 3);
    return Params(designed, {PointCode::LeftTurnStart, PointCode::RightTurnStart});
  };
  // The given radii in corner order and the last one carried on; without radii the shipped
  // table's 229 m at 80 km/h.
  ASSERT_EQ(corners.Run("curves ROAD.PRJ --speed 80 --radius 300 --radius 250").status, 0);
  EXPECT_EQ(radii(), (std::vector<float>{300, 250, 250}));
  ASSERT_EQ(corners.Run("curves ROAD.PRJ --speed 80 --yes").status, 0);
  EXPECT_EQ(radii(), (std::vector<float>{229, 229, 229}));

  // Curve 1 as given; curve 2 the suggestion for 80 km/h and 229 m.
  const AlignmentProject curves(kCurves.alignment, {});
  ASSERT_EQ(curves.Run("spirals ROAD.PRJ --speed 80 --parameter 150").status, 0);
  const auto spiralled = curves.Alignment("ROAD_K.CRV");
  EXPECT_EQ(spiralled.size(), 2u + 2 * 5);
  EXPECT_EQ(Params(spiralled, {PointCode::FirstSpiralStart}), (std::vector<float>{150, 100}));

  // Ground from 5 m (100) to 10 m (99) prolonged to 40 m: 93; the wide section as it was.
  const AlignmentProject ground({}, kGround.sections);
  ASSERT_EQ(ground.Run("widen ROAD.PRJ --distance 40 --yes").status, 0);
  EXPECT_EQ(ground.Sections(), (std::vector<SectionRecord>{
                                   testing::SectionWithGround(0, {{5, 100}, {10, 99}, {40, 93}},
                                                              {{5, 100}, {10, 99}, {40, 93}}),
                                   Wide(20)}));
}

}  // namespace
}  // namespace calvora

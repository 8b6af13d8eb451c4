#include "alignment/plan_coordinates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "alignment/plane_geometry.h"
#include "exact_clothoid.h"
#include "support/alignment_project.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::AlignmentProject;
using testing::CurveRecord;
using testing::ElevationRecord;
using testing::ExactClothoid;
using testing::ReadXyz;
using testing::ScriptedDialogs;
using testing::SpiralRecord;
using testing::VerticalCurveRecord;
using testing::XyRecord;
using testing::XyzLine;

std::vector<XyzLine> RunCoordinates(AlignmentProject& project, const std::string& interval) {
  const std::string out = project.Path("ROAD.XYZ").string();
  ScriptedDialogs dialogs;
  dialogs.ExpectInput("Distance between stations:", "", "20", interval)
      .ExpectSaveFile("Select XYZ File", out, out);
  SilentProgress progress;
  EXPECT_EQ(CalcPlanCoordinates().Run(project.State(), dialogs, progress), CommandResult::Done);
  return ReadXyz(out);
}

void ExpectStationsNeverDecrease(const std::vector<XyzLine>& lines) {
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_GE(lines[i].station, lines[i - 1].station) << "line " << i + 1;
  }
}

AlignmentRecord XyAt(double station, double x, double y) {
  AlignmentRecord r = XyRecord(x, y);
  r.Kilo = static_cast<std::int16_t>(station / 1000);
  r.Meter = static_cast<float>(station - r.Kilo * 1000);
  return r;
}

TEST(PlanCoordinates, StationsAtTheIntervalTheCornersAndTheEndLabelledByKilometre) {
  const struct {
    std::vector<AlignmentRecord> alignment;
    const char* interval;
    std::vector<std::string> labels;
  } cases[] = {
      // The corner (R = 0) at 50 gets one line; the marks go on at 60.
      {{XyRecord(0, 0), XyRecord(0, 50), XyRecord(0, 110)},
       "20",
       {"0+0", "0+20", "0+40", "0+50", "0+60", "0+80", "0+100", "0+110"}},
      {{XyAt(1999.7, 0, 0), XyRecord(30.25, 0)}, "20.5", {"1+999.7", "2+20.2", "2+29.95"}},
      {{XyAt(0.25, 0, 0), XyRecord(1020.25, 0)}, "1000", {"0+.25", "1+.25", "1+20.5"}},
  };
  for (const auto& c : cases) {
    AlignmentProject project;
    project.SetAlignment(c.alignment);
    std::vector<std::string> labels;
    for (const XyzLine& line : RunCoordinates(project, c.interval)) {
      labels.push_back(line.label);
      // Along the straight from the first point: the distance is the station's.
      EXPECT_NEAR(std::hypot(line.x, line.y), line.station - c.alignment[0].Station(), 1e-3);
    }
    EXPECT_EQ(labels, c.labels);
  }
  AlignmentProject project;
  project.SetAlignment({XyRecord(0, 0), XyRecord(0, 50)});
  RunCoordinates(project, "20");
  EXPECT_EQ(testing::ReadText(project.Path("ROAD.XYZ")).substr(0, 2 * 47),
            "0+0           "
            " 0            "
            " 0            "
            " 0 \r\n"
            "0+20          "
            " 0            "
            " 20           "
            " 0 \r\n");
}

// A circular arc from direction phi1 (seen from the centre at the origin) sweeping by `sweep`
// (negative: clockwise, a right turn), between tangents of 50 m before and after.
struct ArcCase {
  double phi1;
  double sweep;
  double radius;
};

PlanePoint OnCircle(double r, double phi) {
  return {r * std::cos(phi), r * std::sin(phi)};
}

void ExpectArcOnItsCircle(const ArcCase& c) {
  const double sigma = c.sweep < 0 ? -1 : 1;
  const double deflection = std::fabs(c.sweep);
  const double phi2 = c.phi1 + c.sweep;
  auto heading = [&](double phi) {
    return PlanePoint{-sigma * std::sin(phi), sigma * std::cos(phi)};
  };
  const PlanePoint tc = OnCircle(c.radius, c.phi1);
  const PlanePoint ct = OnCircle(c.radius, phi2);
  const double t = c.radius * std::tan(deflection / 2);
  const PlanePoint corner{tc.x + t * heading(c.phi1).x, tc.y + t * heading(c.phi1).y};
  const PlanePoint start{tc.x - 50 * heading(c.phi1).x, tc.y - 50 * heading(c.phi1).y};
  const PlanePoint end{ct.x + 50 * heading(phi2).x, ct.y + 50 * heading(phi2).y};
  AlignmentProject project;
  project.SetAlignment(
      {XyRecord(start.x, start.y),
       CurveRecord(sigma < 0 ? PointCode::RightTurnStart : PointCode::LeftTurnStart, 0, c.radius, 0,
                   deflection),
       XyRecord(corner.x, corner.y), XyRecord(end.x, end.y)});
  const auto lines = RunCoordinates(project, "5");
  ExpectStationsNeverDecrease(lines);
  const double arcLength = c.radius * deflection;
  int onArc = 0;
  for (const XyzLine& line : lines) {
    if (line.station < 50 - 1e-3 || line.station > 50 + arcLength + 1e-3) {
      continue;
    }
    ++onArc;
    // On the circle, within the sweep, at the angle its station says.
    const double phi = c.phi1 + sigma * (line.station - 50) / c.radius;
    EXPECT_NEAR(line.x, c.radius * std::cos(phi), 2e-3) << line.label;
    EXPECT_NEAR(line.y, c.radius * std::sin(phi), 2e-3) << line.label;
  }
  EXPECT_GE(onArc, static_cast<int>(arcLength / 5));
  EXPECT_NEAR(lines.back().station, 50 + arcLength + 50, 2e-3);
}

TEST(PlanCoordinates, ArcPointsLieOnTheCircleAndSweepTheShortWay) {
  // A right turn through zero: TC just above 0, CT just below 2 pi.
  ExpectArcOnItsCircle({0.1, -0.2, 100});
  // A left turn through zero.
  ExpectArcOnItsCircle({6.2, 0.3, 150});
  // A right turn of more than 90 degrees whose CT direction lies just below 2 pi.
  ExpectArcOnItsCircle({1.8, -2.0, 80});
  // A plain quarter circle to the left.
  ExpectArcOnItsCircle({4.0, 1.5707963, 120});
}

TEST(PlanCoordinates, SpiralsFollowTheClothoidAndTheArcItsCircle) {
  // Tangent along +X to the corner at (400, 0), then turning left by 60 degrees.
  const double r = 300, a = 150, deflection = 1.0471975512;
  const PlanePoint corner{400, 0};
  const PlanePoint end{400 + 400 * std::cos(deflection), 400 * std::sin(deflection)};
  AlignmentProject project;
  project.SetAlignment({XyRecord(0, 0), SpiralRecord(0, a),
                        CurveRecord(PointCode::LeftTurnStart, 0, r, 0, deflection),
                        XyRecord(corner.x, corner.y), XyRecord(end.x, end.y)});
  const auto lines = RunCoordinates(project, "10");
  ExpectStationsNeverDecrease(lines);

  // The main dimensions from the exact clothoid.
  const double ls = a * a / r, tau = ls / (2 * r);
  const ClothoidOffset spiralEnd = ExactClothoid(ls, a);
  const double p = spiralEnd.y - r * (1 - std::cos(tau));
  const double k = spiralEnd.x - r * std::sin(tau);
  const double ts = (r + p) * std::tan(deflection / 2) + k;
  const double tsStation = 400 - ts;
  const double centreY = r + p;  // the circle's centre lies at (tsStation + k, r + p)
  const double arcEnd = tsStation + ls + (deflection - 2 * tau) * r;
  int onSpiral = 0, onArc = 0;
  for (const XyzLine& line : lines) {
    const double l = line.station - tsStation;
    if (l > 0.5 && l < ls - 0.5) {
      ++onSpiral;
      const ClothoidOffset exact = ExactClothoid(l, a);
      EXPECT_NEAR(line.x, tsStation + exact.x, 0.02) << line.label;
      EXPECT_NEAR(line.y, exact.y, 0.0035 * exact.y + 0.02) << line.label;
    } else if (l >= ls + 0.5 && line.station < arcEnd - 0.5) {
      ++onArc;
      EXPECT_NEAR(std::hypot(line.x - (tsStation + k), line.y - centreY), r, 0.05) << line.label;
    }
  }
  EXPECT_GE(onSpiral, static_cast<int>(ls / 10) - 1);
  EXPECT_GT(onArc, 10);
  // ST lies on the second tangent, Ts from the corner, and is written with four decimals.
  const XyzLine& last = lines.back();
  EXPECT_NEAR(last.x, end.x, 1e-3);
  const auto st = std::find_if(lines.rbegin(), lines.rend(), [&](const XyzLine& line) {
    return std::fabs(std::hypot(line.x - corner.x, line.y - corner.y) - ts) < 0.05 && line.y > 1;
  });
  ASSERT_NE(st, lines.rend());
  EXPECT_NEAR(std::atan2(st->y - corner.y, st->x - corner.x), deflection, 1e-4);
}

TEST(PlanCoordinates, ElevationsFollowGradesAndVerticalCurves) {
  AlignmentProject project;
  project.SetAlignment({ElevationRecord(0, 100), XyRecord(0, 0), VerticalCurveRecord(200, 104, 100),
                        ElevationRecord(400, 100), XyRecord(500, 0)});
  const auto lines = RunCoordinates(project, "50");
  ASSERT_EQ(lines.size(), 12u);  // 0 .. 500 every 50, and the end point
  // The profile's values are checked with the project elevations.
  EXPECT_EQ(lines[4].z, 103.5);  // 0+200
  EXPECT_EQ(lines[9].z, 0);      // 0+450, beyond the last profile point
}

TEST(PlanCoordinates, RefusesBeforeAskingWhatItCannotCompute) {
  struct Case {
    std::vector<AlignmentRecord> records;
    std::string message;
  };
  std::vector<AlignmentRecord> tooMany{XyRecord(0, 0), XyRecord(100, 0)};
  for (int i = 0; i <= 100; ++i) {
    tooMany.push_back(ElevationRecord(i * 10, 100));
  }
  const std::vector<Case> cases{
      {tooMany,
       "The alignment file holds 101 elevation points; plan coordinates take at most 100."},
      {{XyRecord(0, 0), CurveRecord(PointCode::LeftTurnStart, 0, 100, 0, 0.5), XyRecord(100, 0),
        XyRecord(200, 0)},
       "Corner 1 lies on one straight line with its neighbours: no curve fits there."},
      {{XyRecord(0, 0), XyRecord(100, 0), CurveRecord(PointCode::LeftTurnStart, 0, 100, 0, 0.5),
        XyRecord(100, 0), XyRecord(200, 50)},
       "Corner 2 lies on the point before it: the tangent between them has no length."},
      {{XyRecord(0, 0), SpiralRecord(0, 100), XyRecord(100, 0), XyRecord(200, 50)},
       "The curve at corner 1 has spirals but a radius of 0."},
      {{XyRecord(0, 0), ElevationRecord(100, 10), ElevationRecord(100, 12), XyRecord(200, 50)},
       "Two vertical points at station 0+100: the stations of elevation points and vertical "
       "curves must increase."},
  };
  for (const Case& c : cases) {
    AlignmentProject project;
    project.SetAlignment(c.records);
    ScriptedDialogs dialogs;
    dialogs.ExpectMessage(c.message);
    SilentProgress progress;
    EXPECT_EQ(CalcPlanCoordinates().Run(project.State(), dialogs, progress),
              CommandResult::Stopped);
    EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD.XYZ"))) << c.message;
  }
}

TEST(PlanCoordinates, EmptyAnswerOrNoPolygonWritesNothingOrAnEmptyFile) {
  AlignmentProject project;
  project.SetAlignment({ElevationRecord(0, 100)});
  SilentProgress progress;
  ScriptedDialogs cancelled;
  cancelled.ExpectInput("Distance between stations:", "", "20", "");
  EXPECT_EQ(CalcPlanCoordinates().Run(project.State(), cancelled, progress),
            CommandResult::Stopped);
  EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD.XYZ")));

  ScriptedDialogs zero;
  zero.ExpectInput("Distance between stations:", "", "20", "abc").ExpectAnyMessage();
  EXPECT_EQ(CalcPlanCoordinates().Run(project.State(), zero, progress), CommandResult::Stopped);

  EXPECT_TRUE(RunCoordinates(project, "20").empty());
  EXPECT_TRUE(std::filesystem::exists(project.Path("ROAD.XYZ")));
}

}  // namespace
}  // namespace calvora

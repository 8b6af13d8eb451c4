// The plan's sheets: the axis through every point of the coordinate file at several scales and
// sheet sizes, the key to the neighbouring sheets, and the sheet of a road without X-Y points.

#include "drawing/plan_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "alignment/plan_coordinates.h"
#include "drawing/recording_device.h"
#include "support/alignment_project.h"
#include "support/recording_dialogs.h"
#include "support/road_project.h"

namespace calvora {
namespace {

double DistanceToSegment(PlanePoint p, PlanePoint a, PlanePoint b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double squared = dx * dx + dy * dy;
  const double t =
      squared == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squared, 0.0, 1.0);
  return Distance(p, {a.x + t * dx, a.y + t * dy});
}

struct DemoPlan {
  DemoPlan() {
    testing::CopyDemoRoad(folder.Path());
    testing::OpenProject(state, folder / "DEMO.PRJ");
    testing::RecordingDialogs dialogs;  // stations every 20 m, the proposed name
    SilentProgress progress;
    CalcPlanCoordinates coordinates;
    coordinates.Run(state, dialogs, progress);
    xyz = testing::ReadXyz(coordinates.WrittenFile());
  }
  testing::TempFolder folder;
  ProjectState state;
  std::vector<testing::XyzLine> xyz;
};

struct Scale {
  double denominator;
  PageFormat page;
  bool landscape;
};

TEST(PlanSheets, AxisPassesThroughEveryCoordinateLine) {
  const DemoPlan demo;
  ASSERT_GT(demo.xyz.size(), 50u);
  for (const Scale& scale : {Scale{1000, PageFormat::A3, true}, Scale{500, PageFormat::A4, false},
                             Scale{2500, PageFormat::A4, true}}) {
    SCOPED_TRACE(scale.denominator);
    const PlanSheets plan(demo.state, SheetSizeOf(scale.page, scale.landscape), scale.denominator);
    const PlanLayout& layout = plan.Layout();
    // The coordinate file's points carry 3 decimals.
    const double tolerance = kPlanDrawingTolerance * scale.denominator / 1000 + 0.001;
    std::vector<double> nearest(demo.xyz.size(), std::numeric_limits<double>::infinity());
    for (int sheet = 1; sheet <= plan.SheetCount(); ++sheet) {
      testing::RecordingDevice device;
      clsGraphic graphic;
      graphic.SetObject(device);
      plan.DrawSheet(graphic, sheet);
      for (const testing::DrawnLine& line : device.LinesOn("Axis", 4)) {
        const PlanePoint a = layout.OnPlane(sheet, {line.x1, line.y1});
        const PlanePoint b = layout.OnPlane(sheet, {line.x2, line.y2});
        for (std::size_t i = 0; i < demo.xyz.size(); ++i) {
          nearest[i] =
              std::min(nearest[i], DistanceToSegment({demo.xyz[i].x, demo.xyz[i].y}, a, b));
        }
      }
      for (const auto& [east, north] : {std::pair{1, 0}, {0, 1}}) {
        const int next = layout.Neighbour(sheet, east, north);
        EXPECT_TRUE(next == 0 || layout.Neighbour(next, -east, -north) == sheet);
      }
    }
    for (std::size_t i = 0; i < demo.xyz.size(); ++i) {
      EXPECT_LE(nearest[i], tolerance) << demo.xyz[i].label;
    }
  }
}

TEST(PlanSheets, WithoutPolygonPointsTheSheetSaysSo) {
  testing::AlignmentProject project;
  project.SetAlignment({testing::ElevationRecord(0, 100)});
  const PlanSheets plan(project.State(), SheetSizeOf(PageFormat::A4, true));
  ASSERT_EQ(plan.SheetCount(), 1);
  testing::RecordingDevice device;
  clsGraphic graphic;
  graphic.SetObject(device);
  plan.DrawSheet(graphic, 1);
  EXPECT_NE(device.TextStartingWith("The alignment file holds no X-Y point"), nullptr);
  EXPECT_TRUE(device.LinesOn("Axis", 4).empty());
}

}  // namespace
}  // namespace calvora

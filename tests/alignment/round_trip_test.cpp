#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "alignment/horizontal_curve_design.h"
#include "alignment/plan_coordinates.h"
#include "alignment/spiral_design.h"
#include "support/alignment_project.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::AlignmentProject;
using testing::ReadXyz;
using testing::ScriptedDialogs;
using testing::XyRecord;
using testing::XyzLine;

constexpr int kCorners = 4;

// Speed 80 and, at every corner, the suggestion for it: 229 m, then spirals of A = 100.
template <typename Command>
void Design(AlignmentProject& project, Command command, const std::string& out,
            const std::string& answer) {
  ScriptedDialogs dialogs;
  dialogs.ExpectInput("Design speed (km/h):", "", "65", "80")
      .ExpectSaveFile("Select CRV File", project.Path(out).string(), project.Path(out).string());
  for (int corner = 0; corner < kCorners; ++corner) {
    dialogs.ExpectAnyInput(answer);
  }
  SilentProgress progress;
  ASSERT_EQ(command.Run(project.State(), dialogs, progress), CommandResult::Done);
  project.SetAlignment(project.Alignment(out));
}

std::vector<XyzLine> Coordinates(AlignmentProject& project) {
  const std::string out = project.Path("ROAD.XYZ").string();
  ScriptedDialogs dialogs;
  dialogs.ExpectInput("Distance between stations:", "", "20", "10")
      .ExpectSaveFile("Select XYZ File", out, out);
  SilentProgress progress;
  EXPECT_EQ(CalcPlanCoordinates().Run(project.State(), dialogs, progress), CommandResult::Done);
  return ReadXyz(out);
}

void ExpectContinuous(const std::vector<XyzLine>& lines) {
  ASSERT_GT(lines.size(), 2u);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const XyzLine& a = lines[i - 1];
    const XyzLine& b = lines[i];
    const double step = b.station - a.station;
    const double jump = std::hypot(b.x - a.x, b.y - a.y);
    EXPECT_GE(step, 0) << b.label;
    EXPECT_LE(step, 10 + 1e-3) << b.label;
    // A chord is never longer than the stretch of road it spans.
    EXPECT_LE(jump, step + 0.01) << a.label << " to " << b.label;
  }
}

TEST(RoundTrip, CurvesThenSpiralsThenCoordinatesGiveAContinuousLine) {
  AlignmentProject project;
  project.State().AppDir = CALVORA_SOURCE_DIR "/data";
  project.SetAlignment({XyRecord(0, 0), XyRecord(500, 0), XyRecord(900, 300), XyRecord(1300, 100),
                        XyRecord(1700, 400), XyRecord(2200, 400)});
  Design(project, DesignHorizontalCurves(), "ROAD_D.CRV", "229");
  ExpectContinuous(Coordinates(project));
  Design(project, DesignSpirals(), "ROAD_K.CRV", "100");
  const auto spiralled = project.Alignment("ROAD_K.CRV");
  EXPECT_EQ(spiralled.size(), 2u + kCorners * 5);
  const auto lines = Coordinates(project);
  ExpectContinuous(lines);
  EXPECT_EQ(lines.front().x, 0);
  EXPECT_EQ(lines.back().x, 2200);
  EXPECT_EQ(lines.back().y, 400);
  // The last station is the last ST's plus the final tangent.
  const double lastSt = spiralled[spiralled.size() - 2].Station();
  const auto st = std::find_if(lines.rbegin(), lines.rend(),
                               [&](const XyzLine& line) { return line.station <= lastSt + 1e-3; });
  ASSERT_NE(st, lines.rend());
  EXPECT_NEAR(st->y, 400, 1e-3);
  EXPECT_NEAR(lines.back().station - st->station, 2200 - st->x, 2e-3);
}

}  // namespace
}  // namespace calvora

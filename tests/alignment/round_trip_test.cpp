#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "alignment/horizontal_curve_design.h"
#include "alignment/plan_coordinates.h"
#include "alignment/spiral_design.h"
#include "alignment_fixture.h"
#include "app/batch_dialogs.h"

namespace calvora {
namespace {

using testing::AlignmentProject;
using testing::ReadXyz;
using testing::XyRecord;
using testing::XyzLine;

// Every question answered with its default, the design speed with 80.
BatchDialogs DefaultAnswers(std::ostream& err) {
  BatchDialogs dialogs(err);
  dialogs.AnswerYes(true);
  dialogs.AnswerInput(QuestionId::DesignSpeed, AnswersInTurn({"80"}), "--speed");
  dialogs.AnswerInput(QuestionId::StationInterval, AnswersInTurn({"10"}), "--interval");
  dialogs.AnswerInput(QuestionId::ConfirmDesign, AnswersThenDefault({}), "--radius");
  return dialogs;
}

void ExpectContinuous(const std::vector<XyzLine>& lines, double interval) {
  ASSERT_GT(lines.size(), 2u);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const XyzLine& a = lines[i - 1];
    const XyzLine& b = lines[i];
    const double step = b.station - a.station;
    const double jump = std::hypot(b.x - a.x, b.y - a.y);
    EXPECT_GE(step, 0) << b.label;
    EXPECT_LE(step, interval + 1e-3) << b.label;
    // A chord is never longer than the stretch of road it spans.
    EXPECT_LE(jump, step + 0.01) << a.label << " to " << b.label;
    EXPECT_LE(jump, interval + 0.01) << a.label << " to " << b.label;
  }
}

TEST(RoundTrip, CurvesThenSpiralsThenCoordinatesGiveAContinuousLine) {
  AlignmentProject project;
  project.State().AppDir = CALVORA_SOURCE_DIR "/data";
  project.SetAlignment({XyRecord(0, 0), XyRecord(500, 0), XyRecord(900, 300), XyRecord(1300, 100),
                        XyRecord(1700, 400), XyRecord(2200, 400)});
  std::ostringstream err;
  SilentProgress progress;
  {
    BatchDialogs dialogs = DefaultAnswers(err);
    ASSERT_EQ(DesignHorizontalCurves().Run(project.State(), dialogs, progress), CommandResult::Done)
        << err.str();
  }
  project.SetAlignment(project.ReadAlignmentFile(project.Path("ROAD_D.CRV")));
  {
    BatchDialogs dialogs = DefaultAnswers(err);
    ASSERT_EQ(CalcPlanCoordinates().Run(project.State(), dialogs, progress), CommandResult::Done)
        << err.str();
    ExpectContinuous(ReadXyz(project.Path("ROAD.XYZ")), 10);
  }
  {
    BatchDialogs dialogs = DefaultAnswers(err);
    ASSERT_EQ(DesignSpirals().Run(project.State(), dialogs, progress), CommandResult::Done)
        << err.str();
  }
  const auto spiralled = project.ReadAlignmentFile(project.Path("ROAD_K.CRV"));
  EXPECT_EQ(spiralled.size(), 2u + 4 * 5);
  project.SetAlignment(spiralled);
  BatchDialogs dialogs = DefaultAnswers(err);
  ASSERT_EQ(CalcPlanCoordinates().Run(project.State(), dialogs, progress), CommandResult::Done)
      << err.str();
  const auto lines = ReadXyz(project.Path("ROAD.XYZ"));
  ExpectContinuous(lines, 10);
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

#include <gtest/gtest.h>

#include <filesystem>

#include "alignment_command_project.h"

namespace calvora::testing {
namespace {

std::vector<float> Parameters(const std::vector<AlignmentRecord>& records) {
  std::vector<float> parameters;
  for (const AlignmentRecord& r : records) {
    if (r.Is(PointCode::FirstSpiralStart)) {
      parameters.push_back(r.Param1);
    }
  }
  return parameters;
}

TEST(SpiralsCommand, DesignsSpiralsOnTheDesignedCurvesThenCoordinatesFollowThem) {
  const AlignmentCommandProject project(
      {XyPoint(0, 0), XyPoint(0, 600), XyPoint(600, 600), XyPoint(600, 1200)}, {});
  ASSERT_EQ(project.Run("curves ROAD.PRJ --speed 80").status, 0);
  project.SetAlignment(project.Alignment("ROAD_D.CRV"));
  const CommandRun run = project.Run("spirals ROAD.PRJ --speed 80 --parameter 150");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Written:\n  " + project.Path("ROAD_K.CRV").string() + "\n");
  const auto records = project.Alignment("ROAD_K.CRV");
  EXPECT_EQ(records.size(), 2u + 2 * 5);
  // Curve 1 as given; curve 2 the suggestion for 80 km/h and 229 m.
  EXPECT_EQ(Parameters(records), (std::vector<float>{150, 100}));

  // A parameter the corner cannot take ends the design; the file there stays as it was.
  const std::string designed = ReadText(project.Path("ROAD_K.CRV"));
  const CommandRun refused = project.Run("spirals ROAD.PRJ --speed 80 --parameter 5000 --yes");
  EXPECT_EQ(refused.status, 1) << refused.err;
  EXPECT_EQ(ReadText(project.Path("ROAD_K.CRV")), designed);

  project.SetAlignment(records);
  ASSERT_EQ(project.Run("coordinates ROAD.PRJ --interval 10").status, 0);
  EXPECT_FALSE(ReadText(project.Path("ROAD.XYZ")).empty());
}

TEST(SpiralsCommand, WithoutASpeedSaysWhichOptionAnswersIt) {
  const AlignmentCommandProject project({XyPoint(0, 0), XyPoint(0, 600), XyPoint(600, 600)}, {});
  const CommandRun run = project.Run("spirals ROAD.PRJ");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--speed"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace calvora::testing

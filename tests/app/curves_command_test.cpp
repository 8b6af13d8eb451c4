#include <gtest/gtest.h>

#include <filesystem>

#include "alignment_command_project.h"

namespace calvora::testing {
namespace {

AlignmentCommandProject ThreeCorners() {
  return AlignmentCommandProject(
      {XyPoint(0, 0), XyPoint(0, 600), XyPoint(600, 600), XyPoint(600, 1200), XyPoint(1200, 1400)},
      {});
}

std::vector<float> Radii(const std::vector<AlignmentRecord>& records) {
  std::vector<float> radii;
  for (const AlignmentRecord& r : records) {
    if (r.Is(PointCode::LeftTurnStart) || r.Is(PointCode::RightTurnStart)) {
      radii.push_back(r.Param1);
    }
  }
  return radii;
}

TEST(CurvesCommand, TakesTheGivenRadiiInCornerOrderAndCarriesTheLastOne) {
  const auto project = ThreeCorners();
  const CommandRun run = project.Run("curves ROAD.PRJ --speed 80 --radius 300 --radius 250");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Written:\n  " + project.Path("ROAD_D.CRV").string() + "\n");
  const auto records = project.Alignment("ROAD_D.CRV");
  EXPECT_EQ(records.size(), 2u + 3 * 3);
  EXPECT_EQ(Radii(records), (std::vector<float>{300, 250, 250}));
}

TEST(CurvesCommand, SuggestsTheTableRadiusForTheDesignSpeed) {
  const auto project = ThreeCorners();
  ASSERT_EQ(project.Run("curves ROAD.PRJ --speed 80").status, 0);
  // The shipped table: 229 m at 80 km/h.
  EXPECT_EQ(Radii(project.Alignment("ROAD_D.CRV")), (std::vector<float>{229, 229, 229}));
}

TEST(CurvesCommand, WithoutASpeedSaysWhichOptionAnswersIt) {
  const auto project = ThreeCorners();
  const CommandRun run = project.Run("curves ROAD.PRJ");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--speed"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD_D.CRV")));
}

TEST(CurvesCommand, ARefusedRadiusEndsTheDesignAndKeepsTheFileThere) {
  const auto project = ThreeCorners();
  const CommandRun noYes = project.Run("curves ROAD.PRJ --speed 80 --radius 300 --radius -5");
  EXPECT_EQ(noYes.status, 2);
  EXPECT_NE(noYes.err.find("Curve No. 2 needs a radius of 0 or more."), std::string::npos)
      << noYes.err;
  EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD_D.CRV")));
  ASSERT_EQ(project.Run("curves ROAD.PRJ --speed 80").status, 0);
  const CommandRun run = project.Run("curves ROAD.PRJ --speed 80 --radius 300 --radius -5 --yes");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Radii(project.Alignment("ROAD_D.CRV")), (std::vector<float>{229, 229, 229}));
}

}  // namespace
}  // namespace calvora::testing

#include <gtest/gtest.h>

#include <filesystem>

#include "alignment_command_project.h"

namespace calvora::testing {
namespace {

AlignmentCommandProject Straight() {
  return AlignmentCommandProject({XyPoint(0, 0), ElevationPoint(0, 100), XyPoint(0, 50),
                                  ElevationPoint(100, 101), XyPoint(0, 100)},
                                 {});
}

TEST(CoordinatesCommand, WritesTheProposedFileAndSaysWhere) {
  const auto project = Straight();
  const CommandRun run = project.Run("coordinates ROAD.PRJ");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto xyz = project.Path("ROAD.XYZ");
  EXPECT_EQ(run.out, "Written:\n  " + xyz.string() + "\n");
  const std::string text = ReadText(xyz);
  // Marks every 20 m and the corner and end points: 0 20 40 50 60 80 100 100.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8);
  EXPECT_NE(text.find("0+50          "
                      " 0            "
                      " 50           "
                      " 100.5 \r\n"),
            std::string::npos);
}

TEST(CoordinatesCommand, TakesTheIntervalAndAsksBeforeReplacing) {
  const auto project = Straight();
  ASSERT_EQ(project.Run("coordinates ROAD.PRJ --interval 30 --out other.XYZ").status, 0);
  const std::string first = ReadText(project.Path("other.XYZ"));
  EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 6);  // 0 30 50 60 90 100

  const CommandRun again = project.Run("coordinates ROAD.PRJ --out other.XYZ");
  EXPECT_EQ(again.status, 2);
  EXPECT_NE(again.err.find("--yes"), std::string::npos) << again.err;
  EXPECT_EQ(ReadText(project.Path("other.XYZ")), first);
  EXPECT_EQ(project.Run("coordinates ROAD.PRJ --out other.XYZ --yes").status, 0);
  EXPECT_NE(ReadText(project.Path("other.XYZ")), first);
}

TEST(CoordinatesCommand, RefusesADegenerateCornerWithStatusOne) {
  AlignmentRecord curve;
  curve.Code = static_cast<std::int16_t>(PointCode::LeftTurnStart);
  curve.Param1 = 100;
  curve.Param3 = 0.5f;
  const AlignmentCommandProject project({XyPoint(0, 0), curve, XyPoint(0, 50), XyPoint(0, 100)},
                                        {});
  const CommandRun run = project.Run("coordinates ROAD.PRJ");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Corner 1 lies on one straight line"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD.XYZ")));
}

}  // namespace
}  // namespace calvora::testing

#include <gtest/gtest.h>

#include <filesystem>

#include "alignment_command_project.h"

namespace calvora::testing {
namespace {

TEST(ElevationsCommand, WritesTheElevationsAfterABackupAndSaysWhere) {
  const AlignmentCommandProject project({ElevationPoint(0, 100), ElevationPoint(200, 102)},
                                        {SectionWithGround(50, 10), SectionWithGround(200, 10)});
  const auto before = ReadBytes(project.Path("ROAD.DAT"));
  const CommandRun run = project.Run("elevations ROAD.PRJ --yes");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Updated:\n  " + project.Path("ROAD.DAT").string() + "\nBackup:\n  " +
                         project.Path("ROAD.BAK").string() + "\n");
  EXPECT_EQ(ReadBytes(project.Path("ROAD.BAK")), before);
  const auto sections = project.Sections();
  EXPECT_EQ(sections[0].PRElev, 100.5f);
  EXPECT_EQ(sections[1].PRElev, 102);
}

TEST(ElevationsCommand, WithoutYesChangesNothing) {
  const AlignmentCommandProject project({ElevationPoint(0, 100), ElevationPoint(200, 102)},
                                        {SectionWithGround(50, 10)});
  const auto before = ReadBytes(project.Path("ROAD.DAT"));
  const CommandRun run = project.Run("elevations ROAD.PRJ");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--yes"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(project.Path("ROAD.DAT")), before);
  EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD.BAK")));
}

TEST(ElevationsCommand, RefusesTwoVerticalPointsAtOneStation) {
  const AlignmentCommandProject project(
      {ElevationPoint(0, 100), ElevationPoint(100, 101), ElevationPoint(100, 102)},
      {SectionWithGround(50, 10)});
  const auto before = ReadBytes(project.Path("ROAD.DAT"));
  const CommandRun run = project.Run("elevations ROAD.PRJ --yes");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Two vertical points at station 0+100"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(project.Path("ROAD.DAT")), before);
  EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD.BAK")));
}

}  // namespace
}  // namespace calvora::testing

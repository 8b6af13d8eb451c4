#include <gtest/gtest.h>

#include "alignment_command_project.h"

namespace calvora::testing {
namespace {

TEST(WidenCommand, WidensBothSidesOfEverySection) {
  const AlignmentCommandProject project({}, {SectionWithGround(0, 10), SectionWithGround(20, 60)});
  const CommandRun run = project.Run("widen ROAD.PRJ --distance 50 --yes");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Updated:\n  " + project.Path("ROAD.DAT").string() + "\n");
  const auto sections = project.Sections();
  // Ground from 5 m (100) to 10 m (99) prolonged to 50 m: 91.
  EXPECT_EQ(sections[0].PointCount[-1], -3);
  EXPECT_EQ(sections[0].GroundPoints(-3, 0), -50);
  EXPECT_EQ(sections[0].GroundPoints(-3, 1), 91);
  EXPECT_EQ(sections[0].PointCount[1], 3);
  EXPECT_EQ(sections[0].GroundPoints(3, 1), 91);
  EXPECT_EQ(sections[1], SectionWithGround(20, 60));  // already wider
}

TEST(WidenCommand, AQuestionWithoutItsOptionFailsWithStatusTwo) {
  const AlignmentCommandProject project({}, {SectionWithGround(0, 10)});
  const auto before = ReadBytes(project.Path("ROAD.DAT"));
  const CommandRun noDistance = project.Run("widen ROAD.PRJ --yes");
  EXPECT_EQ(noDistance.status, 2);
  EXPECT_NE(noDistance.err.find("--distance"), std::string::npos) << noDistance.err;
  const CommandRun noYes = project.Run("widen ROAD.PRJ --distance 50");
  EXPECT_EQ(noYes.status, 2);
  EXPECT_NE(noYes.err.find("--yes"), std::string::npos) << noYes.err;
  const CommandRun notANumber = project.Run("widen ROAD.PRJ --distance wide --yes");
  EXPECT_EQ(notANumber.status, 1);
  EXPECT_EQ(ReadBytes(project.Path("ROAD.DAT")), before);
}

}  // namespace
}  // namespace calvora::testing

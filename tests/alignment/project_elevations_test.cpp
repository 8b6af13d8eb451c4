#include "alignment/project_elevations.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/alignment_project.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::AlignmentProject;
using testing::ElevationRecord;
using testing::ScriptedDialogs;
using testing::SectionAt;
using testing::VerticalCurveRecord;
using testing::XyRecord;

constexpr const char* kQuestion =
    "This process will change the Data file contents.\rCalvora will create a backup of your data "
    "file.\rContinue ?\r";
constexpr float kUntouched = -7;

// Runs the calculation on sections at the given stations (all at kUntouched) and returns the
// project elevations.
std::vector<float> Elevations(const std::vector<AlignmentRecord>& alignment,
                              const std::vector<double>& stations) {
  AlignmentProject project;
  project.SetAlignment(alignment);
  std::vector<SectionRecord> sections;
  for (double station : stations) {
    sections.push_back(SectionAt(station, kUntouched));
  }
  project.SetSections(sections);
  ScriptedDialogs dialogs;
  dialogs.ExpectYesNo(kQuestion, true);
  SilentProgress progress;
  EXPECT_EQ(CalcProjectElevations().Run(project.State(), dialogs, progress), CommandResult::Done);
  std::vector<float> elevations;
  for (const SectionRecord& section : project.Sections()) {
    elevations.push_back(section.PRElev);
  }
  return elevations;
}

TEST(ProjectElevations, GradesAndVerticalCurvesBetweenThePoints) {
  const struct {
    const char* what;
    std::vector<AlignmentRecord> alignment;
    std::vector<double> stations;
    std::vector<float> elevations;
  } cases[] = {
      {"grades between elevation points",
       {XyRecord(5, 5), ElevationRecord(0, 100), ElevationRecord(200, 102)},
       {-10, 0, 50, 200, 250},
       {kUntouched, 100, 100.5f, 102, kUntouched}},
      // g1 = 2 %, g2 = -2 %, e = -0.5, from 150 to 250.
      {"a vertical curve between two grades",
       {ElevationRecord(0, 100), VerticalCurveRecord(200, 104, 100), ElevationRecord(400, 100)},
       {100, 150, 200, 240, 300, 400},
       {102, 103, 103.5f, 103.18f, 102, 100}},
      // The first curve's second half (240) keeps its parabola; the straight between the
      // curves (300) follows the grade from the first mid point to the second curve's start.
      {"the second of two curves starts where the first ends",
       {ElevationRecord(0, 100), VerticalCurveRecord(200, 104, 100),
        VerticalCurveRecord(400, 100, 100), ElevationRecord(600, 100)},
       {150, 240, 300, 400, 500},
       {103, 103.18f, 102, 100.25f, 100}},
      {"a curve at the end of the survey is not overwritten by the next grade",
       {ElevationRecord(0, 100), VerticalCurveRecord(200, 104, 100), ElevationRecord(400, 100),
        ElevationRecord(600, 100)},
       {150, 220},
       {103, 103.42f}},
      {"the last curve's mid point ends the grade at its station",
       {ElevationRecord(0, 100), VerticalCurveRecord(200, 104, 100)},
       {150, 200, 250},
       {103, 104, kUntouched}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Elevations(c.alignment, c.stations), c.elevations) << c.what;
  }
}

class ProjectElevationFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    project.SetAlignment({ElevationRecord(0, 100), ElevationRecord(200, 102)});
    project.SetSections({SectionAt(50, 1), SectionAt(100, 2)});
    before = testing::ReadBytes(project.Path("ROAD.DAT"));
  }
  CommandResult Run(ScriptedDialogs& dialogs) {
    SilentProgress progress;
    return CalcProjectElevations().Run(project.State(), dialogs, progress);
  }
  AlignmentProject project;
  std::vector<std::uint8_t> before;
};

TEST_F(ProjectElevationFiles, BacksUpTheDataFileReplacingAnOldBackup) {
  EXPECT_EQ(DataBackupName("/x.y/ROAD.DAT"), "/x.y/ROAD.BAK");
  testing::WriteBytes(project.Path("ROAD.BAK"), {1, 2, 3});
  ScriptedDialogs dialogs;
  dialogs.ExpectYesNo(kQuestion, true);
  EXPECT_EQ(Run(dialogs), CommandResult::Done);
  EXPECT_EQ(testing::ReadBytes(project.Path("ROAD.BAK")), before);
  EXPECT_NE(testing::ReadBytes(project.Path("ROAD.DAT")), before);
  // Only the project elevation changed.
  auto sections = project.Sections();
  EXPECT_EQ(sections[0].PRElev, 100.5f);
  sections[0].PRElev = 1;
  EXPECT_EQ(sections[0], SectionAt(50, 1));
}

TEST_F(ProjectElevationFiles, NoChangesNothing) {
  ScriptedDialogs dialogs;
  dialogs.ExpectYesNo(kQuestion, false);
  EXPECT_EQ(Run(dialogs), CommandResult::Stopped);
  EXPECT_EQ(testing::ReadBytes(project.Path("ROAD.DAT")), before);
  EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD.BAK")));
}

// Two points at one station are refused through calvora elevations.
TEST_F(ProjectElevationFiles, RefusesVerticalPointsOutOfOrderBeforeTheBackup) {
  project.SetAlignment({ElevationRecord(300, 100), ElevationRecord(200, 102)});
  ScriptedDialogs dialogs;
  dialogs.ExpectMessage(
      "The vertical point at station 0+200 follows the one at station 0+300: the stations of "
      "elevation points and vertical curves must increase.");
  EXPECT_EQ(Run(dialogs), CommandResult::Stopped);
  EXPECT_EQ(testing::ReadBytes(project.Path("ROAD.DAT")), before);
  EXPECT_FALSE(std::filesystem::exists(project.Path("ROAD.BAK")));
}

}  // namespace
}  // namespace calvora

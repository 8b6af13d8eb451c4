#include "alignment/ground_widening.h"

#include <gtest/gtest.h>

#include "support/alignment_project.h"
#include "support/scripted_dialogs.h"
#include "support/stopping_progress.h"

namespace calvora {
namespace {

using testing::AlignmentProject;
using testing::ScriptedDialogs;

constexpr const char* kQuestion =
    "This process will change your data file contents. You have to make a backup by hand if you "
    "want. Continue ?";
constexpr const char* kPrompt = "Enter new distance from center line for both sides:";

SectionRecord Ground(const testing::OutwardPoints& left, const testing::OutwardPoints& right) {
  return testing::SectionWithGround(100, left, right);
}

// Each case on either side; once more changes nothing.
TEST(WidenSide, ProlongsTheOutermostSegmentOrLeavesTheSideAlone) {
  using Line = testing::OutwardPoints;
  Line nine;
  for (int i = 1; i <= 9; ++i) {
    nine.emplace_back(i, 100);
  }
  const struct {
    Line ground;
    float distance;
    SideWidening result;
    Line after;
  } cases[] = {
      {{{5, 100}, {10, 101}}, 50, SideWidening::Widened, {{5, 100}, {10, 101}, {50, 109}}},
      {{{10, 100}, {20, 99}}, 50, SideWidening::Widened, {{10, 100}, {20, 99}, {50, 96}}},
      // A distance no float holds.
      {{{5, 100}, {10, 101}},
       50.1f,
       SideWidening::Widened,
       {{5, 100}, {10, 101}, {50.1f, 109.02f}}},
      {{{10, 100}, {60, 99}}, 50, SideWidening::Unchanged, {{10, 100}, {60, 99}}},
      {{{50, 100}}, 50, SideWidening::Unchanged, {{50, 100}}},
      {nine, 50, SideWidening::Unchanged, nine},
      {{{5, 100}}, 50, SideWidening::NoSegment, {{5, 100}}},
      {{{5, 100}, {5, 101}}, 50, SideWidening::NoSegment, {{5, 100}, {5, 101}}},
  };
  const auto onSide = [](const Line& line, int side) {
    return side < 0 ? Ground(line, {}) : Ground({}, line);
  };
  for (const auto& c : cases) {
    for (const int side : {-1, 1}) {
      SCOPED_TRACE(::testing::PrintToString(c.ground) + " side " + std::to_string(side));
      SectionRecord s = onSide(c.ground, side);
      EXPECT_EQ(WidenSide(s, side, c.distance), c.result);
      EXPECT_EQ(s, onSide(c.after, side));
      const auto again = c.result == SideWidening::NoSegment ? c.result : SideWidening::Unchanged;
      EXPECT_EQ(WidenSide(s, side, c.distance), again);
      EXPECT_EQ(s, onSide(c.after, side));
    }
  }
  SectionRecord damaged = Ground({}, {});
  damaged.PointCount[1] = 12;
  damaged.PointCount[-1] = 3;
  EXPECT_EQ(WidenSide(damaged, 1, 50), SideWidening::NoSegment);
  EXPECT_EQ(WidenSide(damaged, -1, 50), SideWidening::NoSegment);
}

class WidenGroundFile : public ::testing::Test {
 protected:
  void SetUp() override {
    project.SetSections({Ground({{10, 100}, {20, 99}}, {{5, 100}, {10, 101}}),
                         Ground({{5, 100}}, {{5, 100}, {5, 101}})});
    before = testing::ReadBytes(project.Path("ROAD.DAT"));
  }
  CommandResult Run(ScriptedDialogs& dialogs, Progress& progress) {
    return WidenGround().Run(project.State(), dialogs, progress);
  }
  bool Unchanged() const { return testing::ReadBytes(project.Path("ROAD.DAT")) == before; }
  AlignmentProject project;
  std::vector<std::uint8_t> before;
};

TEST_F(WidenGroundFile, WidensEverySectionAndCountsTheSidesLeftAlone) {
  ScriptedDialogs dialogs;
  dialogs.ExpectYesNo(kQuestion, true)
      .ExpectInput(kPrompt, "", "50", "50")
      .ExpectMessage(
          "2 section sides were left as they were: they have fewer than two ground "
          "points, or their two outermost points share one offset.");
  SilentProgress progress;
  EXPECT_EQ(Run(dialogs, progress), CommandResult::Done);
  const auto sections = project.Sections();
  EXPECT_EQ(sections[0].PointCount[-1], -3);
  EXPECT_EQ(sections[0].GroundPoints(-3, 1), 96);
  EXPECT_EQ(sections[1], Ground({{5, 100}}, {{5, 100}, {5, 101}}));
}

TEST_F(WidenGroundFile, NoCancelOrNoNumberLeavesTheFileUntouched) {
  SilentProgress progress;
  ScriptedDialogs no;
  no.ExpectYesNo(kQuestion, false);
  EXPECT_EQ(Run(no, progress), CommandResult::Stopped);
  EXPECT_TRUE(Unchanged());

  ScriptedDialogs cancelled;
  cancelled.ExpectYesNo(kQuestion, true).ExpectInput(kPrompt, "", "50", "");
  EXPECT_EQ(Run(cancelled, progress), CommandResult::Stopped);
  EXPECT_TRUE(Unchanged());

  for (const char* answer : {"wide", "1e30", "10000.5"}) {
    ScriptedDialogs refused;
    refused.ExpectYesNo(kQuestion, true)
        .ExpectInput(kPrompt, "", "50", answer)
        .ExpectMessage(
            "The distance from the center line must be a number greater than 0 and at most "
            "10000 m; the data file is unchanged.");
    EXPECT_EQ(Run(refused, progress), CommandResult::Stopped) << answer;
    EXPECT_TRUE(Unchanged()) << answer;
  }
}

TEST_F(WidenGroundFile, StoppingKeepsTheSectionsDoneSoFar) {
  project.SetSections({Ground({{10, 100}, {20, 99}}, {}), Ground({{10, 100}, {20, 99}}, {})});
  ScriptedDialogs dialogs;
  dialogs.ExpectYesNo(kQuestion, true).ExpectInput(kPrompt, "", "50", "50").ExpectAnyMessage();
  testing::StoppingProgress progress(2);
  EXPECT_EQ(Run(dialogs, progress), CommandResult::Stopped);
  EXPECT_TRUE(progress.finished);
  const auto sections = project.Sections();
  EXPECT_EQ(sections[0].PointCount[-1], -3);
  EXPECT_EQ(sections[1].PointCount[-1], -2);
}

}  // namespace
}  // namespace calvora

// The longitudinal-section, mass-haul and plan windows without their widgets: their choices asked
// in input boxes, taken, refused or cancelled, and what the sheets then draw.

#include <gtest/gtest.h>

#include "shell/mass_haul_window_model.h"
#include "shell/plan_window_model.h"
#include "shell/profile_window_model.h"
#include "support/alignment_project.h"
#include "support/road_project.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::ScriptedDialogs;

constexpr SheetSize kSheet{60, 42};

struct ChoiceCase {
  const char* name;
  std::vector<std::string> answers;  // "" cancels
  const char* refusal;               // the message shown, "" for none
  bool taken;
};

void Script(ScriptedDialogs& dialogs, const ChoiceCase& c) {
  for (const std::string& answer : c.answers) {
    dialogs.ExpectAnyInput(answer);
  }
  if (*c.refusal != '\0') {
    dialogs.ExpectMessage(c.refusal);
  }
}

TEST(ProfileWindowModel, ScalesAreTakenOnlyWhole) {
  const ChoiceCase cases[] = {
      {"both", {"500", "50"}, "", true},
      {"cancelled", {"500", ""}, "", false},
      {"zero", {"0"}, "Horizontal scale 1: must be a number above 0.", false},
      {"negative", {"1000", "-100"}, "Vertical scale 1: must be a number above 0.", false},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::Road road(testing::TwoLaneRoad(std::vector<double>(51, 100)));  // 1 km
    ScriptedDialogs dialogs;
    ProfileWindowModel model(road.state, dialogs);
    model.SetPage(kSheet);
    Script(dialogs, c);
    EXPECT_EQ(model.AskScales(), c.taken);
    EXPECT_EQ(model.Sheets().Scales.Horizontal, c.taken ? 500 : 1000);
    EXPECT_EQ(model.Sheets().Scales.Vertical, c.taken ? 50 : 100);
    EXPECT_EQ(model.SheetCount(), c.taken ? 8 : 4);  // 127 m or 254 m a sheet
  }
}

TEST(MassHaulWindowModel, OptionsComputeTheOrdinatesAgain) {
  const ChoiceCase cases[] = {
      {"all", {"0.8", "0", "500"}, "", true},
      {"cancelled", {"0.8", ""}, "", false},
      {"negative free haul",
       {"0.8", "-1"},
       "Free-haul distance (m, 0 for none): must be a number of at least 0.",
       false},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::Road road(testing::TwoLaneRoad({99.5, 99.5, 101}));  // cut, then fill
    ScriptedDialogs dialogs;
    MassHaulWindowModel model(road.state, dialogs);
    model.SetPage(kSheet);
    SilentProgress progress;
    model.Compute(progress);
    const double cut = model.Sheets().Haul.TotalCut;
    ASSERT_GT(cut, 0);
    Script(dialogs, c);
    EXPECT_EQ(model.AskOptions(progress), c.taken);
    EXPECT_NEAR(model.Sheets().Haul.TotalCut, c.taken ? 0.8 * cut : cut, 1e-9);
    EXPECT_EQ(model.Sheets().Options.Horizontal, c.taken ? 500 : 1000);
  }
}

TEST(PlanWindowModel, ScaleIsTakenOrRefused) {
  // A straight road of 1 km from west to east: at 1:1000 a 60-unit sheet holds some 290 m.
  const ChoiceCase cases[] = {
      {"smaller scale", {"5000"}, "", true},
      {"cancelled", {""}, "", false},
      {"zero", {"0"}, "Scale 1: must be a number above 0.", false},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    testing::AlignmentProject road(
        {testing::XyRecord(0, 0), testing::XyRecord(1000, 0), testing::ElevationRecord(0, 100),
         testing::ElevationRecord(1000, 100)},
        {});
    ScriptedDialogs dialogs;
    PlanWindowModel model(road.State(), dialogs);
    model.SetPage(kSheet);
    EXPECT_EQ(model.SheetCount(), 4);
    Script(dialogs, c);
    EXPECT_EQ(model.AskScale(), c.taken);
    EXPECT_EQ(model.Sheets().Scale, c.taken ? 5000 : 1000);
    EXPECT_EQ(model.SheetCount(), c.taken ? 1 : 4);
  }
}

TEST(PlanWindowModel, AScaleNeedingTooManySheetsIsRefused) {
  testing::AlignmentProject road(
      {testing::XyRecord(0, 0), testing::XyRecord(1000, 1000), testing::ElevationRecord(0, 100),
       testing::ElevationRecord(1500, 100)},
      {});
  ScriptedDialogs dialogs;
  PlanWindowModel model(road.State(), dialogs);
  model.SetPage(kSheet);
  dialogs.ExpectAnyInput("1");  // 1:1 needs some 5000 x 7000 sheets
  EXPECT_TRUE(model.AskScale());
  EXPECT_EQ(model.SheetCount(), 0);
  EXPECT_EQ(model.Sheets().SettingsProblem(),
            "Cannot draw the sheets: the scale 1:1 needs more than 10000 sheets.");
}

}  // namespace
}  // namespace calvora

#include "alignment/spiral_design.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numbers>

#include "support/alignment_project.h"
#include "support/scripted_dialogs.h"

namespace calvora {
namespace {

using testing::AlignmentProject;
using testing::CurveRecord;
using testing::ScriptedDialogs;
using testing::XyRecord;

constexpr const char* kTitle = "Spiral Design";
constexpr double kRadius = 300;
const double kDeflection = static_cast<float>(std::numbers::pi / 2);  // as the file holds it

// The prompt for a design at the corner 400 m from the start, worked out by hand from the
// series' shift p and tangent k: Ts = 400 - ((R + p) tan 45 + k), ST = Ts + Ls + 90 R pi / 180.
std::string SpiralPrompt(int n, const char* a, const char* ls, const char* ts, const char* st) {
  return "Spirals of Curve No. : " + std::to_string(n) + "\rSpiral Parameter = " + a +
         "\rSpiral Lenght = " + ls + "\rStart Station = " + ts + "\rEnd Station = " + st +
         "\r\rConfirm this design or enter new Spiral parameter for this curve:\r";
}
const std::string kA100 = SpiralPrompt(1, "100", "33.3333333333333", "0+83.1825", "0+587.7547");
const std::string kA300 = SpiralPrompt(1, "300", "300", "-1+938.9155", "0+710.1544");
const std::string kA400 = SpiralPrompt(1, "400", "533.333333333333", "-1+801.8822", "0+806.4545");

class SpiralDesign : public ::testing::Test {
 protected:
  void SetUp() override {
    // F = 0.12 at every speed: for V = 65 and R = 300 the superelevation length (8.1 m) is
    // shorter than the comfort length 0.036 V^3 / R = 32.96 m.
    project.WriteTable("AAshto.FRC",
                       "50,.12\n60,.12\n70,.12\n80,.12\n90,.12\n100,.12\n110,.12\n"
                       "120,.12\n");
    project.SetAlignment({XyRecord(0, 0),
                          CurveRecord(PointCode::RightTurnStart, 100, kRadius, 0, kDeflection),
                          XyRecord(0, 400), XyRecord(400, 400)});
  }
  std::string Out() const { return project.Path("ROAD_K.CRV").string(); }
  ScriptedDialogs& Start(ScriptedDialogs& dialogs) {
    return dialogs.ExpectInput("Design speed (km/h):", "", "65", "65")
        .ExpectSaveFile("Select CRV File", Out(), Out());
  }
  CommandResult Run(ScriptedDialogs& dialogs) {
    SilentProgress progress;
    return DesignSpirals().Run(project.State(), dialogs, progress);
  }
  AlignmentProject project;
};

TEST(SpiralParameter, SuggestsTheRootOfRadiusTimesLengthToHundreds) {
  // Ls1 = 0.036 * 65^3 / 300 = 32.96; A = sqrt(300 * 32.96) = 99.4 -> 100.
  EXPECT_EQ(SuggestedSpiralParameter(65, 300, 0.12), 100);
  // With F = 0.2 the superelevation length 13.65 * 65 * (0.2 - 0.1109) = 79.1 m rules: 154 -> 200.
  EXPECT_EQ(SuggestedSpiralParameter(65, 300, 0.2), 200);
  EXPECT_EQ(SuggestedSpiralParameter(0, 300, 0), 0);
}

TEST_F(SpiralDesign, ConfirmingTheSuggestionWritesTheFiveRecordsOfTheCorner) {
  ScriptedDialogs dialogs;
  Start(dialogs).ExpectInput(kA100, kTitle, "100", "100");
  EXPECT_EQ(Run(dialogs), CommandResult::Done);
  // Ls = 100^2 / 300, tau = Ls / 600; SC = TS + Ls; CS = SC + (90 degrees - 2 tau) R.
  const double ls = 100.0 / 3;
  const double tau = 1.0 / 18;
  EXPECT_EQ(
      project.Alignment("ROAD_K.CRV"),
      (std::vector<AlignmentRecord>{
          XyRecord(0, 0), CurveRecord(PointCode::FirstSpiralStart, 83.1825, 100, ls, tau),
          CurveRecord(PointCode::RightTurnStart, 116.5158, kRadius, 437.9055778, kDeflection),
          XyRecord(0, 400), CurveRecord(PointCode::HorizontalCurveEnd, 554.4214, 0, 0, 0),
          CurveRecord(PointCode::SecondSpiralEnd, 587.7547, 100, ls, tau), XyRecord(400, 400)}));
}

TEST_F(SpiralDesign, RefusesSpiralsLongerThanTheCurveAndRedesigns) {
  // A <= R sqrt(delta) = 375.99 keeps an arc between the spirals.
  ScriptedDialogs dialogs;
  Start(dialogs)
      .ExpectInput(kA100, kTitle, "100", "400")
      .ExpectInput(kA400, kTitle, "400", "400")
      .ExpectMessage(
          "The spirals of curve No. 1 are longer than the curve allows: enter a spiral "
          "parameter of at most 375.")
      .ExpectYesNo("Cancel the design process?", false)
      .ExpectInput(kA400, kTitle, "400", "300")
      .ExpectInput(kA300, kTitle, "300", "300");
  EXPECT_EQ(Run(dialogs), CommandResult::Done);
  EXPECT_FLOAT_EQ(project.Alignment("ROAD_K.CRV")[1].Param1, 300);
}

TEST_F(SpiralDesign, ACornerWithoutCurveKeepsItsRecordAndItsLengthInTheStations) {
  AlignmentRecord plain = XyRecord(0, 100);
  plain.Kilo = 7;  // whatever the record holds is kept
  project.SetAlignment({XyRecord(0, 0), plain,
                        CurveRecord(PointCode::RightTurnStart, 100, kRadius, 0, kDeflection),
                        XyRecord(0, 400), XyRecord(400, 400)});
  ScriptedDialogs dialogs;
  Start(dialogs).ExpectInput(SpiralPrompt(2, "100", "33.3333333333333", "0+83.1825", "0+587.7547"),
                             kTitle, "100", "100");
  EXPECT_EQ(Run(dialogs), CommandResult::Done);
  const auto r = project.Alignment("ROAD_K.CRV");
  ASSERT_EQ(r.size(), 8u);
  EXPECT_EQ(r[1], plain);
  EXPECT_FLOAT_EQ(r[2].Meter, 83.1825f);
}

TEST_F(SpiralDesign, RefusesANegativeRadiusAndAMissingTableGivesFrictionZero) {
  project.SetAlignment({XyRecord(0, 0), CurveRecord(PointCode::RightTurnStart, 0, -300, 0, 1),
                        XyRecord(0, 400), XyRecord(400, 400)});
  std::filesystem::remove(project.Path("AAshto.FRC"));
  ScriptedDialogs dialogs;
  dialogs.ExpectInput("Design speed (km/h):", "", "65", "65")
      .ExpectMessage("File not found : AAshto.FRC")
      .ExpectSaveFile("Select CRV File", Out(), Out())
      .ExpectMessage("The curve at corner 1 has a radius below 0.");
  EXPECT_EQ(Run(dialogs), CommandResult::Stopped);
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

}  // namespace
}  // namespace calvora

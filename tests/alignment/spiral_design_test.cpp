#include "alignment/spiral_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "alignment/clothoid_series.h"
#include "alignment/plane_geometry.h"
#include "numbers/number_text.h"
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

// The stations of a spiral design by the series, for a corner `distance` after the reference.
struct Expected {
  double ls, tau, ts, sc, cs, st;
};

Expected ExpectedFor(double a, double distance) {
  Expected e{};
  e.ls = a * a / kRadius;
  e.tau = e.ls / (2 * kRadius);
  const ClothoidOffset end = ClothoidPoint(e.ls, e.ls, e.tau * 180 / 3.141592654);
  const double p = end.y - kRadius * (1 - std::cos(e.tau));
  const double k = end.x - kRadius * std::sin(e.tau);
  e.ts = distance - ((kRadius + p) * std::tan(kDeflection / 2) + k);
  e.sc = e.ts + e.ls;
  e.cs = e.sc + (kDeflection - 2 * e.tau) * kRadius;
  e.st = e.cs + e.ls;
  return e;
}

std::string SpiralPrompt(int n, double a, const Expected& e) {
  return "Spirals of Curve No. : " + std::to_string(n) + "\rSpiral Parameter = " + PlainNumber(a) +
         "\rSpiral Lenght = " + PlainNumber(e.ls) + "\rStart Station = " + StationLabel(e.ts, 4) +
         "\rEnd Station = " + StationLabel(e.st, 4) +
         "\r\rConfirm this design or enter new Spiral parameter for this curve:\r";
}

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
  const Expected e = ExpectedFor(100, 400);
  ScriptedDialogs dialogs;
  Start(dialogs).ExpectInput(SpiralPrompt(1, 100, e), kTitle, "100", "100");
  EXPECT_EQ(Run(dialogs), CommandResult::Done);
  EXPECT_TRUE(dialogs.Done());

  const auto at = [](double station) { return RoundTo(station, 4); };
  const double ls = 100.0 * 100 / kRadius;
  EXPECT_EQ(
      project.Alignment("ROAD_K.CRV"),
      (std::vector<AlignmentRecord>{
          XyRecord(0, 0), CurveRecord(PointCode::FirstSpiralStart, at(e.ts), 100, ls, e.tau),
          CurveRecord(PointCode::RightTurnStart, at(e.sc), kRadius, e.cs - e.sc, kDeflection),
          XyRecord(0, 400), CurveRecord(PointCode::HorizontalCurveEnd, at(e.cs), 0, 0, 0),
          CurveRecord(PointCode::SecondSpiralEnd, at(e.st), 100, ls, e.tau), XyRecord(400, 400)}));
}

TEST_F(SpiralDesign, RefusesSpiralsLongerThanTheCurveAndRedesigns) {
  // A <= R sqrt(delta) = 375.99 keeps an arc between the spirals.
  ScriptedDialogs dialogs;
  Start(dialogs)
      .ExpectInput(SpiralPrompt(1, 100, ExpectedFor(100, 400)), kTitle, "100", "400")
      .ExpectInput(SpiralPrompt(1, 400, ExpectedFor(400, 400)), kTitle, "400", "400")
      .ExpectMessage(
          "The spirals of curve No. 1 are longer than the curve allows: enter a spiral "
          "parameter of at most 375.")
      .ExpectYesNo("Cancel the design process?", false)
      .ExpectInput(SpiralPrompt(1, 400, ExpectedFor(400, 400)), kTitle, "400", "300")
      .ExpectInput(SpiralPrompt(1, 300, ExpectedFor(300, 400)), kTitle, "300", "300");
  EXPECT_EQ(Run(dialogs), CommandResult::Done);
  EXPECT_TRUE(dialogs.Done());
  EXPECT_FLOAT_EQ(project.Alignment("ROAD_K.CRV")[1].Param1, 300);
}

TEST_F(SpiralDesign, ACornerWithoutCurveKeepsItsRecordAndItsLengthInTheStations) {
  AlignmentRecord plain = XyRecord(0, 100);
  plain.Kilo = 7;  // whatever the record holds is kept
  project.SetAlignment({XyRecord(0, 0), plain,
                        CurveRecord(PointCode::RightTurnStart, 100, kRadius, 0, kDeflection),
                        XyRecord(0, 400), XyRecord(400, 400)});
  ScriptedDialogs dialogs;
  Start(dialogs).ExpectInput(SpiralPrompt(2, 100, ExpectedFor(100, 400)), kTitle, "100", "100");
  EXPECT_EQ(Run(dialogs), CommandResult::Done);
  const auto r = project.Alignment("ROAD_K.CRV");
  ASSERT_EQ(r.size(), 8u);
  EXPECT_EQ(r[1], plain);
  EXPECT_FLOAT_EQ(r[2].Meter, static_cast<float>(RoundTo(ExpectedFor(100, 400).ts, 4)));
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

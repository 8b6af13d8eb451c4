#include "alignment/horizontal_curve_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "alignment/design_file.h"
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

constexpr const char* kTitle = "Horizontal curve Design";
constexpr const char* kTable =
    "50,80\r\n60,120\r\n70,170\r\n80,230\r\n90,300\r\n100,390\r\n110,500\r\n120,670\r\n";

std::string CurvePrompt(int n, double r, double length, const std::string& start,
                        const std::string& end) {
  return "Design of Horizontal curve No.: " + std::to_string(n) +
         "\rRadius suggestioned = " + PlainNumber(r) + "\rCurve Lenght = " + PlainNumber(length) +
         "\rStart Station = " + start + "\rEnd Station = " + end +
         "\r\rConfirm this design or enter new Radius for this curve:\r";
}

class CurveDesign : public ::testing::Test {
 protected:
  void SetUp() override {
    project.WriteTable("Asshto.rmi", kTable);
    // North 300 m, then a right turn of 90 degrees, east 300 m, then a left turn of 90 degrees.
    project.SetAlignment(
        {XyRecord(0, 0), XyRecord(0, 300), XyRecord(300, 300), XyRecord(300, 700)});
  }
  std::string Out() const { return project.Path("ROAD_D.CRV").string(); }
  ScriptedDialogs& Start(ScriptedDialogs& dialogs, const std::string& speed = "65") {
    return dialogs.ExpectInput("Design speed (km/h):", "", "65", speed)
        .ExpectSaveFile("Select CRV File", Out(), Out());
  }
  CommandResult Run(ScriptedDialogs& dialogs) {
    SilentProgress progress;
    return DesignHorizontalCurves().Run(project.State(), dialogs, progress);
  }
  AlignmentProject project;
};

TEST_F(CurveDesign, SuggestsFromTheTableConfirmsOrRedesignsAndWritesTheCurves) {
  // The right angles as the program measures them: the first corner from a tangent heading
  // north (the program's pi / 2 with pi = 3.141592654), the second from one heading east.
  const double quarter = kAlignmentPi / 2;
  const double second = std::numbers::pi / 2;
  ScriptedDialogs dialogs;
  Start(dialogs)
      // Speed 65 between the rows (60, 120) and (70, 170): 145.
      .ExpectInput(
          CurvePrompt(1, 145, quarter * 145, "0+155", StationLabel(155 + quarter * 145, 4)), kTitle,
          "145", "200")
      .ExpectInput(
          CurvePrompt(1, 200, quarter * 200, "0+100", StationLabel(100 + quarter * 200, 4)), kTitle,
          "200", "200")
      // The confirmed radius is the next corner's suggestion; its start follows the first CT.
      // Its tangents overlap the first curve's (200 + 200 > 300): stationed as they fall.
      .ExpectInput(CurvePrompt(2, 200, second * 200, StationLabel(quarter * 200, 4),
                               StationLabel((quarter + second) * 200, 4)),
                   kTitle, "200", "200");
  EXPECT_EQ(Run(dialogs), CommandResult::Done);

  const auto curveEnd = [](double station) {
    return CurveRecord(PointCode::HorizontalCurveEnd, RoundTo(station, 4), 0, 0, 0);
  };
  EXPECT_EQ(
      project.Alignment("ROAD_D.CRV"),
      (std::vector<AlignmentRecord>{
          XyRecord(0, 0), CurveRecord(PointCode::RightTurnStart, 100, 200, quarter * 200, quarter),
          XyRecord(0, 300), curveEnd(100 + quarter * 200),
          CurveRecord(PointCode::LeftTurnStart, RoundTo(quarter * 200, 4), 200, second * 200,
                      second),
          XyRecord(300, 300), curveEnd((quarter + second) * 200), XyRecord(300, 700)}));
}

TEST_F(CurveDesign, CancellingKeepsWhatWasWritten) {
  const double quarter = kAlignmentPi / 2;
  const double second = std::numbers::pi / 2;
  const std::string first =
      CurvePrompt(1, 145, quarter * 145, "0+155", StationLabel(155 + quarter * 145, 4));
  ScriptedDialogs dialogs;
  Start(dialogs)
      .ExpectInput(first, kTitle, "145", "")
      .ExpectYesNo("Cancel the design process?", false)
      .ExpectInput(first, kTitle, "145", "145")
      .ExpectInput(CurvePrompt(2, 145, second * 145, StationLabel(165 + quarter * 145, 4),
                               StationLabel(165 + (quarter + second) * 145, 4)),
                   kTitle, "145", "")
      .ExpectYesNo("Cancel the design process?", true);
  EXPECT_EQ(Run(dialogs), CommandResult::Stopped);
  EXPECT_EQ(project.Alignment("ROAD_D.CRV").size(), 4u);  // start point and the first curve
}

TEST_F(CurveDesign, RefusesANegativeRadiusAndAMissingTableSuggestsZero) {
  std::filesystem::remove(project.Path("Asshto.rmi"));
  ScriptedDialogs dialogs;
  dialogs.ExpectInput("Design speed (km/h):", "", "65", "65")
      .ExpectMessage("File not found : Asshto.rmi")
      .ExpectSaveFile("Select CRV File", Out(), Out())
      .ExpectInput(CurvePrompt(1, 0, 0, "0+300", "0+300"), kTitle, "0", "-50")
      .ExpectMessage("Curve No. 1 needs a radius of 0 or more.")
      .ExpectYesNo("Cancel the design process?", true);
  EXPECT_EQ(Run(dialogs), CommandResult::Stopped);
}

TEST_F(CurveDesign, RefusesACornerOnAStraightLineBeforeWritingAnything) {
  project.SetAlignment({XyRecord(0, 0), XyRecord(0, 300), XyRecord(0, 700), XyRecord(300, 700)});
  ScriptedDialogs dialogs;
  Start(dialogs).ExpectMessage(
      "Corner 1 lies on one straight line with its neighbours: no curve fits there.");
  EXPECT_EQ(Run(dialogs), CommandResult::Stopped);
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

TEST(DesignFile, SplitsStationsIntoKilometresAndRoundedMetres) {
  DesignFile file;
  file.WriteDesignRecord(1999.96, PointCode::HorizontalCurveEnd, 0, 0, 0);
  file.WriteDesignRecord(-12.5, PointCode::LeftTurnStart, 1, 2, 3);
  file.WriteDesignRecord(2000.123456, PointCode::HorizontalCurveEnd, 0, 0, 0);
  EXPECT_EQ(file.Records()[0].Kilo, 1);
  EXPECT_FLOAT_EQ(file.Records()[0].Meter, 999.96f);
  EXPECT_EQ(file.Records()[1].Kilo, -1);
  EXPECT_FLOAT_EQ(file.Records()[1].Meter, 987.5f);
  EXPECT_EQ(file.Records()[2].Kilo, 2);
  EXPECT_FLOAT_EQ(file.Records()[2].Meter, 0.1235f);
  EXPECT_FALSE(FitsAlignmentRecord(4e7, 0, 0, 0));
  EXPECT_FALSE(FitsAlignmentRecord(0, 1e39, 0, 0));
  EXPECT_FALSE(FitsAlignmentRecord(0, 0, std::nan(""), 0));
  EXPECT_TRUE(FitsAlignmentRecord(-32768000, 0, 0, 0));
}

}  // namespace
}  // namespace calvora

#include <gtest/gtest.h>

#include <algorithm>

#include "quantities/quantity_file.h"
#include "quantities/report_checks.h"
#include "quantities/volume_reports_writer.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ExpectColumnsAligned;
using testing::ExpectGolden;
using testing::ReportLines;
using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::Utf8;

ProjectRecord Project(int numLines = 64) {
  ProjectRecord project;
  project.TitleLeft = "Ruta 7";
  project.NumLines = static_cast<std::int16_t>(numLines);
  return project;
}

struct Road {
  float firstStation = 0;
  float spacing = 20;
  double fillPerInterval = 100;
};

SectionSlot Section(const Road& road, int n) {
  SectionSlot slot;
  slot.Number = n;
  slot.Station = road.firstStation + road.spacing * static_cast<float>(n - 1);
  slot.Kilo = static_cast<std::int16_t>(slot.Station / 1000);
  slot.Meter = slot.Station - 1000.0f * slot.Kilo;
  slot.Areas.CutArea = n % 3 == 0 ? 4.5 : 0;
  slot.Areas.FillArea = road.fillPerInterval / road.spacing;
  slot.Areas.LayerArea = {1.25, 0.5, 0, 0, 0};
  slot.Areas.TopsoilArea = 2;
  return slot;
}

// A quantity file of `count` sections as the volume run writes it.
void WriteQuantityFile(const std::filesystem::path& path, int count, const Road& road = {}) {
  ReportFile file(path);
  WideFields wide;
  ReportFields fields(file, wide);
  for (int n = 1; n <= count; ++n) {
    if (n > 1) {
      IntervalQuantities q = ComputeVolumes(Section(road, n - 1), Section(road, n), kMedianMethod);
      q.LayerVolume = {};  // the transport tests move the fill alone
      file.Line(QuantityIntervalLine(q, FieldPlace::Interval(n - 1, n), fields));
    }
    file.Line(QuantitySectionLine(Section(road, n), fields));
  }
  file.Commit();
}

void WritePits(const std::filesystem::path& path, const std::string& text) {
  testing::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

int CountStarting(const std::vector<std::string>& lines, const std::string& start) {
  return static_cast<int>(std::count_if(
      lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; }));
}

VolumeReportsResult Write(const TempFolder& folder, const ProjectRecord& project,
                          UserDialogs& dialogs, const std::vector<std::string>& notes = {}) {
  return WriteVolumeReports(folder / "R.OUT", project, notes, dialogs);
}

TEST(VolumeReport, MatchesItsGoldenFiles) {
  ProjectRecord layers = Project();
  layers.Thickness = {0.3f, 0.2f, 0, 0, 0};
  layers.Compaction = {95, 100, 0, 0, 0};
  struct Case {
    const char* golden;
    int sections;
    ProjectRecord project;
    std::vector<std::string> notes;
    double fill, topsoil;
  };
  const Case cases[] = {
      {"one_section.VOL", 1, Project(), {}, 0, 0},
      {"two_sections.VOL", 2, Project(), {}, 100, 40},
      // Four pairs, (11 - 7) / 2 = two pairs a page, and no empty page after them.
      {"page_break.VOL", 5, Project(11), {}, 400, 160},
      // Layer bands headed before the fill below them; the notes close the report.
      {"layers.VOL", 3, layers, {"Note: section 9 (0+160) is left out."}, 200, 80},
      // Too few lines a page (or none given): one pair a page.
      {"few_lines.VOL", 4, Project(0), {}, 300, 120},
      {"few_lines.VOL", 4, Project(-3), {}, 300, 120},
      {"few_lines.VOL", 4, Project(8), {}, 300, 120},
      {"few_lines.VOL", 4, Project(10), {}, 300, 120},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    TempFolder folder;
    WriteQuantityFile(folder / "R.OUT", c.sections);
    ScriptedDialogs dialogs;
    const VolumeReportsResult result = Write(folder, c.project, dialogs, c.notes);
    ExpectGolden(folder / "R.VOL", c.golden);
    ExpectColumnsAligned(ReportLines(folder / "R.VOL"));
    EXPECT_DOUBLE_EQ(result.Volumes.Fill, c.fill);
    EXPECT_DOUBLE_EQ(result.Volumes.Topsoil, c.topsoil);
    EXPECT_DOUBLE_EQ(result.Volumes.Layer[0], 0);  // the test file moves no layer volume
    EXPECT_FALSE(result.Transport);                // no borrow-pit list
    EXPECT_EQ(result.Written, std::vector<std::filesystem::path>{folder / "R.VOL"});
  }
}

TEST(TransportReport, TwoPitsServeTheFillInTurn) {
  TempFolder folder;
  WriteQuantityFile(folder / "R.OUT", 6, {.firstStation = 1000});
  // 100 m3 an interval: the first pit holds 200 exactly and serves intervals 1 and 2 (the
  // fill reaches its capacity but does not exceed it) and 3; the second pit the rest.
  WritePits(folder / "R.DPO", "1, 30, 200, 50\r\n\r\n1 150.5 1000 420\r\n");
  ScriptedDialogs dialogs;
  const VolumeReportsResult result = Write(folder, Project(), dialogs);
  ExpectGolden(folder / "R.TRF", "two_pits.TRF");
  ExpectColumnsAligned(ReportLines(folder / "R.TRF"));
  ASSERT_TRUE(result.Transport);
  EXPECT_DOUBLE_EQ(result.Transport->Moved, 500);
  EXPECT_EQ(result.Written.back(), folder / "R.TRF");
}

// The transport row of one interval from 0+000 to 0+020 (middle at 10 m) with 100 m3 of fill,
// served by a pit at 0+000 whose access way makes the haul.
std::string TransportRow(double access, double fill = 100) {
  TempFolder folder;
  WriteQuantityFile(folder / "R.OUT", 2, {.fillPerInterval = fill});
  WritePits(folder / "R.DPO", "0 0 100000 " + std::to_string(access) + "\n");
  ScriptedDialogs dialogs;
  Write(folder, Project(), dialogs);
  return Utf8(ReportLines(folder / "R.TRF").at(6));
}

TEST(TransportReport, HaulClassesSplitAt100And500Metres) {
  const std::string start = "ÇÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄÄÄ¶    100.00";
  const std::string pit = "    0+  0.00º";
  EXPECT_EQ(TransportRow(89.99),
            start + "º99.99º ---- º --- º    100.00º   ----   º   ----   º" + pit);
  EXPECT_EQ(TransportRow(90),
            start + "º  û  º100.00º --- º    100.00º      0.00º   ----   º" + pit);
  EXPECT_EQ(TransportRow(489.99),
            start + "º  û  º499.99º --- º    100.00º    399.99º   ----   º" + pit);
  EXPECT_EQ(TransportRow(490),
            start + "º  û  º   û  º 0.00º    100.00º    400.00º      0.00º" + pit);
}

TEST(TransportReport, A750MetreHaulOf200CubicMetresPays200And800And50) {
  TempFolder folder;
  WriteQuantityFile(folder / "R.OUT", 2, {.fillPerInterval = 200});
  WritePits(folder / "R.DPO", "0 0 5000 740\n");
  ScriptedDialogs dialogs;
  const VolumeReportsResult result = Write(folder, Project(), dialogs);
  ASSERT_TRUE(result.Transport);
  EXPECT_DOUBLE_EQ(result.Transport->Moved, 200);
  EXPECT_DOUBLE_EQ(result.Transport->ShortHaul, 800);
  EXPECT_DOUBLE_EQ(result.Transport->LongHaul, 50);
  ExpectGolden(folder / "R.TRF", "long_haul.TRF");
  ExpectColumnsAligned(ReportLines(folder / "R.TRF"));
}

TEST(TransportReport, PitListProblemsAreNamedAndEndTheTransportReportOnly) {
  struct Case {
    std::string pits;
    std::string problem;
    int rows;           // transport rows written before it
    double moved = -1;  // the fill moved, where checked
  };
  const std::string nothingAfter = "The transport report ends at section ";
  const Case cases[] = {
      {"0 0 150 10\n0 40 pit 10\n",
       "Line 2 of the borrow-pit list R.DPO does not hold four numbers (kilometre, metre, "
       "capacity, access length). " +
           nothingAfter + "3.",
       2, 200},
      {"0 0 50 10\n",
       "The borrow-pit list R.DPO holds no pit after line 1 for the fill that remains. " +
           nothingAfter + "2.",
       1},
      {"\n", "The borrow-pit list R.DPO holds no pit. " + nothingAfter + "1.", 0},
  };
  std::vector<Case> all(std::begin(cases), std::end(cases));
  for (const char* line : {"0 0 -5 10", "1e300 0 100 10", "0 0 100 -1"}) {
    all.push_back({line + std::string("\n"),
                   "Line 1 of the borrow-pit list R.DPO gives a negative capacity or access "
                   "length, or a number beyond 1000000000. " +
                       nothingAfter + "1.",
                   0});
  }
  TempFolder folder;
  WriteQuantityFile(folder / "R.OUT", 4);
  ScriptedDialogs plain;
  Write(folder, Project(), plain);
  const std::string wholeVolumeReport = testing::ReadText(folder / "R.VOL");
  for (const Case& c : all) {
    SCOPED_TRACE(c.pits);
    WritePits(folder / "R.DPO", c.pits);
    ScriptedDialogs dialogs;
    dialogs.ExpectMessage(c.problem);
    const VolumeReportsResult result = Write(folder, Project(), dialogs);
    EXPECT_EQ(testing::ReadText(folder / "R.VOL"), wholeVolumeReport);
    const auto lines = ReportLines(folder / "R.TRF");
    EXPECT_EQ(CountStarting(lines, "\xC7\xC4"), c.rows);
    EXPECT_EQ(lines.back(), "\f");
    if (c.moved >= 0) {
      ASSERT_TRUE(result.Transport);
      EXPECT_DOUBLE_EQ(result.Transport->Moved, c.moved);
    }
  }
}

}  // namespace
}  // namespace calvora

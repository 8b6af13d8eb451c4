#include "quantities/calc_volumes.h"

#include <gtest/gtest.h>

#include "quantities/report_checks.h"
#include "quantities/small_road.h"
#include "records/record_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ExpectColumnsAligned;
using testing::ExpectGolden;
using testing::ReadText;
using testing::ReportLines;
using testing::ScriptedDialogs;
using testing::Section;
using testing::SmallRoad;
using testing::TempFolder;

// Stops when asked to step to a given section.
class StopAt : public Progress {
 public:
  explicit StopAt(int stop) : stop_(stop) {}
  void Start(int maximum) override { maximum_ = maximum; }
  bool Step(int value) override {
    steps_.push_back(value);
    return value == stop_;
  }
  void Finish() override { finished_ = true; }

  int maximum_ = 0;
  std::vector<int> steps_;
  bool finished_ = false;

 private:
  int stop_;
};

TEST(CalcVolumes, WritesTheFourReportsOfASmallRoad) {
  SmallRoad road({101, 101, 100.5, 99.5, 99});
  testing::WriteBytes(road.folder / "R.DPO",
                      {'0', ' ', '5', '0', ' ', '9', '0', '0', ' ', '1', '2', '0', '\n'});
  ScriptedDialogs dialogs;
  road.ExpectPrompt(dialogs);
  StopAt progress(0);
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  EXPECT_TRUE(dialogs.Done());
  EXPECT_TRUE(summary.Written);
  EXPECT_EQ(summary.SectionCount, 5);
  EXPECT_EQ(summary.SectionsReported, 5);
  EXPECT_EQ(progress.maximum_, 5);
  EXPECT_EQ(progress.steps_, (std::vector<int>{2, 3, 4, 5}));
  EXPECT_TRUE(progress.finished_);
  // 9, 9 and 4 m2 of fill, then 7 m2 of cut: the fill wedges out 20 * 4 / 11 m after 0+040.
  EXPECT_NEAR(summary.Volumes.Fill, 180 + 130 + 14.55, 1e-9);
  EXPECT_NEAR(summary.Volumes.Cut, 44.55 + 210, 1e-9);
  const std::vector<std::filesystem::path> files = {road.folder / "R.OUT", road.folder / "R.SRF",
                                                    road.folder / "R.VOL", road.folder / "R.TRF"};
  EXPECT_EQ(summary.Files, files);
  ExpectGolden(road.folder / "R.OUT", "small_road.OUT");
  ExpectGolden(road.folder / "R.SRF", "small_road.SRF");
  ExpectGolden(road.folder / "R.VOL", "small_road.VOL");
  ExpectGolden(road.folder / "R.TRF", "small_road.TRF");
  for (const char* report : {"R.SRF", "R.VOL", "R.TRF"}) {
    ExpectColumnsAligned(ReportLines(road.folder / report));
  }
}

TEST(CalcVolumes, NumbersTooWideForTheirColumnsAreWrittenWholeTotalledRightAndNamed) {
  // Sections 4.5 m and 6.344 m above the ground (72 and 124.90 m2 of fill), 1,100 m apart:
  // 108,295 m3 of fill, wider than its column in the quantity file, and a distance wider
  // than its column in every report.
  SmallRoad road({104.5, 106.344});
  SectionRecord far = Section(2, 106.344);
  far.Kilo = 1;
  far.Meter = 100;
  road.Replace(2, far);
  ScriptedDialogs dialogs;
  road.ExpectPrompt(dialogs);
  dialogs.ExpectMessage(
      "Numbers too wide for their columns are written in full, their rows wider than the "
      "table. R.OUT: distance at sections 1-2, fill volume at sections 1-2. R.SRF: distance at "
      "sections 1-2. R.VOL: distance at sections 1-2.");
  SilentProgress progress;
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  EXPECT_TRUE(dialogs.Done());
  EXPECT_DOUBLE_EQ(summary.Volumes.Fill, 108295);
  const auto out = ReportLines(road.folder / "R.OUT");
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1].substr(0, 54), std::string(20, ' ') + "1100.00         0.00     108295.00");
  auto vol = ReportLines(road.folder / "R.VOL");
  ASSERT_EQ(vol.size(), 10u);
  EXPECT_EQ(testing::Utf8(vol[6]).rfind("ÇÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄÄÄ¶ 1100.00 ", 0), 0u);
  EXPECT_NE(vol[6].find(" 108295.00 "), std::string::npos);
  EXPECT_NE(vol[8].find(" 108295.00"), std::string::npos) << vol[8];  // the totals
  // The rows that fit keep the table's columns.
  vol.erase(vol.begin() + 6);
  ExpectColumnsAligned(vol);
}

TEST(CalcVolumes, FiveLayersGiveTheFillBelowTheFifthALineOfItsOwn) {
  // 1 m of fill on a 7 m crown with 1:2 slopes: 9 m2, of which five 0.1 m layers take 4 m2
  // and 5 m2 lie below them (0.5 m deep, 9 m wide at the top, 11 m at the ground).
  SmallRoad road({101, 101});
  road.state.Project.Thickness = {0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
  road.state.Project.Compaction = {100, 95, 95, 95, 90};
  testing::WriteBytes(road.folder / "R.DPO", {'0', ' ', '0', ' ', '9', '0', '0', ' ', '0', '\n'});
  ScriptedDialogs dialogs;
  road.ExpectPrompt(dialogs);
  SilentProgress progress;
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  EXPECT_TRUE(dialogs.Done());
  EXPECT_NEAR(summary.Volumes.Layer[4], 5 * 20, 1e-9);
  double fill = summary.Volumes.Fill;
  for (const double layer : summary.Volumes.Layer) {
    fill += layer;
  }
  EXPECT_NEAR(fill, 9 * 20, 1e-9);
  ASSERT_TRUE(summary.Transport);
  EXPECT_NEAR(summary.Transport->Moved, 9 * 20, 1e-9);  // the transport moves all of it
  const auto vol = ReportLines(road.folder / "R.VOL");
  EXPECT_EQ(vol[vol.size() - 2], "    Fill below the layers" + std::string(19, ' ') +
                                     "100.00 m3: the fill below the fifth compaction layer, in "
                                     "none of the columns");
}

TEST(CalcVolumes, OneSectionGivesReportsWithoutVolumes) {
  SmallRoad road({101});
  ScriptedDialogs dialogs;
  road.ExpectPrompt(dialogs);
  SilentProgress progress;
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  EXPECT_EQ(summary.SectionsReported, 1);
  EXPECT_EQ(ReportLines(road.folder / "R.OUT").size(), 1u);
  EXPECT_EQ(summary.Volumes.Fill, 0);
  const auto srf = ReportLines(road.folder / "R.SRF");
  EXPECT_EQ(srf.size(), 5u + 1 + 2);  // header, one section row, footer and form feed
}

TEST(CalcVolumes, CancelAfterTheThirdSectionReportsSectionsOneToThree) {
  SmallRoad road({101, 101, 101, 101, 101, 101});
  ScriptedDialogs dialogs;
  road.ExpectPrompt(dialogs);
  StopAt progress(4);
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  EXPECT_TRUE(summary.Cancelled);
  EXPECT_TRUE(summary.Written);
  EXPECT_EQ(summary.SectionsReported, 3);
  EXPECT_DOUBLE_EQ(summary.Volumes.Fill, 2 * 180);
  EXPECT_EQ(ReportLines(road.folder / "R.OUT").size(), 5u);
  const auto vol = ReportLines(road.folder / "R.VOL");
  EXPECT_EQ(testing::Utf8(vol[vol.size() - 3]).rfind("º   3º    0+ 40.00", 0), 0u);
}

TEST(CalcVolumes, ASectionWithADataErrorIsLeftOutAndNamed) {
  SmallRoad road({101, 101, 101});
  road.Replace(2, Section(2, 101, 2));  // the ground ends inside the lanes
  ScriptedDialogs dialogs;
  road.ExpectPrompt(dialogs);
  dialogs.ExpectAnyMessage();  // the engine's own message
  dialogs.ExpectMessage("Left out of the quantities for a data error: section 2.");
  SilentProgress progress;
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  EXPECT_TRUE(dialogs.Done());
  EXPECT_EQ(summary.LeftOut, std::vector<int>{2});
  EXPECT_EQ(summary.SectionsReported, 2);
  EXPECT_DOUBLE_EQ(summary.Volumes.Fill, 9 * 40);  // sections 1 and 3 span the gap
  const auto vol = ReportLines(road.folder / "R.VOL");
  EXPECT_EQ(vol[vol.size() - 2],
            "Note: section 2 (0+20) has a data error and is left out; the volumes span the "
            "sections beside it.");
}

TEST(CalcVolumes, ABadVariantNumberEndsTheRunAndReplacesNothing) {
  SmallRoad road({101, 101, 101});
  SectionRecord bad = Section(3, 101);
  bad.Var = 7;
  road.Replace(3, bad);
  testing::WriteBytes(road.folder / "R.OUT", {'o', 'l', 'd'});
  ScriptedDialogs dialogs;
  road.ExpectPrompt(dialogs);
  dialogs.ExpectMessage("Bad Variant number at station :  0+40Section No. =( 3)");
  SilentProgress progress;
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  EXPECT_TRUE(dialogs.Done());
  EXPECT_TRUE(summary.BadVariant);
  EXPECT_FALSE(summary.Written);
  EXPECT_EQ(ReadText(road.folder / "R.OUT"), "old");
  EXPECT_FALSE(std::filesystem::exists(road.folder / "R.SRF"));
  EXPECT_FALSE(std::filesystem::exists(road.folder / "R.VOL"));
}

TEST(CalcVolumes, StopsOnACancelledFileChoice) {
  SmallRoad road({101});
  ScriptedDialogs dialogs;
  dialogs.ExpectSaveFile("Select OUT File", road.Out(), "");
  SilentProgress progress;
  EXPECT_FALSE(CalcVolumes(road.state, dialogs, progress).Written);
  EXPECT_FALSE(std::filesystem::exists(road.folder / "R.OUT"));
}

TEST(CalcVolumes, AFileThatCannotBeWrittenAsksRetryOrCancel) {
  SmallRoad road({101, 101});
  const std::string unwritable = (road.folder / "missing" / "R.OUT").string();
  ScriptedDialogs dialogs;
  dialogs.ExpectSaveFile("Select OUT File", road.Out(), unwritable);
  dialogs.ExpectRetryCancel(true);
  dialogs.ExpectRetryCancel(false);
  SilentProgress progress;
  const VolumeRunSummary summary = CalcVolumes(road.state, dialogs, progress);
  EXPECT_TRUE(dialogs.Done());
  EXPECT_FALSE(summary.Written);
  EXPECT_TRUE(summary.Files.empty());
}

}  // namespace
}  // namespace calvora

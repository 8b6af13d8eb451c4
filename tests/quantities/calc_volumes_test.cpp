#include "quantities/calc_volumes.h"

#include <gtest/gtest.h>

#include "quantities/report_checks.h"
#include "quantities/volume_summary_lines.h"
#include "support/road_project.h"
#include "support/scripted_dialogs.h"
#include "support/stopping_progress.h"

namespace calvora {
namespace {

using testing::ExpectColumnsAligned;
using testing::ExpectGolden;
using testing::ReadText;
using testing::ReportLines;
using testing::ScriptedDialogs;
using testing::TwoLaneSection;

// The two-lane road R in a folder of its own, and its volume run.
struct SmallRoad : testing::Road {
  explicit SmallRoad(const std::vector<double>& projectElevations)
      : Road(testing::TwoLaneRoad(projectElevations), "R") {
    dialogs.ExpectSaveFile("Select OUT File", Path("OUT"), Path("OUT"));
  }
  std::string Path(const std::string& extension) const { return File("." + extension).string(); }
  std::vector<std::string> Lines(const std::string& extension) const {
    return ReportLines(Path(extension));
  }
  void Pits(const std::string& text) const {
    testing::WriteBytes(Path("DPO"), std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  VolumeRunSummary Run(Progress& progress) {
    const VolumeRunSummary summary = CalcVolumes(state, dialogs, progress);
    EXPECT_TRUE(dialogs.Done());
    return summary;
  }
  VolumeRunSummary Run() {
    SilentProgress progress;
    return Run(progress);
  }

  ScriptedDialogs dialogs;  // the question for the quantity file expected first
};

TEST(CalcVolumes, WritesTheFourReportsOfASmallRoad) {
  SmallRoad road({101, 101, 100.5, 99.5, 99});
  road.Pits("0 50 900 120\n");
  testing::StoppingProgress progress(0);
  const VolumeRunSummary summary = road.Run(progress);
  EXPECT_TRUE(summary.Written);
  EXPECT_EQ(summary.SectionCount, 5);
  EXPECT_EQ(summary.SectionsReported, 5);
  EXPECT_EQ(progress.maximum, 5);
  EXPECT_EQ(progress.steps, (std::vector<int>{2, 3, 4, 5}));
  EXPECT_TRUE(progress.finished);
  // 9, 9 and 4 m2 of fill, then 7 m2 of cut: the fill wedges out 20 * 4 / 11 m after 0+040.
  EXPECT_NEAR(summary.Volumes.Fill, 180 + 130 + 14.55, 1e-9);
  EXPECT_NEAR(summary.Volumes.Cut, 44.55 + 210, 1e-9);
  std::vector<std::filesystem::path> files;
  for (const char* report : {"OUT", "SRF", "VOL", "TRF"}) {
    files.push_back(road.Path(report));
    ExpectGolden(road.Path(report), "small_road." + std::string(report));
    if (report != std::string("OUT")) {
      ExpectColumnsAligned(road.Lines(report));
    }
  }
  EXPECT_EQ(summary.Files, files);
}

TEST(CalcVolumes, NumbersTooWideForTheirColumnsAreWrittenWholeTotalledRightAndNamed) {
  // Sections 4.5 m and 6.344 m above the ground (72 and 124.90 m2 of fill), 1,100 m apart:
  // 108,295 m3 of fill, wider than its column in the quantity file, and a distance wider
  // than its column in every report.
  SmallRoad road({104.5, 106.344});
  SectionRecord far = TwoLaneSection(2, 106.344);
  testing::SetStation(far, 1100);
  road.Rewrite(2, far);
  road.dialogs.ExpectMessage(
      "Numbers too wide for their columns are written in full, their rows wider than the "
      "table. R.OUT: distance at sections 1-2, fill volume at sections 1-2. R.SRF: distance at "
      "sections 1-2. R.VOL: distance at sections 1-2.");
  EXPECT_DOUBLE_EQ(road.Run().Volumes.Fill, 108295);
  ExpectGolden(road.Path("OUT"), "wide_numbers.OUT");
  ExpectGolden(road.Path("VOL"), "wide_numbers.VOL");
}

TEST(CalcVolumes, FiveLayersGiveTheFillBelowTheFifthALineOfItsOwn) {
  // 1 m of fill on a 7 m crown with 1:2 slopes: 9 m2, of which five 0.1 m layers take 4 m2
  // and 5 m2 lie below them (0.5 m deep, 9 m wide at the top, 11 m at the ground).
  SmallRoad road({101, 101});
  road.state.Project.Thickness = {0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
  road.state.Project.Compaction = {100, 95, 95, 95, 90};
  road.Pits("0 0 900 0\n");
  const VolumeRunSummary summary = road.Run();
  EXPECT_NEAR(summary.Volumes.Layer[4], 5 * 20, 1e-9);
  double fill = summary.Volumes.Fill;
  for (const double layer : summary.Volumes.Layer) {
    fill += layer;
  }
  EXPECT_NEAR(fill, 9 * 20, 1e-9);
  ASSERT_TRUE(summary.Transport);
  EXPECT_NEAR(summary.Transport->Moved, 9 * 20, 1e-9);  // the transport moves all of it
  ExpectGolden(road.Path("VOL"), "five_layers.VOL");    // the fill below the layers named
  // The summary names each band and gives the fill below the fifth a line of its own.
  const std::vector<std::string> lines = VolumeSummaryLines(road.state.Project, summary);
  ASSERT_GE(lines.size(), 9u);
  EXPECT_TRUE(lines[2].starts_with("Fill, layer 1 (100 %) ")) << lines[2];
  EXPECT_TRUE(lines[6].starts_with("Fill, layer 5 (90 %) ")) << lines[6];
  EXPECT_EQ(lines[7], "Fill below the layers               100.00 m3");
  EXPECT_EQ(lines[8], "Fill, all                           180.00 m3");
}

TEST(CalcVolumes, OneSectionGivesReportsWithoutVolumes) {
  SmallRoad road({101});
  const VolumeRunSummary summary = road.Run();
  EXPECT_EQ(summary.SectionsReported, 1);
  EXPECT_EQ(road.Lines("OUT").size(), 1u);
  EXPECT_EQ(summary.Volumes.Fill, 0);
  EXPECT_EQ(road.Lines("SRF").size(), 5u + 1 + 2);  // header, one row, footer and form feed
}

TEST(CalcVolumes, CancelAfterTheThirdSectionReportsSectionsOneToThree) {
  SmallRoad road({101, 101, 101, 101, 101, 101});
  testing::StoppingProgress progress(4);
  const VolumeRunSummary summary = road.Run(progress);
  EXPECT_TRUE(summary.Cancelled);
  EXPECT_TRUE(summary.Written);
  EXPECT_EQ(summary.SectionsReported, 3);
  EXPECT_DOUBLE_EQ(summary.Volumes.Fill, 2 * 180);
  EXPECT_EQ(road.Lines("OUT").size(), 5u);
  const auto vol = road.Lines("VOL");
  EXPECT_EQ(testing::Utf8(vol[vol.size() - 3]).rfind("º   3º    0+ 40.00", 0), 0u);
}

TEST(CalcVolumes, ASectionWithADataErrorIsLeftOutAndNamed) {
  SmallRoad road({101, 101, 101});
  road.Rewrite(2, TwoLaneSection(2, 101, 2));  // the ground ends inside the lanes
  road.dialogs.ExpectAnyMessage();             // the engine's own message
  road.dialogs.ExpectMessage("Left out of the quantities for a data error: section 2.");
  const VolumeRunSummary summary = road.Run();
  EXPECT_EQ(summary.LeftOut, std::vector<int>{2});
  EXPECT_EQ(summary.SectionsReported, 2);
  EXPECT_DOUBLE_EQ(summary.Volumes.Fill, 9 * 40);  // sections 1 and 3 span the gap
  const auto vol = road.Lines("VOL");
  EXPECT_EQ(vol[vol.size() - 2],
            "Note: section 2 (0+20) has a data error and is left out; the volumes span the "
            "sections beside it.");
}

TEST(CalcVolumes, ABadVariantNumberEndsTheRunAndReplacesNothing) {
  SmallRoad road({101, 101, 101});
  SectionRecord bad = TwoLaneSection(3, 101);
  bad.Var = 7;
  road.Rewrite(3, bad);
  testing::WriteBytes(road.Path("OUT"), {'o', 'l', 'd'});
  road.dialogs.ExpectMessage("Bad Variant number at station :  0+40Section No. =( 3)");
  const VolumeRunSummary summary = road.Run();
  EXPECT_TRUE(summary.BadVariant);
  EXPECT_FALSE(summary.Written);
  EXPECT_EQ(ReadText(road.Path("OUT")), "old");
  EXPECT_FALSE(std::filesystem::exists(road.Path("SRF")));
  EXPECT_FALSE(std::filesystem::exists(road.Path("VOL")));
}

TEST(CalcVolumes, StopsOnACancelledOrUnwritableFile) {
  const auto run = [](SmallRoad& road, auto&& expect) {
    road.dialogs = ScriptedDialogs();
    expect(road.dialogs);
    const VolumeRunSummary summary = road.Run();
    EXPECT_FALSE(summary.Written);
    EXPECT_TRUE(summary.Files.empty());
    EXPECT_FALSE(std::filesystem::exists(road.Path("OUT")));
  };
  SmallRoad road({101, 101});
  run(road, [&](ScriptedDialogs& d) { d.ExpectSaveFile("Select OUT File", road.Path("OUT"), ""); });
  run(road, [&](ScriptedDialogs& d) {
    d.ExpectSaveFile("Select OUT File", road.Path("OUT"), (road.folder / "no" / "R.OUT").string());
    d.ExpectRetryCancel(true).ExpectRetryCancel(false);
  });
}

}  // namespace
}  // namespace calvora

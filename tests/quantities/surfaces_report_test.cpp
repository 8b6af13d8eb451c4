#include "quantities/surfaces_report.h"

#include <gtest/gtest.h>

#include "quantities/report_checks.h"
#include "support/temp_folder.h"

namespace calvora {
namespace {

using testing::ExpectColumnsAligned;
using testing::ExpectGolden;
using testing::ReportLines;
using testing::TempFolder;

ProjectRecord Project(int numLines = 64) {
  ProjectRecord project;
  project.TitleLeft = "Camino Real – tramo 2";
  project.NumLines = static_cast<std::int16_t>(numLines);
  return project;
}

SectionSlot Section(int n) {
  SectionSlot slot;
  slot.Number = n;
  slot.Station = static_cast<float>(980 + 20 * n);
  slot.Kilo = static_cast<std::int16_t>(slot.Station / 1000);
  slot.Meter = slot.Station - 1000 * slot.Kilo;
  slot.Areas.CutLength = 2.5 * n;
  slot.Areas.FillLength = 30 - n;
  slot.Areas.LayerLength = {10.25, 9.5, 8, 7, 6};
  slot.Areas.CsLength = 4.75 + n;
  slot.Areas.FsLength = 6.5;
  return slot;
}

// The surfaces report of sections 1..count, each interval averaging its two sections' lengths.
void WriteReport(const std::filesystem::path& path, const ProjectRecord& project, int count) {
  ReportFile file(path);
  WideFields wide;
  SurfacesReport report(file, project, wide);
  for (int n = 1; n <= count; ++n) {
    if (n > 1) {
      report.Interval(ComputeVolumes(Section(n - 1), Section(n), kMedianMethod),
                      FieldPlace::Interval(n - 1, n));
    }
    report.Section(Section(n));
  }
  report.Finish();
  file.Commit();
}

TEST(SurfacesReport, MatchesItsGoldenFiles) {
  ProjectRecord layers = Project();
  layers.Thickness = {0.3f, 0.2f, 0, 0.1f, 0.1f};  // the zero ends the layers: two bands
  layers.Compaction = {95, 90, 0, 0, 0};
  ProjectRecord fiveLayers = Project();
  fiveLayers.Thickness = {0.1f, 0.1f, 0.1f, 0.1f, 0.1f};
  fiveLayers.Compaction = {95, 95, 95, 95, 95};
  struct Case {
    const char* golden;
    int sections;
    ProjectRecord project;
  };
  const Case cases[] = {
      {"one_section.SRF", 1, Project()},
      {"two_sections.SRF", 2, Project()},
      // 14 lines a page: the break comes when the line count reaches 10, after 4 sections on
      // the first page (header 4 + 2 a section from -1) and 3 on each further page, the last
      // section row of a page repeated on the next.
      {"page_break.SRF", 8, Project(14)},
      // The fill column holds the first layer's band, the first layer column the second band
      // and the next one the fill below both.
      {"layers.SRF", 2, layers},
      // Five bands fill the five fill columns; the fill below them has no column, and the
      // fifth layer does not join the cut slope total.
      {"five_layers.SRF", 2, fiveLayers},
      // Too few lines a page (or none given): one section a page.
      {"few_lines.SRF", 3, Project(0)},
      {"few_lines.SRF", 3, Project(-5)},
      {"few_lines.SRF", 3, Project(5)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    TempFolder folder;
    WriteReport(folder / "R.SRF", c.project, c.sections);
    ExpectGolden(folder / "R.SRF", c.golden);
    ExpectColumnsAligned(ReportLines(folder / "R.SRF"));
  }
}

}  // namespace
}  // namespace calvora

#include "quantities/surfaces_report.h"

#include "quantities/report_layers.h"
#include "quantities/report_text.h"

namespace calvora {

namespace {

// Row pieces as code-page bytes.
const std::string kDistanceAcross = ReportBytes("ÇÄÄÄÄÄÄÄÄ¶ ");
const std::string kAfterCut = ReportBytes("  ÇÄÄÄÄÄÄÄÄÄÄ¶ ");
const std::string kAfterFill = ReportBytes("  ÇÄÄÄÄÄÄÄÄÄÄ¶  ");
const std::string kAfterLength = ReportBytes(" ÇÄÄÄÄÄÄÄÄÄÄ¶  ");
const std::string kLastAcross = ReportBytes(" ÇÄÄÄÄÄÄÄÄÄÄ¶");
const std::string kSectionAcross = ReportBytes("ÇÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄÄÄ¶ ");
const std::string kIntervalEnd = ReportBytes(" º");

}  // namespace

SurfacesReport::SurfacesReport(ReportFile& file, const ProjectRecord& project)
    : file_(file), project_(project), layers_(ShownLayerCount(project)) {
  Header();
}

std::string SurfacesReport::TotalsLine(const char* label, char end) const {
  std::string line = label;
  const auto add = [&](double total) {
    line += TotalField(total, 21);
    line += end;
  };
  add(totals_[kCut]);
  add(totals_[kFill]);
  for (int j = 0; j < layers_; ++j) {
    add(totals_[kLayer1 + j]);
  }
  add(totals_[kCutSlope]);
  add(totals_[kFillSlope]);
  return line;
}

void SurfacesReport::Header() {
  ++page_;
  file_.Line(PageTitleLine(project_.TitleLeft, page_));
  file_.Line(TotalsLine("    Total from previous page", ' '));

  std::string border = "ÉÍÍÍÍËÍÍÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍ";
  std::string headings = "ºSec.º    K M     ºDistanceº    Lc    º    Sc    º";
  std::string separator = "ÌÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍ";
  for (int j = 0; j < layers_; ++j) {
    border += "ËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍ";
    separator += "ÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍ";
  }
  for (const FillColumn& column : FillColumns(project_)) {
    const std::string mark = LayerMark(column.compaction);
    headings +=
        column.compacted ? " Lf " + mark + "  º Sf " + mark + "  º" : "    Lf    º    Sf    º";
  }
  file_.Line(ReportBytes(border + "ËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍ»"));
  file_.Line(ReportBytes(headings + "   C s L  º   C s S  º   F s L  º   F s S  º"));
  file_.Line(ReportBytes(separator + "ÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍ¹"));
  lineCounter_ += 4;
}

void SurfacesReport::Footer() {
  file_.Line(TotalsLine("       Total until this page", '\xBA'));
  file_.FormFeed();
}

void SurfacesReport::SectionRow(const SectionSlot& section) {
  const SectionAreas& a = section.Areas;
  std::string line = SectionPlace(section.Number, section.Kilo, section.Meter);
  line += kDistanceAcross;
  line += ReportField(a.CutLength, "###0.00");
  line += kAfterCut;
  line += ReportField(a.FillLength, "###0.00");
  line += kAfterFill;
  for (int j = 0; j < layers_; ++j) {
    line += ReportField(a.LayerLength[j], "###0.00");
    line += kAfterLength;
  }
  line += ReportField(a.CsLength, "###0.00");
  line += kAfterLength;
  line += ReportField(a.FsLength, "###0.00");
  line += kLastAcross;
  file_.Line(line);
}

void SurfacesReport::Section(const SectionSlot& section) {
  SectionRow(section);
  lineCounter_ += 2;
  if (lineCounter_ >= project_.NumLines - 4) {
    lineCounter_ = 0;
    Footer();
    Header();
    SectionRow(section);
  }
}

void SurfacesReport::Interval(const IntervalQuantities& interval) {
  std::string line = NewRow(kSectionAcross);
  line += ReportField(interval.Distance, "##0.00");
  const auto surface = [&](double value) {
    line += kLastAcross;
    line += ReportField(value, "#####0.00");
  };
  surface(interval.CutSurface);
  surface(interval.FillSurface);
  for (int j = 0; j < layers_; ++j) {
    surface(interval.LayerSurface[j]);
  }
  surface(interval.CsSurface);
  surface(interval.FsSurface);
  line += kIntervalEnd;
  file_.Line(line);

  totals_[kCut] += interval.CutSurface;
  totals_[kFill] += interval.FillSurface;
  for (int j = 0; j < ProjectRecord::kLayerCount; ++j) {
    totals_[kLayer1 + j] += interval.LayerSurface[j];
  }
  totals_[kCutSlope] += interval.CsSurface;
  totals_[kFillSlope] += interval.FsSurface;
}

void SurfacesReport::Finish() {
  Footer();
}

}  // namespace calvora

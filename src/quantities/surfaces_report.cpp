#include "quantities/surfaces_report.h"

#include "quantities/quantity_file.h"
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

// The names of the layers' length and surface columns.
constexpr const char* kLayerLengthColumns[kQuantityFileLayers] = {"layer 1 Lf", "layer 2 Lf",
                                                                  "layer 3 Lf", "layer 4 Lf"};
constexpr const char* kLayerSurfaceColumns[kQuantityFileLayers] = {"layer 1 Sf", "layer 2 Sf",
                                                                   "layer 3 Sf", "layer 4 Sf"};

}  // namespace

SurfacesReport::SurfacesReport(ReportFile& file, const ProjectRecord& project, WideFields& wide)
    : file_(file), project_(project), fields_(file, wide), layers_(ShownLayerCount(project)) {
  Header();
}

void SurfacesReport::TotalsLine(const char* label, char end) {
  std::string line = NewRow(label);
  const auto add = [&](double total, std::string_view column) {
    fields_.AddTotal(line, total, 21, column, page_);
    line += end;
  };
  add(totals_[kCut], "Sc");
  add(totals_[kFill], "Sf");
  for (int j = 0; j < layers_; ++j) {
    add(totals_[kLayer1 + j], kLayerSurfaceColumns[j]);
  }
  add(totals_[kCutSlope], "C s S");
  add(totals_[kFillSlope], "F s S");
  file_.Line(line);
}

void SurfacesReport::Header() {
  ++page_;
  file_.Line(PageTitleLine(project_.TitleLeft, page_));
  TotalsLine("    Total from previous page", ' ');

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
  TotalsLine("       Total until this page", '\xBA');
  file_.FormFeed();
}

void SurfacesReport::SectionRow(const SectionSlot& section) {
  const SectionAreas& a = section.Areas;
  const FieldPlace place = FieldPlace::Section(section.Number);
  std::string line = fields_.SectionPlace(section.Number, section.Kilo, section.Meter);
  line += kDistanceAcross;
  fields_.Add(line, a.CutLength, "###0.00", "Lc", place);
  line += kAfterCut;
  fields_.Add(line, a.FillLength, "###0.00", "Lf", place);
  line += kAfterFill;
  for (int j = 0; j < layers_; ++j) {
    fields_.Add(line, a.LayerLength[j], "###0.00", kLayerLengthColumns[j], place);
    line += kAfterLength;
  }
  fields_.Add(line, a.CsLength, "###0.00", "C s L", place);
  line += kAfterLength;
  fields_.Add(line, a.FsLength, "###0.00", "F s L", place);
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

void SurfacesReport::Interval(const IntervalQuantities& interval, const FieldPlace& place) {
  std::string line = NewRow(kSectionAcross);
  fields_.Add(line, interval.Distance, "##0.00", "distance", place);
  const auto surface = [&](double value, std::string_view column) {
    line += kLastAcross;
    fields_.Add(line, value, "#####0.00", column, place);
  };
  surface(interval.CutSurface, "Sc");
  surface(interval.FillSurface, "Sf");
  for (int j = 0; j < layers_; ++j) {
    surface(interval.LayerSurface[j], kLayerSurfaceColumns[j]);
  }
  surface(interval.CsSurface, "C s S");
  surface(interval.FsSurface, "F s S");
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

#include "quantities/volume_report.h"

#include "quantities/report_layers.h"
#include "quantities/report_text.h"

namespace calvora {

namespace {

// Row pieces as code-page bytes.
const std::string kDistanceAcross = ReportBytes("ÇÄÄÄÄÄÄÄÄ¶  ");
const std::string kAfterCut = ReportBytes("  ÇÄÄÄÄÄÄÄÄÄÄ¶  ");
const std::string kAfterArea = ReportBytes("   ÇÄÄÄÄÄÄÄÄÄÄÄÄ¶  ");
const std::string kLastAcross = ReportBytes(" ÇÄÄÄÄÄÄÄÄÄÄÄÄ¶");
const std::string kSectionAcross = ReportBytes("ÇÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄÄÄ¶ ");
const std::string kCutSurfaceAcross = ReportBytes(" ÇÄÄÄÄÄÄÄÄÄÄÄ¶");
const std::string kAreaAcross = ReportBytes(" ÇÄÄÄÄÄÄÄÄÄÄÄÄ¶  ");
const std::string kTopsoilAcross = ReportBytes(" ÇÄÄÄÄÄÄÄÄÄÄÄÄ¶ ");
const std::string kIntervalEnd = ReportBytes("  º");

}  // namespace

VolumeReport::VolumeReport(ReportFile& file, const ProjectRecord& project, WideFields& wide)
    : file_(file), project_(project), fields_(file, wide), layers_(ShownLayerCount(project)) {}

void VolumeReport::TotalsLine(const char* label, char end) {
  std::string line = NewRow(label);
  const auto add = [&](double total, std::string_view column) {
    fields_.AddTotal(line, total, 25, column, page_);
    line += end;
  };
  add(totals_.Cut, "cut volume");
  add(totals_.Fill, "fill volume");
  for (int j = 0; j < layers_; ++j) {
    add(totals_.Layer[j], kLayerVolumeColumns[j]);
  }
  add(totals_.Topsoil, "topsoil volume");
  file_.Line(line);
}

void VolumeReport::Header(int page) {
  page_ = page;
  file_.Line(PageTitleLine(project_.TitleLeft, page));
  TotalsLine(" Total from previous page", ' ');

  std::string border =
      "ÉÍÍÍÍËÍÍÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍÍÍ";
  std::string headings = "ºSec.º Kilo Meter ºDistanceº Cut Surf. º Cut Vol. º";
  std::string separator =
      "ÌÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÍÍ";
  for (int j = 0; j < layers_; ++j) {
    border += "ËÍÍÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍÍÍ";
    separator += "ÎÍÍÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÍÍ";
  }
  for (const FillColumn& column : FillColumns(project_)) {
    const std::string mark = LayerMark(column.compaction);
    headings += column.compacted ? " " + mark + " Surf. º " + mark + "  Vol. º"
                                 : " Fill Surf. º  Fill Vol. º";
  }
  file_.Line(ReportBytes(border + "ËÍÍÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍÍÍ»"));
  file_.Line(ReportBytes(headings + " Deco.Surf. º  Deco.Vol. º"));
  file_.Line(ReportBytes(separator + "ÎÍÍÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÍÍ¹"));
}

void VolumeReport::SectionRow(const QuantitySection& section) {
  const FieldPlace place = FieldPlace::Section(section.Number);
  std::string line = fields_.SectionPlace(section.Number, section.Kilo, section.Meter);
  line += kDistanceAcross;
  fields_.Add(line, section.CutArea, "###0.00", "cut area", place);
  line += kAfterCut;
  fields_.Add(line, section.FillArea, "###0.00", "fill area", place);
  line += kAfterArea;
  for (int j = 0; j < layers_; ++j) {
    fields_.Add(line, section.LayerArea[j], "###0.00", kLayerAreaColumns[j], place);
    line += kAfterArea;
  }
  fields_.Add(line, section.TopsoilArea, "  ###0.00", "topsoil area", place);
  line += kLastAcross;
  file_.Line(line);
}

void VolumeReport::IntervalRow(const QuantityInterval& interval, const FieldPlace& place,
                               double fillBelowFifthLayer) {
  std::string line = NewRow(kSectionAcross);
  fields_.Add(line, interval.Distance, "##0.00", "distance", place);
  line += kCutSurfaceAcross;
  fields_.Add(line, interval.CutVolume, "#####0.00", "cut volume", place);
  line += kAreaAcross;
  fields_.Add(line, interval.FillVolume, "#####0.00", "fill volume", place);
  for (int j = 0; j < layers_; ++j) {
    line += kAreaAcross;
    fields_.Add(line, interval.LayerVolume[j], "#####0.00", kLayerVolumeColumns[j], place);
  }
  line += kTopsoilAcross;
  fields_.Add(line, interval.TopsoilVolume, "#####0.00", "topsoil volume", place);
  line += kIntervalEnd;
  file_.Line(line);

  totals_.Cut += interval.CutVolume;
  totals_.Fill += interval.FillVolume;
  for (int j = 0; j < kQuantityFileLayers; ++j) {
    totals_.Layer[j] += interval.LayerVolume[j];
  }
  totals_.Layer[kQuantityFileLayers] += fillBelowFifthLayer;
  totals_.Topsoil += interval.TopsoilVolume;
}

void VolumeReport::Footer() {
  TotalsLine("    Total until this page", '\xBA');
  file_.FormFeed();
}

void VolumeReport::LastFooter(const std::vector<std::string>& notes) {
  TotalsLine("    Total until this page", '\xBA');
  if (FillBelowOutsideColumns(project_)) {
    std::string line = NewRow("    Fill below the layers");
    fields_.AddTotal(line, totals_.Layer[kQuantityFileLayers], 25, "fill below the layers", page_);
    line += " m3: the fill below the fifth compaction layer, in none of the columns";
    file_.Line(line);
  }
  for (const std::string& note : notes) {
    file_.Line(ReportBytes(note));
  }
  file_.FormFeed();
}

}  // namespace calvora

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

VolumeReport::VolumeReport(ReportFile& file, const ProjectRecord& project)
    : file_(file), project_(project), layers_(ShownLayerCount(project)) {}

std::string VolumeReport::TotalsLine(const char* label, char end) const {
  std::string line = label;
  const auto add = [&](double total) {
    line += TotalField(total, 25);
    line += end;
  };
  add(totals_.Cut);
  add(totals_.Fill);
  for (int j = 0; j < layers_; ++j) {
    add(totals_.Layer[j]);
  }
  add(totals_.Topsoil);
  return line;
}

void VolumeReport::Header(int page) {
  file_.Line(PageTitleLine(project_.TitleLeft, page));
  file_.Line(TotalsLine(" Total from previous page", ' '));

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
  std::string line = SectionPlace(section.Number, section.Kilo, section.Meter);
  line += kDistanceAcross;
  line += ReportField(section.CutArea, "###0.00");
  line += kAfterCut;
  line += ReportField(section.FillArea, "###0.00");
  line += kAfterArea;
  for (int j = 0; j < layers_; ++j) {
    line += ReportField(section.LayerArea[j], "###0.00");
    line += kAfterArea;
  }
  line += ReportField(section.TopsoilArea, "  ###0.00");
  line += kLastAcross;
  file_.Line(line);
}

void VolumeReport::IntervalRow(const QuantityInterval& interval) {
  std::string line = NewRow(kSectionAcross);
  line += ReportField(interval.Distance, "##0.00");
  line += kCutSurfaceAcross;
  line += ReportField(interval.CutVolume, "#####0.00");
  line += kAreaAcross;
  line += ReportField(interval.FillVolume, "#####0.00");
  for (int j = 0; j < layers_; ++j) {
    line += kAreaAcross;
    line += ReportField(interval.LayerVolume[j], "#####0.00");
  }
  line += kTopsoilAcross;
  line += ReportField(interval.TopsoilVolume, "#####0.00");
  line += kIntervalEnd;
  file_.Line(line);

  totals_.Cut += interval.CutVolume;
  totals_.Fill += interval.FillVolume;
  for (int j = 0; j < kQuantityFileLayers; ++j) {
    totals_.Layer[j] += interval.LayerVolume[j];
  }
  totals_.Topsoil += interval.TopsoilVolume;
}

void VolumeReport::Footer(const std::vector<std::string>& notes) {
  file_.Line(TotalsLine("    Total until this page", '\xBA'));
  for (const std::string& note : notes) {
    file_.Line(ReportBytes(note));
  }
  file_.FormFeed();
}

}  // namespace calvora

#pragma once
// The volume report (.VOL): areas of each section and volumes between sections, with running
// totals, made from the quantity file. Paging is the caller's: it pages with the transport
// report.

#include <array>
#include <string>
#include <vector>

#include "quantities/quantity_file.h"
#include "quantities/report_fields.h"
#include "quantities/report_file.h"
#include "records/project_record.h"

namespace calvora {

// Running totals of the volume report.
struct VolumeTotals {
  double Cut = 0;
  double Fill = 0;  // the fill column (see report_layers.h)
  // The layer columns; with five layers the last one holds the fill below the fifth layer,
  // which no column carries.
  std::array<double, ProjectRecord::kLayerCount> Layer{};
  double Topsoil = 0;
};

class VolumeReport {
 public:
  VolumeReport(ReportFile& file, const ProjectRecord& project, WideFields& wide);

  void Header(int page);
  void SectionRow(const QuantitySection& section);
  // The interval row at place (its two sections); its volumes join the totals, and so does
  // the fill below a fifth layer, which the row does not show.
  void IntervalRow(const QuantityInterval& interval, const FieldPlace& place,
                   double fillBelowFifthLayer);
  // The totals line, then the form feed.
  void Footer();
  // The totals line, the line of the fill below a fifth layer, the notes (lines of text),
  // then the form feed.
  void LastFooter(const std::vector<std::string>& notes);

  const VolumeTotals& Totals() const { return totals_; }

 private:
  void TotalsLine(const char* label, char end);

  ReportFile& file_;
  const ProjectRecord& project_;
  ReportFields fields_;
  int layers_;
  int page_ = 0;
  VolumeTotals totals_;
};

}  // namespace calvora

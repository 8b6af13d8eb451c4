#pragma once
// The volume report (.VOL): areas of each section and volumes between sections, with running
// totals, made from the quantity file. Paging is the caller's: it pages with the transport
// report.

#include <array>
#include <string>
#include <vector>

#include "quantities/quantity_file.h"
#include "quantities/report_file.h"
#include "records/project_record.h"

namespace calvora {

// Running totals of the volume report.
struct VolumeTotals {
  double Cut = 0;
  double Fill = 0;  // outside the compaction layers
  std::array<double, kQuantityFileLayers> Layer{};
  double Topsoil = 0;
};

class VolumeReport {
 public:
  VolumeReport(ReportFile& file, const ProjectRecord& project);

  void Header(int page);
  void SectionRow(const QuantitySection& section);
  // The interval row; its volumes join the totals.
  void IntervalRow(const QuantityInterval& interval);
  // The totals line, then the notes (lines of text), then the form feed.
  void Footer(const std::vector<std::string>& notes = {});

  const VolumeTotals& Totals() const { return totals_; }

 private:
  std::string TotalsLine(const char* label, char end) const;

  ReportFile& file_;
  const ProjectRecord& project_;
  int layers_;
  VolumeTotals totals_;
};

}  // namespace calvora

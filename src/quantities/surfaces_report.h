#pragma once
// The surfaces report (.SRF): lengths of each section and surfaces between sections, paged as
// the volume run goes, with running page totals.

#include <array>

#include "quantities/interval_quantities.h"
#include "quantities/report_fields.h"
#include "quantities/report_file.h"
#include "quantities/section_slot.h"
#include "records/project_record.h"

namespace calvora {

class SurfacesReport {
 public:
  // Writes the first page header.
  SurfacesReport(ReportFile& file, const ProjectRecord& project, WideFields& wide);

  // The section step: its row, and a page break when the page is full (the row is repeated at
  // the top of the new page).
  void Section(const SectionSlot& section);
  // The interval row at place (its two sections); its surfaces join the page totals.
  void Interval(const IntervalQuantities& interval, const FieldPlace& place);
  // The footer of the last page.
  void Finish();

 private:
  // Running sums: cut, fill, layers 1 to 5, "C s S", "F s S" (the fifth layer keeps a total of
  // its own, never printed, so that it never mixes with "C s S").
  enum Total {
    kCut,
    kFill,
    kLayer1,
    kCutSlope = kLayer1 + ProjectRecord::kLayerCount,
    kFillSlope,
    kTotalCount
  };

  void Header();
  void Footer();
  void SectionRow(const SectionSlot& section);
  // The line of the totals the rows show, each formatted and followed by end.
  void TotalsLine(const char* label, char end);

  ReportFile& file_;
  const ProjectRecord& project_;
  ReportFields fields_;
  int layers_;
  int page_ = 0;
  int lineCounter_ = -1;
  std::array<double, kTotalCount> totals_{};
};

}  // namespace calvora

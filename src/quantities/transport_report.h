#pragma once
// The transport report (.TRF): the fill of each interval hauled from its borrow pit, by haul
// class, with the three pay quantities and their running totals.

#include <string>

#include "quantities/borrow_pit_list.h"
#include "quantities/quantity_file.h"
#include "quantities/report_fields.h"
#include "quantities/report_file.h"
#include "records/project_record.h"

namespace calvora {

// Running totals of the pay columns.
struct TransportTotals {
  double Moved = 0;      // "0524 (m3)": the volume moved
  double ShortHaul = 0;  // "0525 (m3)": volume times hundreds of metres beyond the first 100 m
  double LongHaul = 0;   // "0526 m3-km": volume times kilometres beyond 500 m
};

// Haul of an interval's fill: from the middle of the interval to the pit, plus its access way.
double HaulDistance(const QuantitySection& opening, const QuantityInterval& interval,
                    const BorrowPit& pit);

class TransportReport {
 public:
  TransportReport(ReportFile& file, const ProjectRecord& project, WideFields& wide);

  void Header(int page);
  void SectionRow(const QuantitySection& section);
  // The transport row of the interval at place, which the section `opening` begins, served
  // from pit; returns the fill volume moved: the fill, the four layer columns and the fill
  // below a fifth layer, which the quantity file does not hold.
  double IntervalRow(const QuantitySection& opening, const QuantityInterval& interval,
                     double fillBelowFifthLayer, const BorrowPit& pit, const FieldPlace& place);
  void Footer();

  const TransportTotals& Totals() const { return totals_; }

 private:
  void TotalsLine(const std::string& label, char end);

  ReportFile& file_;
  const ProjectRecord& project_;
  ReportFields fields_;
  int page_ = 0;
  TransportTotals totals_;
};

}  // namespace calvora

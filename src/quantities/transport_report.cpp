#include "quantities/transport_report.h"

#include <cmath>
#include <numeric>

#include "quantities/report_text.h"

namespace calvora {

namespace {

// Row pieces as code-page bytes.
const std::string kBar = ReportBytes("º");
const std::string kSectionAcross =
    ReportBytes("ÇÄÄÄÄÄÄÄÄÄÄ×ÄÄÄÄÄ×ÄÄÄÄÄÄ×ÄÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄÄÄ¶");
const std::string kIntervalStart = ReportBytes("ÇÄÄÄÄ×ÄÄÄÄÄÄÄÄÄÄÄÄ¶ ");
const std::string kShortNone = ReportBytes(" ---- º --- º");
const std::string kPayNone = ReportBytes("º   ----   º   ----   º");
const std::string kShortMark = ReportBytes("º  û  º");
const std::string kLongNone = ReportBytes(" --- º");
const std::string kLastPayNone = ReportBytes("   ----   º");
const std::string kLongMarks = ReportBytes("º  û  º   û  º");

}  // namespace

double HaulDistance(const QuantitySection& opening, const QuantityInterval& interval,
                    const BorrowPit& pit) {
  const double middle = opening.Kilo * 1000 + opening.Meter + interval.Distance / 2;
  return std::abs(middle - pit.Station()) + pit.Access;
}

TransportReport::TransportReport(ReportFile& file, const ProjectRecord& project)
    : file_(file), project_(project) {}

std::string TransportReport::TotalsLine(const std::string& label, char end) const {
  std::string line = label;
  for (const double total : {totals_.Moved, totals_.ShortHaul, totals_.LongHaul}) {
    line += TotalField(total, 10);
    line += end;
  }
  return line;
}

void TransportReport::Header(int page) {
  file_.Line(PageTitleLine(project_.TitleLeft, page));
  file_.Line(TotalsLine(std::string(24, ' ') + " Total from previous page", ' '));
  file_.Line(
      ReportBytes("ÉÍÍÍÍËÍÍÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍËÍÍÍÍÍÍËÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍÍËÍÍÍÍÍÍÍÍÍ"
                  "ÍËÍÍÍÍÍÍÍÍÍÍÍÍ»"));
  file_.Line(
      ReportBytes("ºSec.º    KM      º Fill Vol.º<100mº<500m º>500mº0524 (m3) º0525 (m3) º0526 "
                  "m3-kmº Borrow Pit º"));
  file_.Line(
      ReportBytes("ÌÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÎÍÍÍÍÍÍÎÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍÍÎÍÍÍÍÍÍÍÍÍ"
                  "ÍÎÍÍÍÍÍÍÍÍÍÍÍÍ¹"));
}

void TransportReport::SectionRow(const QuantitySection& section) {
  std::string line = SectionPlace(section.Number, section.Kilo, section.Meter);
  line += kSectionAcross;
  file_.Line(line);
}

double TransportReport::IntervalRow(const QuantitySection& opening,
                                    const QuantityInterval& interval, const BorrowPit& pit) {
  const double moved = std::accumulate(interval.LayerVolume.begin(), interval.LayerVolume.end(),
                                       interval.FillVolume);
  const double haul = HaulDistance(opening, interval, pit);

  std::string line = NewRow(kIntervalStart);
  line += ReportField(moved, "#####0.00");
  if (haul < 100) {
    line += kBar;
    line += ReportField(haul, "#0.00");
    line += kBar;
    line += kShortNone;
    line += ReportField(moved, " #####0.00º");
    line += kPayNone;
  } else if (haul < 500) {
    const double shortHaul = moved * (haul - 100) / 100;
    line += kShortMark;
    line += ReportField(haul, "##0.00º");
    line += kLongNone;
    line += ReportField(moved, " #####0.00º");
    line += ReportField(shortHaul, " #####0.00º");
    line += kLastPayNone;
    totals_.ShortHaul += shortHaul;
  } else {
    const double beyond = haul / 1000 - 0.5;
    line += kLongMarks;
    line += ReportField(beyond, "#0.00º");
    line += ReportField(moved, " #####0.00º");
    line += ReportField(4 * moved, " #####0.00º");
    line += ReportField(moved * beyond, " #####0.00º");
    totals_.ShortHaul += 4 * moved;
    totals_.LongHaul += moved * beyond;
  }
  totals_.Moved += moved;
  line += ReportField(pit.Kilo, "####0");
  line += '+';
  line += ReportField(pit.Meter, "##0.00º");
  file_.Line(line);
  return moved;
}

void TransportReport::Footer() {
  file_.Line(TotalsLine(std::string(27, ' ') + " Total until this page", '\xBA'));
  file_.FormFeed();
}

}  // namespace calvora

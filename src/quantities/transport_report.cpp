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
const std::string kPayNone = ReportBytes("   ----   º   ----   º");
const std::string kShortMark = ReportBytes("º  û  º");
const std::string kLongNone = ReportBytes(" --- º");
const std::string kLastPayNone = ReportBytes("   ----   º");
const std::string kLongMarks = ReportBytes("º  û  º   û  º");

// The pay columns, as the notes of wide fields name them.
constexpr std::string_view kMovedColumn = "0524 (m3)";
constexpr std::string_view kShortHaulColumn = "0525 (m3)";
constexpr std::string_view kLongHaulColumn = "0526 m3-km";

}  // namespace

double HaulDistance(const QuantitySection& opening, const QuantityInterval& interval,
                    const BorrowPit& pit) {
  const double middle = opening.Kilo * 1000 + opening.Meter + interval.Distance / 2;
  return std::abs(middle - pit.Station()) + pit.Access;
}

TransportReport::TransportReport(ReportFile& file, const ProjectRecord& project, WideFields& wide)
    : file_(file), project_(project), fields_(file, wide) {}

void TransportReport::TotalsLine(const std::string& label, char end) {
  std::string line = NewRow(label);
  const auto add = [&](double total, std::string_view column) {
    fields_.AddTotal(line, total, 10, column, page_);
    line += end;
  };
  add(totals_.Moved, kMovedColumn);
  add(totals_.ShortHaul, kShortHaulColumn);
  add(totals_.LongHaul, kLongHaulColumn);
  file_.Line(line);
}

void TransportReport::Header(int page) {
  page_ = page;
  file_.Line(PageTitleLine(project_.TitleLeft, page));
  TotalsLine(std::string(24, ' ') + " Total from previous page", ' ');
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
  std::string line = fields_.SectionPlace(section.Number, section.Kilo, section.Meter);
  line += kSectionAcross;
  file_.Line(line);
}

double TransportReport::IntervalRow(const QuantitySection& opening,
                                    const QuantityInterval& interval, double fillBelowFifthLayer,
                                    const BorrowPit& pit, const FieldPlace& place) {
  const double moved = std::accumulate(interval.LayerVolume.begin(), interval.LayerVolume.end(),
                                       interval.FillVolume + fillBelowFifthLayer);
  const double haul = HaulDistance(opening, interval, pit);
  std::string line = NewRow(kIntervalStart);
  const auto add = [&](double value, std::string_view pattern, std::string_view column) {
    fields_.Add(line, value, pattern, column, place);
  };
  add(moved, "#####0.00", "fill volume");
  if (haul < 100) {
    line += kBar;
    add(haul, "#0.00", "<100m");
    line += kBar;
    line += kShortNone;
    add(moved, " #####0.00º", kMovedColumn);
    line += kPayNone;
  } else if (haul < 500) {
    const double shortHaul = moved * (haul - 100) / 100;
    line += kShortMark;
    add(haul, "##0.00º", "<500m");
    line += kLongNone;
    add(moved, " #####0.00º", kMovedColumn);
    add(shortHaul, " #####0.00º", kShortHaulColumn);
    line += kLastPayNone;
    totals_.ShortHaul += shortHaul;
  } else {
    const double beyond = haul / 1000 - 0.5;
    line += kLongMarks;
    add(beyond, "#0.00º", ">500m");
    add(moved, " #####0.00º", kMovedColumn);
    add(4 * moved, " #####0.00º", kShortHaulColumn);
    add(moved * beyond, " #####0.00º", kLongHaulColumn);
    totals_.ShortHaul += 4 * moved;
    totals_.LongHaul += moved * beyond;
  }
  totals_.Moved += moved;
  add(pit.Kilo, "####0", "borrow pit kilometre");
  line += '+';
  add(pit.Meter, "##0.00º", "borrow pit metre");
  file_.Line(line);
  return moved;
}

void TransportReport::Footer() {
  TotalsLine(std::string(27, ' ') + " Total until this page", '\xBA');
  file_.FormFeed();
}

}  // namespace calvora

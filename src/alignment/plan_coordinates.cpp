#include "alignment/plan_coordinates.h"

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "alignment/alignment_polygon.h"
#include "alignment/clothoid_series.h"
#include "alignment/corner_geometry.h"
#include "alignment/polygon_checks.h"
#include "alignment/spiral_layout.h"
#include "alignment/station_line.h"
#include "alignment/vertical_profile.h"
#include "numbers/number_text.h"
#include "project/prompt_output_file.h"
#include "project/scratch_output.h"
#include "project/working_files.h"

namespace calvora {

namespace {

constexpr std::size_t kMaxProfilePoints = 100;
// More lines than this would come from an interval far too small for the road.
constexpr double kMaxLines = 5'000'000;

// The signed angle from a to b the short way round.
double ShortSweep(double a, double b) {
  double sweep = b - a;
  while (sweep > kAlignmentPi) {
    sweep -= 2 * kAlignmentPi;
  }
  while (sweep <= -kAlignmentPi) {
    sweep += 2 * kAlignmentPi;
  }
  return sweep;
}

// Where the normals to the two tangents at tc and ct meet.
PlanePoint NormalsMeet(PlanePoint previous, PlanePoint corner, PlanePoint next, PlanePoint tc,
                       PlanePoint ct) {
  const double n1x = -(corner.y - previous.y);
  const double n1y = corner.x - previous.x;
  const double n2x = -(next.y - corner.y);
  const double n2y = next.x - corner.x;
  const double cross = n1x * n2y - n1y * n2x;
  const double a = ((ct.x - tc.x) * n2y - (ct.y - tc.y) * n2x) / cross;
  return {tc.x + a * n1x, tc.y + a * n1y};
}

// Thrown when the alignment would give more lines than kMaxLines.
struct TooManyLines {};

// Writes the stationed lines of the elements one after another.
class StationedLines {
 public:
  StationedLines(double start, double interval, const VerticalProfile& profile)
      : station_(start), nextMark_(start), interval_(interval), profile_(profile) {}

  // An element of the given length from the running station: a line at every station mark on
  // it and one at its end.
  void Element(double length, const std::function<PlanePoint(double)>& pointAt, PlanePoint end,
               int digits) {
    double offset = nextMark_ - station_;
    if (offset < 0.001) {
      offset = 0;
    }
    for (long k = 0;; ++k) {
      const double l = offset + static_cast<double>(k) * interval_;
      if (l > length) {
        break;
      }
      Line(station_ + l, pointAt(l), digits);
      nextMark_ = station_ + l + interval_;
    }
    station_ += length;
    Line(station_, end, digits);
  }

  void Tangent(PlanePoint from, PlanePoint to) {
    Element(
        Distance(from, to), [&](double l) { return PointAlong(from, to, l); }, to, 3);
  }

  void Arc(PlanePoint centre, double radius, PlanePoint from, PlanePoint to) {
    const double start = Azimuth(from, centre);
    const double sweep = ShortSweep(start, Azimuth(to, centre));
    const double sign = sweep < 0 ? -1 : 1;
    Element(
        radius * std::fabs(sweep),
        [&](double l) {
          const double theta = start + sign * l / radius;
          return PlanePoint{centre.x + radius * std::cos(theta),
                            centre.y + radius * std::sin(theta)};
        },
        to, 3);
  }

  std::string& Text() { return text_; }

 private:
  void Line(double station, PlanePoint p, int digits) {
    if (++lineCount_ > kMaxLines) {
      throw TooManyLines{};
    }
    WriteStationLine(text_, station, RoundTo(p.x, digits), RoundTo(p.y, digits),
                     RoundTo(profile_.ElevationAt(station), 3));
  }

  double station_;
  double nextMark_;
  double interval_;
  const VerticalProfile& profile_;
  std::string text_;
  double lineCount_ = 0;
};

void LayOutSimpleCurve(StationedLines& lines, PlanePoint& current, PlanePoint previous,
                       PlanePoint corner, PlanePoint next, const CornerCurve& curve) {
  const double tangent = curve.radius * std::tan(curve.deflection / 2);
  const PlanePoint tc = PointAlong(corner, previous, tangent);
  const PlanePoint ct = PointAlong(corner, next, tangent);
  lines.Tangent(current, tc);
  lines.Arc(NormalsMeet(previous, corner, next, tc, ct), curve.radius, tc, ct);
  current = ct;
}

void LayOutSpiralCurve(StationedLines& lines, PlanePoint& current, PlanePoint previous,
                       PlanePoint corner, PlanePoint next, const CornerCurve& curve) {
  const SpiralLayout layout =
      LayOutSpiral(curve.spiralParameter, curve.radius, curve.deflection, SpiralSeries::Long);
  const PlanePoint ts = PointAlong(corner, previous, layout.tangent);
  const PlanePoint st = PointAlong(corner, next, layout.tangent);
  const double inward = Azimuth(corner, previous);
  const double outward = Azimuth(corner, next);
  const double side = -curve.TurnSign();
  auto firstSpiral = [&](double l) {
    const ClothoidOffset c = ClothoidPoint(l, layout.length, layout.angleDegrees);
    return FromLocal(ts, inward, c.x, side * c.y);
  };
  auto secondSpiral = [&](double l) {
    const ClothoidOffset c = ClothoidPoint(layout.length - l, layout.length, layout.angleDegrees);
    return FromLocal(st, outward, c.x, -side * c.y);
  };
  const PlanePoint sc = firstSpiral(layout.length);
  const PlanePoint cs = secondSpiral(0);
  const PlanePoint centre = InsideBisectorPoint(
      previous, corner, next, (curve.radius + layout.shift) / std::cos(curve.deflection / 2));
  lines.Tangent(current, ts);
  lines.Element(layout.length, firstSpiral, sc, 3);
  lines.Arc(centre, curve.radius, sc, cs);
  lines.Element(layout.length, secondSpiral, st, 4);
  current = st;
}

std::optional<std::string> RefusalOf(const std::vector<PolygonPoint>& polygon,
                                     const std::vector<VerticalPoint>& profile) {
  if (profile.size() > kMaxProfilePoints) {
    return "The alignment file holds " + std::to_string(profile.size()) +
           " elevation points; plan coordinates take at most " + std::to_string(kMaxProfilePoints) +
           ".";
  }
  if (auto defect = VerticalPointsDefect(profile)) {
    return defect;
  }
  if (auto defect = PolygonValuesDefect(polygon)) {
    return defect;
  }
  for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
    if (auto defect = RecordedCurveDefect(polygon, i)) {
      return defect;
    }
  }
  return std::nullopt;
}

// The lines of the whole alignment; nullopt when the person stopped the pass.
std::optional<std::string> StationLines(const std::vector<PolygonPoint>& polygon, double interval,
                                        const VerticalProfile& profile, Progress& progress) {
  StationedLines lines(polygon.front().record.Station(), interval, profile);
  PlanePoint current = polygon.front().point;
  for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
    if (progress.Step(static_cast<int>(i))) {
      return std::nullopt;
    }
    const CornerCurve& curve = polygon[i].curve;
    const PlanePoint previous = polygon[i - 1].point;
    const PlanePoint corner = polygon[i].point;
    const PlanePoint next = polygon[i + 1].point;
    if (curve.radius == 0) {
      lines.Tangent(current, corner);
      current = corner;
    } else if (curve.spiralParameter == 0) {
      LayOutSimpleCurve(lines, current, previous, corner, next, curve);
    } else {
      LayOutSpiralCurve(lines, current, previous, corner, next, curve);
    }
  }
  lines.Tangent(current, polygon.back().point);
  return std::move(lines.Text());
}

double PolygonLength(const std::vector<PolygonPoint>& polygon) {
  double length = 0;
  for (std::size_t i = 1; i < polygon.size(); ++i) {
    length += Distance(polygon[i - 1].point, polygon[i].point);
  }
  return length;
}

}  // namespace

CommandResult CalcPlanCoordinates::Run(ProjectState& state, UserDialogs& dialogs,
                                       Progress& progress) {
  written_.clear();
  CommandResult result = CommandResult::Stopped;
  RunRetryingFileErrors(dialogs, [&] {
    const std::vector<AlignmentRecord> records = ReadAlignmentRecords(state.Align);
    const std::vector<PolygonPoint> polygon = ReadPolygon(records);
    std::vector<VerticalPoint> vertical = ReadVerticalPoints(records);
    if (auto refusal = RefusalOf(polygon, vertical)) {
      dialogs.Message(*refusal);
      return;
    }
    const std::string answer =
        dialogs.InputBox({QuestionId::StationInterval}, "Distance between stations:", "", "20");
    if (answer.empty()) {
      return;
    }
    const double interval = LeadingNumber(answer);
    if (!(interval > 0 && PolygonLength(polygon) / interval < kMaxLines)) {
      dialogs.Message("The distance between stations must be more than 0 and leave fewer than " +
                      PlainNumber(kMaxLines) + " stations on the road.");
      return;
    }
    const std::string output =
        PromptOutputFile(state.Align.File->Path().string(), ".XYZ", dialogs, ProjectFilesOf(state));
    if (output.empty()) {
      return;
    }
    const VerticalProfile profile(std::move(vertical));
    if (polygon.empty()) {
      WriteFileAtomically(output, "");
      written_ = output;
      result = CommandResult::Done;
      return;
    }
    progress.Start(static_cast<int>(polygon.size()));
    std::optional<std::string> text;
    try {
      text = StationLines(polygon, interval, profile, progress);
    } catch (const TooManyLines&) {
      dialogs.Message("The alignment gives more than " + PlainNumber(kMaxLines) +
                      " stations: choose a larger distance between stations.");
    }
    progress.Finish();
    if (!text) {
      return;
    }
    WriteFileAtomically(output, *text);
    written_ = output;
    result = CommandResult::Done;
  });
  return result;
}

}  // namespace calvora

#include "alignment/spiral_design.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "alignment/alignment_polygon.h"
#include "alignment/design_dialogue.h"
#include "alignment/design_file.h"
#include "alignment/design_start.h"
#include "alignment/polygon_checks.h"
#include "alignment/spiral_layout.h"
#include "alignment/table_lookup.h"
#include "numbers/number_text.h"
#include "project/scratch_output.h"

namespace calvora {

namespace {

struct SpiralStations {
  SpiralLayout layout;
  double ts = 0;
  double sc = 0;
  double cs = 0;
  double st = 0;
};

SpiralStations StationsFor(double a, const CornerCurve& curve, double runningStation,
                           double distance) {
  SpiralStations s;
  s.layout = LayOutSpiral(a, curve.radius, curve.deflection, SpiralSeries::Short);
  s.ts = runningStation + distance - s.layout.tangent;
  s.sc = s.ts + s.layout.length;
  s.cs = s.sc + s.layout.arcLength;
  s.st = s.cs + s.layout.length;
  return s;
}

DesignView ViewOf(int n, double a, const CornerCurve& curve, const SpiralStations& s) {
  DesignView view;
  const std::string number = std::to_string(n);
  if (!std::isfinite(a) || a < 0) {
    view.problem = "The spirals of curve No. " + number + " need a parameter of 0 or more.";
    return view;
  }
  const SpiralLayout& l = s.layout;
  if (!FitsAlignmentRecord(s.ts, a, l.length, l.angle) ||
      !FitsAlignmentRecord(s.sc, curve.radius, l.arcLength, curve.deflection) ||
      !FitsAlignmentRecord(s.cs, 0, 0, 0) || !FitsAlignmentRecord(s.st, 0, 0, 0)) {
    view.problem = "The spiral parameter " + PlainNumber(a) + " puts curve No. " + number +
                   " beyond the stations an alignment file can hold.";
    return view;
  }
  view.showable = true;
  view.prompt = DesignPrompt(
      {"Spirals of Curve No. : " + number, "Spiral Parameter = " + PlainNumber(a),
       "Spiral Lenght = " + PlainNumber(l.length), "Start Station = " + StationLabel(s.ts, 4),
       "End Station = " + StationLabel(s.st, 4), "",
       "Confirm this design or enter new Spiral parameter for this curve:"});
  if (l.arcLength < 0) {
    view.problem = "The spirals of curve No. " + number +
                   " are longer than the curve allows: enter a spiral parameter of at most " +
                   PlainNumber(std::floor(curve.radius * std::sqrt(curve.deflection))) + ".";
  }
  return view;
}

std::optional<std::string> RefusalOf(const std::vector<PolygonPoint>& polygon) {
  if (auto defect = PolygonValuesDefect(polygon)) {
    return defect;
  }
  for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
    // The spirals of the file read are replaced by the ones designed here.
    std::vector<PolygonPoint> corner(polygon.begin() + static_cast<std::ptrdiff_t>(i - 1),
                                     polygon.begin() + static_cast<std::ptrdiff_t>(i + 2));
    corner[1].curve.spiralParameter = 0;
    if (auto defect = RecordedCurveDefect(corner, 1)) {
      return defect;
    }
  }
  return std::nullopt;
}

}  // namespace

double SuggestedSpiralParameter(double v, double r, double f) {
  const double e = f - v * v / (127 * r);
  const double byComfort = std::fabs(0.036 * v * v * v / r);
  const double bySuperelevation = std::fabs(13.65 * v * e);
  return RoundTo(std::sqrt(r * std::max(byComfort, bySuperelevation)), -2);
}

CommandResult DesignSpirals::Run(ProjectState& state, UserDialogs& dialogs, Progress&) {
  const std::optional<DesignStart> start =
      StartDesign(state, dialogs, kFrictionTableName, "_K.CRV");
  if (!start) {
    return CommandResult::Stopped;
  }
  const double speed = start->speed;
  const double friction = start->tableValue;
  const std::string& output = start->output;
  written_.clear();
  CommandResult result = CommandResult::Stopped;
  RunRetryingFileErrors(dialogs, [&] {
    const std::vector<PolygonPoint> polygon = ReadPolygon(ReadAlignmentRecords(state.Align));
    if (auto refusal = RefusalOf(polygon)) {
      dialogs.Message(*refusal);
      return;
    }
    DesignFile design;
    if (polygon.empty()) {
      design.Save(output);
      written_ = output;
      result = CommandResult::Done;
      return;
    }
    design.WritePolygonPoint(polygon.front().point);
    PlanePoint reference = polygon.front().point;
    double runningStation = 0;
    for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
      const int n = static_cast<int>(i);
      const PolygonPoint& corner = polygon[i];
      const CornerCurve& curve = corner.curve;
      const double distance = Distance(reference, corner.point);
      if (curve.radius == 0) {
        // Without a curve the corner stays a plain polygon point on the running station.
        design.WriteRecord(corner.record);
        reference = corner.point;
        runningStation += distance;
        continue;
      }
      auto view = [&](double a) {
        return ViewOf(n, a, curve, StationsFor(a, curve, runningStation, distance));
      };
      double suggestion = SuggestedSpiralParameter(speed, curve.radius, friction);
      if (!view(suggestion).showable) {
        suggestion = 0;
      }
      const DesignAnswer answer = ConfirmDesign(dialogs, "Spiral Design", n, suggestion, view);
      if (!answer.value) {
        if (!answer.refused) {
          design.Save(output);
          written_ = output;
        }
        return;
      }
      const std::optional<double>& a = answer.value;
      const SpiralStations s = StationsFor(*a, curve, runningStation, distance);
      design.WriteDesignRecord(s.ts, PointCode::FirstSpiralStart, *a, s.layout.length,
                               s.layout.angle);
      design.WriteDesignRecord(s.sc, static_cast<PointCode>(curve.turnCode), curve.radius,
                               s.layout.arcLength, curve.deflection);
      design.WritePolygonPoint(corner.point);
      design.WriteDesignRecord(s.cs, PointCode::HorizontalCurveEnd, 0, 0, 0);
      design.WriteDesignRecord(s.st, PointCode::SecondSpiralEnd, *a, s.layout.length,
                               s.layout.angle);
      reference = PointAlong(corner.point, polygon[i + 1].point, s.layout.tangent);
      runningStation = s.st;
    }
    design.WritePolygonPoint(polygon.back().point);
    design.Save(output);
    written_ = output;
    result = CommandResult::Done;
  });
  return result;
}

}  // namespace calvora

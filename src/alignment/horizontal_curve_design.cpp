#include "alignment/horizontal_curve_design.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "alignment/alignment_polygon.h"
#include "alignment/corner_geometry.h"
#include "alignment/design_dialogue.h"
#include "alignment/design_file.h"
#include "alignment/design_start.h"
#include "alignment/table_lookup.h"
#include "numbers/number_text.h"
#include "project/scratch_output.h"

namespace calvora {

namespace {

struct CurveDesign {
  double tangent = 0;  // T
  double length = 0;   // L
  double start = 0;    // TC station
  double end = 0;      // CT station
};

struct CurveCorner {
  int number = 0;
  CornerTurn turn;
  double distance = 0;  // from the point before to the corner
};

CurveDesign DesignFor(const CurveCorner& corner, double radius, double previousEnd,
                      double previousTangent) {
  CurveDesign design;
  design.tangent = radius * std::tan(corner.turn.deflection / 2);
  design.start = previousEnd + corner.distance - design.tangent - previousTangent;
  design.length = corner.turn.deflection * radius;
  design.end = design.start + design.length;
  return design;
}

DesignView ViewOf(const CurveCorner& corner, double radius, const CurveDesign& design) {
  DesignView view;
  const std::string number = std::to_string(corner.number);
  if (!std::isfinite(radius) || radius < 0) {
    view.problem = "Curve No. " + number + " needs a radius of 0 or more.";
    return view;
  }
  if (!FitsAlignmentRecord(design.start, radius, design.length, corner.turn.deflection) ||
      !FitsAlignmentRecord(design.end, 0, 0, 0) || !std::isfinite(design.tangent)) {
    view.problem = "The radius " + PlainNumber(radius) + " puts curve No. " + number +
                   " beyond the stations an alignment file can hold.";
    return view;
  }
  view.showable = true;
  view.prompt = DesignPrompt({"Design of Horizontal curve No.: " + number,
                              "Radius suggestioned = " + PlainNumber(radius),
                              "Curve Lenght = " + PlainNumber(design.length),
                              "Start Station = " + StationLabel(design.start, 4),
                              "End Station = " + StationLabel(design.end, 4), "",
                              "Confirm this design or enter new Radius for this curve:"});
  return view;
}

}  // namespace

CommandResult DesignHorizontalCurves::Run(ProjectState& state, UserDialogs& dialogs, Progress&) {
  const std::optional<DesignStart> start = StartDesign(state, dialogs, kRadiusTableName, "_D.CRV");
  if (!start) {
    return CommandResult::Stopped;
  }
  double suggestion = start->tableValue;
  const std::string& output = start->output;
  written_.clear();
  CommandResult result = CommandResult::Stopped;
  RunRetryingFileErrors(dialogs, [&] {
    const std::vector<PolygonPoint> polygon = ReadPolygon(ReadAlignmentRecords(state.Align));
    for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
      if (auto defect = CornerDefect(static_cast<int>(i), polygon[i - 1].point, polygon[i].point,
                                     polygon[i + 1].point)) {
        dialogs.Message(*defect);
        return;
      }
    }
    DesignFile design;
    if (!polygon.empty()) {
      design.WritePolygonPoint(polygon.front().point);
    }
    double previousEnd = 0;
    double previousTangent = 0;
    for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
      const CurveCorner corner{static_cast<int>(i),
                               TurnAt(polygon[i - 1].point, polygon[i].point, polygon[i + 1].point),
                               Distance(polygon[i - 1].point, polygon[i].point)};
      auto view = [&](double radius) {
        return ViewOf(corner, radius, DesignFor(corner, radius, previousEnd, previousTangent));
      };
      if (!view(suggestion).showable) {
        suggestion = 0;
      }
      const DesignAnswer answer =
          ConfirmDesign(dialogs, "Horizontal curve Design", corner.number, suggestion, view);
      if (!answer.value) {
        if (!answer.refused) {
          design.Save(output);
          written_ = output;
        }
        return;
      }
      const std::optional<double>& radius = answer.value;
      const CurveDesign curve = DesignFor(corner, *radius, previousEnd, previousTangent);
      design.WriteDesignRecord(curve.start, corner.turn.turn, *radius, curve.length,
                               corner.turn.deflection);
      design.WritePolygonPoint(polygon[i].point);
      design.WriteDesignRecord(curve.end, PointCode::HorizontalCurveEnd, 0, 0, 0);
      previousEnd = curve.end;
      previousTangent = curve.tangent;
      suggestion = *radius;
    }
    if (polygon.size() > 1) {
      design.WritePolygonPoint(polygon.back().point);
    }
    design.Save(output);
    written_ = output;
    result = CommandResult::Done;
  });
  return result;
}

}  // namespace calvora

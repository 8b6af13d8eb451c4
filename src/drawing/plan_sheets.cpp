#include "drawing/plan_sheets.h"

#include <algorithm>
#include <cmath>

#include "alignment/alignment_polygon.h"
#include "alignment/vertical_profile.h"
#include "drawing/plan_curve_table.h"
#include "drawing/plan_furniture.h"
#include "numbers/number_text.h"
#include "records/record_file.h"
#include "records/section_record.h"

namespace calvora {

namespace {

constexpr std::int16_t kBlack = 0;
constexpr std::int16_t kBlue = 1;
constexpr std::int16_t kGreen = 2;
constexpr std::int16_t kRed = 4;
constexpr double kTickEvery = 20;    // metres
constexpr double kLabelEvery = 100;  // metres
constexpr double kTickHalf = 0.3;    // drawing units
constexpr double kMarkHalf = 0.2;
constexpr double kDash = 0.5;  // dash and gap of the polygon, drawing units

std::vector<PlanSection> SurveyedSections(const ProjectState& state,
                                          const std::vector<AxisElement>& axis) {
  std::vector<PlanSection> sections;
  for (int n = 1; n <= state.Data.Count(); ++n) {
    const SectionRecord section = ReadRecord<SectionRecord>(*state.Data.File, n);
    const std::optional<AxisPosition> at = PositionAt(axis, section.Station());
    if (!at) {
      continue;
    }
    double left = 0;
    double right = 0;
    for (const int side : {-1, 1}) {
      for (int i = 1; i <= section.PointsOnSide(side); ++i) {
        left = std::min<double>(left, section.GroundPoints(side * i, 0));
        right = std::max<double>(right, section.GroundPoints(side * i, 0));
      }
    }
    const double across = at->direction - kAlignmentPi / 2;  // to the right
    sections.push_back({n, section.Station(), FromLocal(at->point, across, left, 0),
                        FromLocal(at->point, across, right, 0)});
  }
  return sections;
}

// The main points of the axis with their names, in station order.
struct MainPoint {
  std::string name;
  double station = 0;
  PlanePoint point;
};

std::vector<MainPoint> MainPoints(const std::vector<AxisElement>& axis) {
  std::vector<MainPoint> points;
  for (const AxisElement& e : axis) {
    const char* start = "";
    const char* end = "";
    if (e.kind == AxisElementKind::Spiral) {
      start = e.leavesCircle ? "CS" : "TS";
      end = e.leavesCircle ? "ST" : "SC";
    } else if (e.kind == AxisElementKind::Arc) {
      const bool spirals = e.spiralParameter != 0;
      start = spirals ? "" : "TC";
      end = spirals ? "" : "CT";
    }
    if (*start != '\0') {
      points.push_back({start, e.station, e.start});
    }
    if (*end != '\0') {
      points.push_back({end, e.EndStation(), e.end});
    }
  }
  return points;
}

}  // namespace

PlanSheets::PlanSheets(const ProjectState& state, SheetSize sheet, double denominator)
    : state_(state), layout_({}, sheet, denominator) {
  const std::vector<AlignmentRecord> records = ReadAlignmentRecords(state.Align);
  polygon_ = ReadPolygon(records);
  if (polygon_.empty()) {
    problem_ = "The alignment file holds no X-Y point: there is no plan to draw.";
  } else if (auto defect = RoadAxisDefect(polygon_, ReadVerticalPoints(records))) {
    problem_ = *defect;
  } else {
    axis_ = RoadAxis(polygon_);
    sections_ = SurveyedSections(state, axis_);
  }
  layout_ = PlanLayout(PointsToShow(), sheet, denominator);
}

std::vector<PlanePoint> PlanSheets::PointsToShow() const {
  std::vector<PlanePoint> points;
  for (const auto& line : AxisLines()) {
    points.insert(points.end(), line.begin(), line.end());
  }
  for (const PolygonPoint& p : polygon_) {
    points.push_back(p.point);
  }
  for (const PlanSection& s : sections_) {
    points.push_back(s.left);
    points.push_back(s.right);
  }
  return points;
}

std::vector<std::vector<PlanePoint>> PlanSheets::AxisLines() const {
  const double tolerance = kPlanDrawingTolerance * layout_.Denominator() / 1000;
  // Chords short enough to stay within the tolerance of a circle of the radius (a spiral's
  // radius is nowhere smaller than its circle's); and at least one per sheet's worth of plan.
  const double longest = std::max(layout_.Sheet().Width, 1.0) / layout_.UnitsPerMetre() / 4;
  std::vector<std::vector<PlanePoint>> lines;
  for (const AxisElement& e : axis_) {
    double step = e.length;
    if (e.kind != AxisElementKind::Tangent) {
      step = std::sqrt(8 * e.radius * tolerance);
    }
    step = std::min(step, longest);
    const int pieces = std::max(1, static_cast<int>(std::ceil(e.length / step)));
    std::vector<PlanePoint> line;
    for (int k = 0; k <= pieces; ++k) {
      line.push_back(k == pieces ? e.end : e.pointAt(e.length * k / pieces));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

void PlanSheets::DrawSheet(clsGraphic& graphic, int sheet, double xOffset) const {
  const SheetSize size = layout_.Sheet();
  graphic.Scale = {xOffset, size.Height, size.Width, -size.Height};
  graphic.SetScale();
  const PlanBox frame = layout_.Frame();
  const double pitch = state_.Project.Font.Size / 10.0;
  auto onSheet = [&](PlanePoint p) {
    const PlanePoint s = layout_.OnSheet(sheet, p);
    return PlanePoint{s.x + xOffset, s.y};
  };
  auto line = [&](PlanePoint a, PlanePoint b, std::int16_t pen) {
    graphic.DrawLine(a.x, a.y, b.x, b.y, pen);
  };
  auto text = [&](PlanePoint at, const std::string& words) {
    const PlanBox plane = layout_.Plane(sheet);
    if (plane.Holds(at)) {
      const PlanePoint s = onSheet(at);
      graphic.DrawText(s.x + kMarkHalf, s.y + pitch / 2, words);
    }
  };
  auto across = [&](PlanePoint at, double direction, double half, std::int16_t pen) {
    const PlanePoint s = onSheet(at);
    const double nx = -std::sin(direction) * half;
    const double ny = std::cos(direction) * half;
    line({s.x - nx, s.y - ny}, {s.x + nx, s.y + ny}, pen);
  };

  graphic.Clip = ClipRect{frame.left + xOffset, frame.bottom, frame.right + xOffset, frame.top};
  DrawPlanGrid(graphic, layout_, sheet, xOffset, pitch);
  if (problem_.empty()) {
    graphic.SetLayer("Polygon");
    for (std::size_t i = 1; i < polygon_.size(); ++i) {
      DrawDashedLine(graphic, onSheet(polygon_[i - 1].point), onSheet(polygon_[i].point), kDash,
                     kBlack);
    }
    for (std::size_t i = 1; i + 1 < polygon_.size(); ++i) {
      text(polygon_[i].point, "PI " + std::to_string(i));
    }
    graphic.SetLayer("Axis");
    for (const auto& points : AxisLines()) {
      for (std::size_t k = 1; k < points.size(); ++k) {
        line(onSheet(points[k - 1]), onSheet(points[k]), kRed);
      }
    }
    graphic.SetLayer("Stations");
    const double first = std::ceil(axis_.front().station / kTickEvery) * kTickEvery;
    for (double s = first; s <= axis_.back().EndStation(); s += kTickEvery) {
      const std::optional<AxisPosition> at = PositionAt(axis_, s);
      if (at) {
        const bool labelled = std::fmod(s, kLabelEvery) == 0;
        across(at->point, at->direction, labelled ? 2 * kTickHalf : kTickHalf, kBlack);
        if (labelled) {
          text(at->point, StationLabel(s, 3));
        }
      }
    }
    graphic.SetLayer("MainPoints");
    for (const MainPoint& p : MainPoints(axis_)) {
      const PlanePoint s = onSheet(p.point);
      line({s.x - kMarkHalf, s.y - kMarkHalf}, {s.x + kMarkHalf, s.y + kMarkHalf}, kBlue);
      line({s.x - kMarkHalf, s.y + kMarkHalf}, {s.x + kMarkHalf, s.y - kMarkHalf}, kBlue);
      const PlanBox plane = layout_.Plane(sheet);
      if (plane.Holds(p.point)) {
        graphic.DrawText(s.x + kMarkHalf, s.y - kMarkHalf,
                         p.name + " " + StationLabel(p.station, 3));
      }
    }
    graphic.SetLayer("Sections");
    for (const PlanSection& section : sections_) {
      line(onSheet(section.left), onSheet(section.right), kGreen);
      text(section.right, std::to_string(section.number));
    }
  }
  graphic.Clip.reset();
  DrawPlanFurniture(graphic, layout_, state_.Project, sheet, xOffset);
  if (!problem_.empty()) {
    graphic.SetLayer("Frame");
    graphic.DrawText(frame.left + 1 + xOffset, frame.top - 1, problem_);
  } else if (sheet == 1) {
    DrawCurveTable(graphic, CurveRows(polygon_, axis_),
                   {frame.left + 0.5 + xOffset, frame.top - 0.5}, pitch);
  }
}

}  // namespace calvora

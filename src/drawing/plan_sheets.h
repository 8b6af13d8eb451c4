#pragma once
// The plan of the road, sheet by sheet: the alignment polygon, the axis as the plan coordinates
// lay it out, stations, main points, the curve table, the surveyed sections square to the axis,
// the grid, north arrow, scale bar, titles and the key to the neighbouring sheets. Drawn through
// clsGraphic, so that the screen, the printer and a DXF file draw the same.

#include <string>
#include <vector>

#include "alignment/road_axis.h"
#include "drawing/cls_graphic.h"
#include "drawing/plan_layout.h"
#include "project/project_state.h"

namespace calvora {

inline constexpr double kDefaultPlanScale = 1000;

// A surveyed section across the axis, from its leftmost to its rightmost ground point.
struct PlanSection {
  int number = 0;
  double station = 0;
  PlanePoint left;
  PlanePoint right;
};

class PlanSheets {
 public:
  // Reads the alignment and survey data files of the open project (either may be missing) and
  // lays the plan out on sheets of that size at 1:denominator.
  PlanSheets(const ProjectState& state, SheetSize sheet, double denominator = kDefaultPlanScale);

  int SheetCount() const { return layout_.SheetCount(); }
  const PlanLayout& Layout() const { return layout_; }
  // What the sheet says instead of a plan ("" when there is a road to draw).
  const std::string& Problem() const { return problem_; }
  // The axis drawn as lines: points no farther apart than the drawing tolerance allows.
  std::vector<std::vector<PlanePoint>> AxisLines() const;

  // Draws sheet n (from 1) on the graphic, whose object the caller set; xOffset moves the sheet
  // to the right (sheets side by side in one DXF drawing).
  void DrawSheet(clsGraphic& graphic, int sheet, double xOffset = 0) const;

 private:
  std::vector<PlanePoint> PointsToShow() const;

  const ProjectState& state_;
  std::vector<PolygonPoint> polygon_;
  std::vector<AxisElement> axis_;
  std::vector<PlanSection> sections_;
  std::string problem_;
  PlanLayout layout_;
};

}  // namespace calvora

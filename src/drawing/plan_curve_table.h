#pragma once
// The plan's table of curve data: per corner with a curve its radius, deflection, tangent
// length and arc length, and the spiral parameter and length where it has spirals.

#include <string>
#include <vector>

#include "alignment/alignment_polygon.h"
#include "alignment/road_axis.h"
#include "drawing/cls_graphic.h"

namespace calvora {

struct CurveRow {
  std::size_t corner = 0;
  double radius = 0;
  double deflectionDegrees = 0;
  double tangent = 0;    // from the corner to TC (TS)
  double arcLength = 0;  // the circular arc alone
  double spiralParameter = 0;
  double spiralLength = 0;
};

std::vector<CurveRow> CurveRows(const std::vector<PolygonPoint>& polygon,
                                const std::vector<AxisElement>& axis);

// The table with its heading, its top left corner at topLeft (drawing units), pitch the height
// of a line of text.
void DrawCurveTable(clsGraphic& graphic, const std::vector<CurveRow>& rows, PlanePoint topLeft,
                    double pitch);

}  // namespace calvora

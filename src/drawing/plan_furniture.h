#pragma once
// What every plan sheet carries besides the road: the coordinate grid, the border and title
// strip with the project's titles, the scale and sheet number, a north arrow, a scale bar and
// the key to the neighbouring sheets.

#include <cstdint>

#include "alignment/plane_geometry.h"
#include "drawing/cls_graphic.h"
#include "drawing/plan_layout.h"
#include "records/project_record.h"

namespace calvora {

// A dashed line of dashes and gaps of length dash (drawing units).
void DrawDashedLine(clsGraphic& graphic, PlanePoint a, PlanePoint b, double dash, std::int16_t pen);

// Grid lines at round X and Y across the frame of sheet n, labelled at its edges; pitch is the
// height of a line of text.
void DrawPlanGrid(clsGraphic& graphic, const PlanLayout& layout, int sheet, double xOffset,
                  double pitch);

void DrawPlanFurniture(clsGraphic& graphic, const PlanLayout& layout, const ProjectRecord& project,
                       int sheet, double xOffset);

}  // namespace calvora

#include "drawing/plan_furniture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>

#include "numbers/number_text.h"

namespace calvora {

namespace {

constexpr std::int16_t kBlack = 0;
constexpr std::int16_t kGrey = 8;
constexpr double kGridSpacing = 20;  // drawing units between grid lines, about
constexpr double kKeyCell = 0.6;     // drawing units per sheet in the key, at most

// The round distance (1, 2 or 5 times a power of ten) nearest above length.
double RoundLength(double length) {
  const double power = std::pow(10, std::floor(std::log10(length)));
  for (const double step : {1.0, 2.0, 5.0}) {
    if (step * power >= length) {
      return step * power;
    }
  }
  return 10 * power;
}

void Box(clsGraphic& graphic, PlanBox b, double xOffset, std::int16_t pen) {
  const std::array<PlanePoint, 5> corners = {{{b.left, b.bottom},
                                              {b.right, b.bottom},
                                              {b.right, b.top},
                                              {b.left, b.top},
                                              {b.left, b.bottom}}};
  for (std::size_t i = 1; i < corners.size(); ++i) {
    graphic.DrawLine(corners[i - 1].x + xOffset, corners[i - 1].y, corners[i].x + xOffset,
                     corners[i].y, pen);
  }
}

void NorthArrow(clsGraphic& graphic, PlanePoint foot, double length, double pitch) {
  const PlanePoint tip{foot.x, foot.y + length};
  graphic.DrawLine(foot.x, foot.y, tip.x, tip.y, kBlack);
  graphic.DrawLine(tip.x, tip.y, tip.x - length / 5, tip.y - length / 3, kBlack);
  graphic.DrawLine(tip.x, tip.y, tip.x + length / 5, tip.y - length / 3, kBlack);
  graphic.DrawText(tip.x - graphic.TextWidth("N") / 2, tip.y + pitch, "N");
}

void ScaleBar(clsGraphic& graphic, const PlanLayout& layout, PlanePoint start, double pitch) {
  const double metres = RoundLength(8 / layout.UnitsPerMetre());
  const double length = metres * layout.UnitsPerMetre();
  constexpr double kHeight = 0.25;
  for (int part = 0; part < 4; ++part) {
    const double x0 = start.x + length * part / 4;
    const double x1 = start.x + length * (part + 1) / 4;
    graphic.DrawLine(x0, start.y, x1, start.y, kBlack);
    graphic.DrawLine(x0, start.y + kHeight, x1, start.y + kHeight, kBlack);
    graphic.DrawLine(x0, start.y, x0, start.y + kHeight, kBlack);
  }
  graphic.DrawLine(start.x + length, start.y, start.x + length, start.y + kHeight, kBlack);
  const double above = start.y + kHeight + pitch;
  graphic.DrawText(start.x, above, "0");
  const std::string end = PlainNumber(metres) + " m";
  graphic.DrawText(start.x + length - graphic.TextWidth(end) / 2, above, end);
}

// The grid of sheets in small, this one filled, with the numbers of its neighbours beside it.
void SheetKey(clsGraphic& graphic, const PlanLayout& layout, int sheet, PlanePoint topLeft,
              double height) {
  const double cell = std::min(kKeyCell, height / layout.Rows());
  for (int other = 1; other <= layout.SheetCount(); ++other) {
    const double left = topLeft.x + layout.ColumnOf(other) * cell;
    const double top = topLeft.y - layout.RowOf(other) * cell;
    Box(graphic, {left, top - cell, left + cell, top}, 0, kBlack);
    if (other == sheet) {
      graphic.DrawLine(left, top - cell, left + cell, top, kBlack);
      graphic.DrawLine(left, top, left + cell, top - cell, kBlack);
    }
  }
  std::string neighbours;
  const std::array<std::tuple<const char*, int, int>, 4> directions = {
      {{"N", 0, 1}, {"E", 1, 0}, {"S", 0, -1}, {"W", -1, 0}}};
  for (const auto& [name, east, north] : directions) {
    const int next = layout.Neighbour(sheet, east, north);
    neighbours += std::string(neighbours.empty() ? "" : "  ") + name + " " +
                  (next == 0 ? "-" : std::to_string(next));
  }
  graphic.DrawText(topLeft.x + layout.Columns() * cell + 0.3, topLeft.y, neighbours);
}

}  // namespace

void DrawDashedLine(clsGraphic& graphic, PlanePoint a, PlanePoint b, double dash,
                    std::int16_t pen) {
  const double length = Distance(a, b);
  for (double at = 0; at < length; at += 2 * dash) {
    const PlanePoint from = PointAlong(a, b, at);
    const PlanePoint to = PointAlong(a, b, std::min(at + dash, length));
    graphic.DrawLine(from.x, from.y, to.x, to.y, pen);
  }
}

void DrawPlanGrid(clsGraphic& graphic, const PlanLayout& layout, int sheet, double xOffset,
                  double pitch) {
  graphic.SetLayer("Grid");
  const PlanBox plane = layout.Plane(sheet);
  const PlanBox frame = layout.Frame();
  const double spacing = RoundLength(kGridSpacing / layout.UnitsPerMetre());
  for (double x = std::ceil(plane.left / spacing) * spacing; x <= plane.right; x += spacing) {
    const double sx = layout.OnSheet(sheet, {x, plane.bottom}).x + xOffset;
    graphic.DrawLine(sx, frame.bottom, sx, frame.top, kGrey);
    graphic.DrawText(sx + 0.1, frame.bottom + pitch, "X " + PlainNumber(x));
  }
  for (double y = std::ceil(plane.bottom / spacing) * spacing; y <= plane.top; y += spacing) {
    const double sy = layout.OnSheet(sheet, {plane.left, y}).y;
    graphic.DrawLine(frame.left + xOffset, sy, frame.right + xOffset, sy, kGrey);
    graphic.DrawText(frame.left + xOffset + 0.1, sy + pitch, "Y " + PlainNumber(y));
  }
}

void DrawPlanFurniture(clsGraphic& graphic, const PlanLayout& layout, const ProjectRecord& project,
                       int sheet, double xOffset) {
  graphic.SetLayer("Frame");
  Box(graphic, layout.Border(), xOffset, kBlack);
  Box(graphic, layout.Frame(), xOffset, kBlack);
  const PlanBox strip = layout.TitleStrip();
  const double pitch = project.Font.Size / 10.0;
  const double line1 = strip.top - 0.3;
  const double line2 = line1 - 1.2 * pitch;
  graphic.DrawText(strip.left + 0.5 + xOffset, line1, project.TitleLeft);
  const double middle = (strip.left + strip.right) / 2 + xOffset;
  graphic.DrawText(strip.right - 0.5 - graphic.TextWidth(project.TitleRight) + xOffset, line1,
                   project.TitleRight);
  const std::string scale = "Plan 1:" + PlainNumber(layout.Denominator()) + "   Sheet " +
                            std::to_string(sheet) + " of " + std::to_string(layout.SheetCount());
  graphic.DrawText(middle - graphic.TextWidth(scale) / 2, line1, scale);
  ScaleBar(graphic, layout, {strip.left + 0.5 + xOffset, strip.bottom + 0.4}, pitch);
  SheetKey(graphic, layout, sheet, {strip.right - 12 + xOffset, line2}, line2 - strip.bottom - 0.2);
  const PlanBox frame = layout.Frame();
  NorthArrow(graphic, {frame.right - 1.5 + xOffset, frame.top - 3}, 2, pitch);
}

}  // namespace calvora

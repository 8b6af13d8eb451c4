#include "drawing/plan_curve_table.h"

#include <array>

#include "numbers/number_text.h"

namespace calvora {

namespace {

constexpr double kColumnWidth = 3.6;  // drawing units
constexpr std::array<const char*, 7> kHeadings = {"PI", "R", "Delta", "T", "L", "A", "Ls"};

std::string Fixed(double value, int decimals) {
  return PlainNumber(RoundTo(value, decimals));
}

}  // namespace

std::vector<CurveRow> CurveRows(const std::vector<PolygonPoint>& polygon,
                                const std::vector<AxisElement>& axis) {
  std::vector<CurveRow> rows;
  for (const AxisElement& e : axis) {
    if (e.kind == AxisElementKind::Tangent) {
      continue;
    }
    if (rows.empty() || rows.back().corner != e.corner) {
      const CornerCurve& curve = polygon[e.corner].curve;
      rows.push_back({e.corner, curve.radius, curve.deflection * 180 / kAlignmentPi,
                      Distance(e.cornerPoint, e.start), 0, curve.spiralParameter, 0});
    }
    if (e.kind == AxisElementKind::Arc) {
      rows.back().arcLength = e.length;
    } else {
      rows.back().spiralLength = e.length;
    }
  }
  return rows;
}

void DrawCurveTable(clsGraphic& graphic, const std::vector<CurveRow>& rows, PlanePoint topLeft,
                    double pitch) {
  if (rows.empty()) {
    return;
  }
  graphic.SetLayer("CurveTable");
  const double width = kColumnWidth * static_cast<double>(kHeadings.size());
  auto rule = [&](double y) { graphic.DrawLine(topLeft.x, y, topLeft.x + width, y, 0); };
  auto cells = [&](double y, const std::array<std::string, kHeadings.size()>& texts) {
    for (std::size_t c = 0; c < texts.size(); ++c) {
      graphic.DrawText(topLeft.x + 0.2 + kColumnWidth * static_cast<double>(c), y, texts[c]);
    }
  };
  rule(topLeft.y);
  cells(topLeft.y - 0.1, {kHeadings[0], kHeadings[1], kHeadings[2], kHeadings[3], kHeadings[4],
                          kHeadings[5], kHeadings[6]});
  const double rowHeight = 1.2 * pitch;
  double y = topLeft.y - rowHeight;
  rule(y);
  for (const CurveRow& row : rows) {
    const bool spirals = row.spiralParameter != 0;
    cells(y - 0.1, {std::to_string(row.corner), Fixed(row.radius, 2),
                    Fixed(row.deflectionDegrees, 4), Fixed(row.tangent, 2), Fixed(row.arcLength, 2),
                    spirals ? Fixed(row.spiralParameter, 2) : "",
                    spirals ? Fixed(row.spiralLength, 2) : ""});
    y -= rowHeight;
  }
  rule(y);
  graphic.DrawLine(topLeft.x, topLeft.y, topLeft.x, y, 0);
  graphic.DrawLine(topLeft.x + width, topLeft.y, topLeft.x + width, y, 0);
}

}  // namespace calvora

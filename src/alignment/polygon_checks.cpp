#include "alignment/polygon_checks.h"

#include <cmath>
#include <numbers>

#include "alignment/corner_geometry.h"
#include "alignment/spiral_layout.h"

namespace calvora {

std::optional<std::string> PolygonValuesDefect(const std::vector<PolygonPoint>& polygon) {
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const PolygonPoint& p = polygon[i];
    const CornerCurve& c = p.curve;
    const bool usable = std::isfinite(p.point.x) && std::isfinite(p.point.y) &&
                        std::isfinite(c.radius) && std::isfinite(c.deflection) &&
                        std::isfinite(c.spiralParameter) &&
                        (i > 0 || std::isfinite(p.record.Station()));
    if (!usable) {
      return "The alignment point of record " + std::to_string(p.recordNumber) +
             " (or its curve) holds a value that is no usable number.";
    }
  }
  return std::nullopt;
}

std::optional<std::string> RecordedCurveDefect(const std::vector<PolygonPoint>& polygon,
                                               std::size_t i) {
  const CornerCurve& curve = polygon[i].curve;
  const std::string corner = "corner " + std::to_string(i);
  if (curve.radius == 0) {
    if (curve.spiralParameter != 0) {
      return "The curve at " + corner + " has spirals but a radius of 0.";
    }
    return std::nullopt;
  }
  if (curve.radius < 0) {
    return "The curve at " + corner + " has a radius below 0.";
  }
  if (!(curve.deflection > 0 && curve.deflection < std::numbers::pi)) {
    return "The curve at " + corner + " has a deflection angle outside 0 to pi.";
  }
  const PlanePoint previous = polygon[i - 1].point;
  const PlanePoint point = polygon[i].point;
  const PlanePoint next = polygon[i + 1].point;
  if (auto defect = CornerDefect(static_cast<int>(i), previous, point, next)) {
    return defect;
  }
  if (static_cast<std::int16_t>(TurnAt(previous, point, next).turn) != curve.turnCode) {
    return "The curve at " + corner + " turns the other way than the polygon does.";
  }
  if (curve.spiralParameter != 0 &&
      LayOutSpiral(curve.spiralParameter, curve.radius, curve.deflection, SpiralSeries::Long)
              .arcLength < 0) {
    return "The spirals at " + corner + " are longer than its curve allows.";
  }
  return std::nullopt;
}

}  // namespace calvora

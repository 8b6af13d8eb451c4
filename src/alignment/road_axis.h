#pragma once
// The road's axis as the plan-coordinate computation lays it out: tangents, circular arcs and
// clothoid spirals one after another, each with its station and its points.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "alignment/alignment_polygon.h"
#include "alignment/plane_geometry.h"
#include "alignment/vertical_profile.h"

namespace calvora {

enum class AxisElementKind { Tangent, Arc, Spiral };

struct AxisElement {
  AxisElementKind kind = AxisElementKind::Tangent;
  double station = 0;  // at its start
  double length = 0;
  PlanePoint start;
  PlanePoint end;
  // The point at distance l (0..length) from its start.
  std::function<PlanePoint(double)> pointAt;
  int digits = 3;  // decimals of X and Y in the coordinate file
  // Directions of travel at its start and its end, radians counterclockwise from +X.
  double startDirection = 0;
  double endDirection = 0;

  // Arcs and spirals: the polygon corner they belong to (its index in the polygon), the
  // corner's point, the radius of the circle, -1 turning left and +1 turning right.
  std::size_t corner = 0;
  PlanePoint cornerPoint;
  double radius = 0;
  double deflection = 0;  // the corner's whole deflection as its curve record gives it
  int turnSign = 0;
  PlanePoint centre;           // arcs
  double spiralParameter = 0;  // A of the corner's spirals; 0 without
  bool leavesCircle = false;   // spirals: the second one, from the circle to the tangent

  double EndStation() const { return station + length; }
};

// Where the tangents at the start and at the end of an arc or a spiral meet (its PI).
PlanePoint TangentsMeet(const AxisElement& element);

// Where the line through a in direction directionA meets the one through b in directionB;
// nullopt for parallel lines.
std::optional<PlanePoint> LinesMeet(PlanePoint a, double directionA, PlanePoint b,
                                    double directionB);

// The signed angle from direction a to direction b the short way round, in -pi..pi.
double ShortSweep(double a, double b);

// A point of the axis and the direction of travel there.
struct AxisPosition {
  PlanePoint point;
  double direction = 0;
};

// The axis at a station; nullopt before its start or beyond its end.
std::optional<AxisPosition> PositionAt(const std::vector<AxisElement>& axis, double station);

// Why the road cannot be laid out from the polygon and the profile points (more than 100
// profile points, values that are no numbers, a curve that does not fit its corner), as the
// message to show; nullopt when it can.
std::optional<std::string> RoadAxisDefect(const std::vector<PolygonPoint>& polygon,
                                          const std::vector<VerticalPoint>& profile);

// The elements from the first polygon point to the last (one without length for a single point,
// none without points). The
// polygon must be free of the defects of polygon_checks.h.
std::vector<AxisElement> RoadAxis(const std::vector<PolygonPoint>& polygon);

}  // namespace calvora

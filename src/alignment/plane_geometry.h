#pragma once
// Plane geometry of the alignment: points, directions and local frames.

namespace calvora {

// The constant the alignment computations use for pi.
inline constexpr double kAlignmentPi = 3.141592654;

struct PlanePoint {
  double x = 0;
  double y = 0;
  bool operator==(const PlanePoint&) const = default;
};

double Distance(PlanePoint a, PlanePoint b);

// The point at distance d from p1 on the ray from p1 through p2 (p1 itself when they coincide).
PlanePoint PointAlong(PlanePoint p1, PlanePoint p2, double d);

// Direction from `from` to `to`, counterclockwise from +X in 0..2pi; pi/2 for equal points.
double Azimuth(PlanePoint to, PlanePoint from);

// p in the frame with origin `origin` whose u axis points in direction alpha.
PlanePoint ToLocal(PlanePoint p, PlanePoint origin, double alpha);

// The point x along direction theta and y to its left, from origin.
PlanePoint FromLocal(PlanePoint origin, double theta, double x, double y);

}  // namespace calvora

#include "alignment/plane_geometry.h"

#include <cmath>

namespace calvora {

double Distance(PlanePoint a, PlanePoint b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

PlanePoint PointAlong(PlanePoint p1, PlanePoint p2, double d) {
  const double length = Distance(p1, p2);
  if (length == 0) {
    return p1;
  }
  return {p1.x + d * (p2.x - p1.x) / length, p1.y + d * (p2.y - p1.y) / length};
}

double Azimuth(PlanePoint to, PlanePoint from) {
  const double u = to.x - from.x;
  const double w = to.y - from.y;
  const double a = u == 0 ? kAlignmentPi / 2 : std::fabs(std::atan(w / u));
  if (u > 0) {
    return w >= 0 ? a : 2 * kAlignmentPi - a;
  }
  return w >= 0 ? kAlignmentPi - a : kAlignmentPi + a;
}

PlanePoint ToLocal(PlanePoint p, PlanePoint origin, double alpha) {
  const double dx = p.x - origin.x;
  const double dy = p.y - origin.y;
  return {dx * std::cos(alpha) + dy * std::sin(alpha),
          -dx * std::sin(alpha) + dy * std::cos(alpha)};
}

PlanePoint FromLocal(PlanePoint origin, double theta, double x, double y) {
  return {origin.x + x * std::cos(theta) - y * std::sin(theta),
          origin.y + x * std::sin(theta) + y * std::cos(theta)};
}

}  // namespace calvora

#include "alignment/corner_geometry.h"

#include <cmath>

namespace calvora {

namespace {

// Deflections closer than this to 0 or pi leave the tangents parallel for every practical radius.
constexpr double kStraightTolerance = 1e-7;

}  // namespace

CornerTurn TurnAt(PlanePoint previous, PlanePoint corner, PlanePoint next) {
  const double theta = Azimuth(corner, previous);
  const PlanePoint local1 = ToLocal(corner, previous, theta);
  const PlanePoint local2 = ToLocal(next, previous, theta);
  return {local2.y >= 0 ? PointCode::LeftTurnStart : PointCode::RightTurnStart,
          std::atan2(std::fabs(local2.y), local2.x - local1.x)};
}

std::optional<std::string> CornerDefect(int n, PlanePoint previous, PlanePoint corner,
                                        PlanePoint next) {
  const std::string name = "Corner " + std::to_string(n);
  if (previous == corner) {
    return name + " lies on the point before it: the tangent between them has no length.";
  }
  if (corner == next) {
    return name + " lies on the point after it: the tangent between them has no length.";
  }
  const double deflection = TurnAt(previous, corner, next).deflection;
  if (!(deflection > kStraightTolerance && deflection < kAlignmentPi - kStraightTolerance)) {
    return name + " lies on one straight line with its neighbours: no curve fits there.";
  }
  return std::nullopt;
}

PlanePoint InsideBisectorPoint(PlanePoint previous, PlanePoint corner, PlanePoint next,
                               double distance) {
  const PlanePoint back = PointAlong(corner, previous, 1);
  const PlanePoint ahead = PointAlong(corner, next, 1);
  const PlanePoint middle{(back.x + ahead.x) / 2, (back.y + ahead.y) / 2};
  return PointAlong(corner, middle, distance);
}

}  // namespace calvora

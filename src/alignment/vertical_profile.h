#pragma once
// The vertical alignment: elevation points and vertical-curve mid points in file order.

#include <optional>
#include <string>
#include <vector>

#include "records/alignment_record.h"

namespace calvora {

struct VerticalPoint {
  int recordNumber = 0;
  double station = 0;
  double elevation = 0;
  double curveLength = 0;  // vertical-curve mid points only
  bool curveMid = false;
};

// The ElevationPoint and VerticalCurveMid records, in file order.
std::vector<VerticalPoint> ReadVerticalPoints(const std::vector<AlignmentRecord>& records);

// Why the points cannot define grades (a value that is no number, two points at one station,
// a point before the one it follows), naming the station; nullopt when they can.
std::optional<std::string> VerticalPointsDefect(const std::vector<VerticalPoint>& points);

// The grade line with its parabolic vertical curves; 0 outside the points.
class VerticalProfile {
 public:
  // The points must be free of defects.
  explicit VerticalProfile(std::vector<VerticalPoint> points) : points_(std::move(points)) {}
  double ElevationAt(double station) const;

 private:
  std::vector<VerticalPoint> points_;
};

// The elevation at x on the straight line through (x0, y0) and (x1, y1); y0 when x0 = x1.
double OnGrade(double x, double x0, double y0, double x1, double y1);

}  // namespace calvora

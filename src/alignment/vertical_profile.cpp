#include "alignment/vertical_profile.h"

#include <cmath>

#include "numbers/number_text.h"

namespace calvora {

std::vector<VerticalPoint> ReadVerticalPoints(const std::vector<AlignmentRecord>& records) {
  std::vector<VerticalPoint> points;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const AlignmentRecord& record = records[i];
    const bool curveMid = record.Is(PointCode::VerticalCurveMid);
    if (curveMid || record.Is(PointCode::ElevationPoint)) {
      points.push_back({static_cast<int>(i + 1), record.Station(), record.Param1,
                        curveMid ? static_cast<double>(record.Param2) : 0.0, curveMid});
    }
  }
  return points;
}

std::optional<std::string> VerticalPointsDefect(const std::vector<VerticalPoint>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const VerticalPoint& point = points[i];
    if (!std::isfinite(point.station) || !std::isfinite(point.elevation) ||
        !std::isfinite(point.curveLength) || point.curveLength < 0) {
      return "The vertical point of alignment record " + std::to_string(point.recordNumber) +
             " holds a value that is no usable number.";
    }
    if (i == 0) {
      continue;
    }
    const VerticalPoint& before = points[i - 1];
    const std::string station = StationLabel(point.station, 3);
    if (point.station == before.station) {
      return "Two vertical points at station " + station +
             ": the stations of elevation points and vertical curves must increase.";
    }
    if (point.station < before.station) {
      return "The vertical point at station " + station + " follows the one at station " +
             StationLabel(before.station, 3) +
             ": the stations of elevation points and vertical curves must increase.";
    }
  }
  return std::nullopt;
}

double OnGrade(double x, double x0, double y0, double x1, double y1) {
  if (x1 == x0) {
    return y0;
  }
  return y0 + (x - x0) * (y1 - y0) / (x1 - x0);
}

double VerticalProfile::ElevationAt(double station) const {
  if (points_.size() < 2 || station < points_.front().station || station > points_.back().station) {
    return 0;
  }
  for (std::size_t i = 1; i + 1 < points_.size(); ++i) {
    const VerticalPoint& mid = points_[i];
    const double half = mid.curveLength / 2;
    if (!mid.curveMid || half <= 0 || std::fabs(station - mid.station) > half) {
      continue;
    }
    const VerticalPoint& before = points_[i - 1];
    const VerticalPoint& after = points_[i + 1];
    const double g1 = 100 * (mid.elevation - before.elevation) / (mid.station - before.station);
    const double g2 = 100 * (after.elevation - mid.elevation) / (after.station - mid.station);
    const double middleOrdinate = (g2 - g1) * mid.curveLength / 800;
    const double coefficient = 4 * middleOrdinate / (mid.curveLength * mid.curveLength);
    const double fromStart = station - (mid.station - half);
    return before.elevation + g1 * (station - before.station) / 100 +
           coefficient * fromStart * fromStart;
  }
  std::size_t i = 1;
  while (points_[i].station < station) {
    ++i;
  }
  const VerticalPoint& a = points_[i - 1];
  const VerticalPoint& b = points_[i];
  return OnGrade(station, a.station, a.elevation, b.station, b.elevation);
}

}  // namespace calvora

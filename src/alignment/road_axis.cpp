#include "alignment/road_axis.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "alignment/clothoid_series.h"
#include "alignment/corner_geometry.h"
#include "alignment/polygon_checks.h"
#include "alignment/spiral_layout.h"

namespace calvora {

namespace {

constexpr std::size_t kMaxProfilePoints = 100;

// Where the normals to the two tangents at tc and ct meet.
PlanePoint NormalsMeet(PlanePoint previous, PlanePoint corner, PlanePoint next, PlanePoint tc,
                       PlanePoint ct) {
  const double n1x = -(corner.y - previous.y);
  const double n1y = corner.x - previous.x;
  const double n2x = -(next.y - corner.y);
  const double n2y = next.x - corner.x;
  const double cross = n1x * n2y - n1y * n2x;
  const double a = ((ct.x - tc.x) * n2y - (ct.y - tc.y) * n2x) / cross;
  return {tc.x + a * n1x, tc.y + a * n1y};
}

struct CornerContext {
  std::size_t index = 0;
  PlanePoint previous;
  PlanePoint point;
  PlanePoint next;
  CornerCurve curve;
};

class AxisBuilder {
 public:
  AxisBuilder(double station, PlanePoint start) : station_(station), current_(start) {}

  void Tangent(PlanePoint to) {
    AxisElement e = Next(AxisElementKind::Tangent, Distance(current_, to), to);
    e.startDirection = Azimuth(to, current_);
    e.endDirection = e.startDirection;
    e.pointAt = [from = current_, to](double l) { return PointAlong(from, to, l); };
    Push(std::move(e));
  }

  void Arc(PlanePoint centre, PlanePoint to, const CornerContext& corner) {
    const double start = Azimuth(current_, centre);
    const double sweep = ShortSweep(start, Azimuth(to, centre));
    const double sign = sweep < 0 ? -1 : 1;
    const double radius = corner.curve.radius;
    AxisElement e = Next(AxisElementKind::Arc, radius * std::fabs(sweep), to);
    e.pointAt = [=](double l) {
      const double theta = start + sign * l / radius;
      return PlanePoint{centre.x + radius * std::cos(theta), centre.y + radius * std::sin(theta)};
    };
    e.centre = centre;
    e.startDirection = start + sign * kAlignmentPi / 2;
    e.endDirection = start + sweep + sign * kAlignmentPi / 2;
    Push(Cornered(std::move(e), corner));
  }

  void Spiral(double length, std::function<PlanePoint(double)> pointAt, PlanePoint to,
              double startDirection, double endDirection, bool leavesCircle,
              const CornerContext& corner) {
    AxisElement e = Next(AxisElementKind::Spiral, length, to);
    e.startDirection = startDirection;
    e.endDirection = endDirection;
    e.pointAt = std::move(pointAt);
    e.digits = leavesCircle ? 4 : 3;
    e.leavesCircle = leavesCircle;
    Push(Cornered(std::move(e), corner));
  }

  PlanePoint Current() const { return current_; }
  std::vector<AxisElement> Elements() { return std::move(elements_); }

 private:
  AxisElement Next(AxisElementKind kind, double length, PlanePoint end) const {
    AxisElement e;
    e.kind = kind;
    e.station = station_;
    e.length = length;
    e.start = current_;
    e.end = end;
    return e;
  }

  static AxisElement Cornered(AxisElement e, const CornerContext& corner) {
    e.corner = corner.index;
    e.cornerPoint = corner.point;
    e.radius = corner.curve.radius;
    e.deflection = corner.curve.deflection;
    e.turnSign = corner.curve.TurnSign();
    e.spiralParameter = corner.curve.spiralParameter;
    return e;
  }

  void Push(AxisElement e) {
    station_ = e.EndStation();
    current_ = e.end;
    elements_.push_back(std::move(e));
  }

  double station_;
  PlanePoint current_;
  std::vector<AxisElement> elements_;
};

void SimpleCurve(AxisBuilder& axis, const CornerContext& c) {
  const double tangent = c.curve.radius * std::tan(c.curve.deflection / 2);
  const PlanePoint tc = PointAlong(c.point, c.previous, tangent);
  const PlanePoint ct = PointAlong(c.point, c.next, tangent);
  axis.Tangent(tc);
  axis.Arc(NormalsMeet(c.previous, c.point, c.next, tc, ct), ct, c);
}

void SpiralCurve(AxisBuilder& axis, const CornerContext& c) {
  const SpiralLayout layout =
      LayOutSpiral(c.curve.spiralParameter, c.curve.radius, c.curve.deflection, SpiralSeries::Long);
  const PlanePoint ts = PointAlong(c.point, c.previous, layout.tangent);
  const PlanePoint st = PointAlong(c.point, c.next, layout.tangent);
  const double inward = Azimuth(c.point, c.previous);
  const double outward = Azimuth(c.point, c.next);
  const double side = -c.curve.TurnSign();
  auto firstSpiral = [=](double l) {
    const ClothoidOffset o = ClothoidPoint(l, layout.length, layout.angleDegrees);
    return FromLocal(ts, inward, o.x, side * o.y);
  };
  auto secondSpiral = [=](double l) {
    const ClothoidOffset o = ClothoidPoint(layout.length - l, layout.length, layout.angleDegrees);
    return FromLocal(st, outward, o.x, -side * o.y);
  };
  const PlanePoint sc = firstSpiral(layout.length);
  const PlanePoint cs = secondSpiral(0);
  const PlanePoint centre =
      InsideBisectorPoint(c.previous, c.point, c.next,
                          (c.curve.radius + layout.shift) / std::cos(c.curve.deflection / 2));
  axis.Tangent(ts);
  const double turn = side * layout.angle;
  axis.Spiral(layout.length, firstSpiral, sc, inward, inward + turn, false, c);
  axis.Arc(centre, cs, c);
  axis.Spiral(layout.length, secondSpiral, st, outward - turn, outward, true, c);
}

}  // namespace

double ShortSweep(double a, double b) {
  double sweep = b - a;
  while (sweep > kAlignmentPi) {
    sweep -= 2 * kAlignmentPi;
  }
  while (sweep <= -kAlignmentPi) {
    sweep += 2 * kAlignmentPi;
  }
  return sweep;
}

std::optional<PlanePoint> LinesMeet(PlanePoint a, double directionA, PlanePoint b,
                                    double directionB) {
  const double ax = std::cos(directionA);
  const double ay = std::sin(directionA);
  const double bx = std::cos(directionB);
  const double by = std::sin(directionB);
  const double cross = ax * by - ay * bx;
  if (std::fabs(cross) < 1e-9) {
    return std::nullopt;
  }
  const double along = ((b.x - a.x) * by - (b.y - a.y) * bx) / cross;
  return PlanePoint{a.x + along * ax, a.y + along * ay};
}

PlanePoint TangentsMeet(const AxisElement& element) {
  // An arc or spiral turns by less than pi: its end tangents are never parallel.
  return *LinesMeet(element.start, element.startDirection, element.end, element.endDirection);
}

std::optional<std::string> RoadAxisDefect(const std::vector<PolygonPoint>& polygon,
                                          const std::vector<VerticalPoint>& profile) {
  if (profile.size() > kMaxProfilePoints) {
    return "The alignment file holds " + std::to_string(profile.size()) +
           " elevation points; plan coordinates take at most " + std::to_string(kMaxProfilePoints) +
           ".";
  }
  if (auto defect = VerticalPointsDefect(profile)) {
    return defect;
  }
  if (auto defect = PolygonValuesDefect(polygon)) {
    return defect;
  }
  for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
    if (auto defect = RecordedCurveDefect(polygon, i)) {
      return defect;
    }
  }
  return std::nullopt;
}

std::optional<AxisPosition> PositionAt(const std::vector<AxisElement>& axis, double station) {
  for (const AxisElement& e : axis) {
    if (station < e.station || station > e.EndStation() || e.length <= 0) {
      continue;
    }
    const double l = station - e.station;
    // The direction along a short chord through the point.
    const double step = std::min(0.01, e.length / 2);
    const double before = std::max(0.0, l - step);
    const double after = std::min(e.length, before + 2 * step);
    return AxisPosition{e.pointAt(l), Azimuth(e.pointAt(after), e.pointAt(before))};
  }
  return std::nullopt;
}

std::vector<AxisElement> RoadAxis(const std::vector<PolygonPoint>& polygon) {
  if (polygon.empty()) {
    return {};
  }
  AxisBuilder axis(polygon.front().record.Station(), polygon.front().point);
  for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
    const CornerContext c{i, polygon[i - 1].point, polygon[i].point, polygon[i + 1].point,
                          polygon[i].curve};
    if (c.curve.radius == 0) {
      axis.Tangent(c.point);
    } else if (c.curve.spiralParameter == 0) {
      SimpleCurve(axis, c);
    } else {
      SpiralCurve(axis, c);
    }
  }
  axis.Tangent(polygon.back().point);
  return axis.Elements();
}

}  // namespace calvora

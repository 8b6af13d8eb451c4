#include "section/segments_intersect.h"

#include <algorithm>
#include <cmath>

namespace calvora {
namespace {

// Rounding of the slope formulas leaves the meeting point a few ulps off a segment's end.
constexpr double kTolerance = 1e-7;

double Slack(double low, double high) {
  return kTolerance * (1.0 + std::max(std::fabs(low), std::fabs(high)));
}

bool WithinBox(double value, double a, double b, double& clamped) {
  const double low = std::min(a, b);
  const double high = std::max(a, b);
  const double slack = Slack(low, high);
  if (value < low - slack || value > high + slack) {
    return false;
  }
  clamped = std::clamp(value, low, high);
  return true;
}

// The meeting point, held to the second segment's offsets, must also lie within the first's:
// segments whose offsets lie apart never meet (the last offset test below, made up front).
bool OffsetsApart(SectionPoint p1, SectionPoint p2, SectionPoint p3, SectionPoint p4) {
  const double low = std::min(p1.x, p2.x);
  const double high = std::max(p1.x, p2.x);
  const double slack = Slack(low, high);
  return std::max(p3.x, p4.x) < low - slack || std::min(p3.x, p4.x) > high + slack;
}

}  // namespace

bool SegmentsIntersect(SectionPoint p1, SectionPoint p2, SectionPoint p3, SectionPoint p4,
                       SectionPoint& r) {
  if (OffsetsApart(p1, p2, p3, p4)) {
    return false;
  }
  // Each segment as x = x0 + k * (y - y0), k the inverse slope; horizontal ones apart.
  SectionPoint meet;
  const bool firstHorizontal = p1.y == p2.y;
  double k1 = 0;
  if (firstHorizontal) {
    meet.y = p1.y;
  } else {
    k1 = (p1.x - p2.x) / (p1.y - p2.y);
  }
  if (p3.y == p4.y) {
    if (firstHorizontal) {
      return false;
    }
    meet.y = p3.y;
    meet.x = p2.x + k1 * (meet.y - p2.y);
  } else {
    const double k2 = (p3.x - p4.x) / (p3.y - p4.y);
    if (firstHorizontal) {
      meet.x = p4.x + k2 * (meet.y - p4.y);
    } else {
      if (k1 == k2) {
        return false;
      }
      meet.y = ((p2.x - p4.x) + k2 * p4.y - k1 * p2.y) / (k2 - k1);
      meet.x = p2.x + k1 * (meet.y - p2.y);
    }
  }
  if (!std::isfinite(meet.x) || !std::isfinite(meet.y)) {
    return false;
  }
  SectionPoint clamped = meet;
  if (!WithinBox(meet.x, p3.x, p4.x, clamped.x) || !WithinBox(meet.y, p3.y, p4.y, clamped.y) ||
      !WithinBox(clamped.x, p1.x, p2.x, clamped.x) ||
      !WithinBox(clamped.y, p1.y, p2.y, clamped.y)) {
    return false;
  }
  r = clamped;
  return true;
}

}  // namespace calvora

#include "section/ground_contact.h"

#include <cmath>

#include "section/segments_intersect.h"
#include "section/touch_tolerance.h"

namespace calvora {
namespace {

constexpr double kSameStart = 1e-9;
constexpr double kBeyondGround = 1.0;     // how far past the ground an open end reaches
constexpr double kVerticalReach = 1.0e4;  // how far an open vertical end reaches

double Distance(SectionPoint a, SectionPoint b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

// The last piece of an open-ended line, carried on past the outermost ground point.
SectionPoint OpenEnd(SectionPoint a, SectionPoint b, const SideLine& ground) {
  if (b.x > a.x) {
    const double farX = std::max(ground.back().x, b.x) + kBeyondGround;
    return {farX, a.y + (b.y - a.y) / (b.x - a.x) * (farX - a.x)};
  }
  if (b.y != a.y) {
    return {b.x, b.y + std::copysign(kVerticalReach, b.y - a.y)};
  }
  return b;
}

// A contact at a ground point is that point. Found on either segment that meets there, it
// could lie a rounding beyond it: past a vertical step of the ground (a stripping edge), where
// the lines walked against the ground would end just beyond the step.
SectionPoint OnGroundPoint(SectionPoint r, const SideLine& ground, int k) {
  for (const SectionPoint p :
       {ground[static_cast<std::size_t>(k) - 1], ground[static_cast<std::size_t>(k)]}) {
    if (std::fabs(r.x - p.x) <= kTouch && std::fabs(r.y - p.y) <= kTouch) {
      return p;
    }
  }
  return r;
}

}  // namespace

std::optional<GroundContact> FirstGroundContact(const SideLine& line, bool openEnded,
                                                const SideLine& ground) {
  const int pieces = static_cast<int>(line.size()) - 1;
  for (int j = 0; j < pieces; ++j) {
    const SectionPoint a = line[static_cast<std::size_t>(j)];
    SectionPoint b = line[static_cast<std::size_t>(j) + 1];
    if (openEnded && j == pieces - 1) {
      b = OpenEnd(a, b, ground);
    }
    std::optional<GroundContact> nearest;
    double nearestDistance = 0;
    for (std::size_t k = 1; k < ground.size(); ++k) {
      SectionPoint r;
      if (!SegmentsIntersect(a, b, ground[k - 1], ground[k], r)) {
        continue;
      }
      const double distance = Distance(a, r);
      if (j == 0 && distance <= kSameStart) {
        continue;
      }
      if (!nearest || distance < nearestDistance) {
        nearest = GroundContact{r, j, static_cast<int>(k)};
        nearestDistance = distance;
      }
    }
    if (nearest) {
      nearest->point = OnGroundPoint(nearest->point, ground, nearest->groundSegment);
      return nearest;
    }
  }
  return std::nullopt;
}

int GroundSegmentAt(const SideLine& ground, double x) {
  for (std::size_t k = ground.size(); k-- > 1;) {
    if (ground[k - 1].x <= x && x <= ground[k].x) {
      return static_cast<int>(k);
    }
  }
  return 0;
}

double ElevationOnSegment(const SideLine& ground, int k, double x) {
  const SectionPoint inner = ground[static_cast<std::size_t>(k) - 1];
  const SectionPoint outer = ground[static_cast<std::size_t>(k)];
  if (outer.x == inner.x) {
    return outer.y;
  }
  return inner.y + (x - inner.x) * (outer.y - inner.y) / (outer.x - inner.x);
}

}  // namespace calvora

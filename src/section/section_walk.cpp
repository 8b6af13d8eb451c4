#include "section/section_walk.h"

#include <algorithm>
#include <cmath>

#include "section/body_walk.h"
#include "section/ground_contact.h"
#include "section/line_fins.h"
#include "section/lower_envelope.h"
#include "section/profile.h"
#include "section/touch_tolerance.h"

namespace calvora {
namespace {

// joined becomes the left side from its outer end to the centre, then the right side outwards.
void JoinSides(std::vector<SectionPoint>& joined, const SideLine& left, const SideLine& right) {
  joined.clear();
  joined.reserve(left.size() + right.size());
  for (auto p = left.rbegin(); p != left.rend(); ++p) {
    joined.push_back({SignedOffset(-1, p->x), p->y});
  }
  joined.insert(joined.end(), right.begin() + 1, right.end());
}

// surface becomes, with stripping only in fill, the ground lowered by the stripping depth,
// stepping back up to the ground at `unstrippedFrom` (where a cut ditch or a fill ditch starts).
void StrippedSurface(const SideLine& ground, double depth, double unstrippedFrom,
                     SideLine& surface) {
  surface.clear();
  const int k = GroundSegmentAt(ground, unstrippedFrom);
  if (k != 0) {
    // A step that touches a ground point is at that point.
    for (const std::size_t i : {static_cast<std::size_t>(k) - 1, static_cast<std::size_t>(k)}) {
      if (std::fabs(ground[i].x - unstrippedFrom) <= kTouch) {
        unstrippedFrom = ground[i].x;
      }
    }
  }
  for (std::size_t i = 0; i < ground.size(); ++i) {
    const SectionPoint p = ground[i];
    if (k != 0 && i == static_cast<std::size_t>(k)) {
      const double y = ElevationOnSegment(ground, k, unstrippedFrom);
      surface.push_back({unstrippedFrom, y - depth});
      surface.push_back({unstrippedFrom, y});
    }
    const bool stripped = k == 0 || i < static_cast<std::size_t>(k);
    surface.push_back({p.x, stripped ? p.y - depth : p.y});
  }
}

// The offset of the surface point within the touch tolerance of x, else x.
double SurfaceOffsetNear(double x, const std::vector<SectionPoint>& surface) {
  const auto p = std::lower_bound(surface.begin(), surface.end(), x - kTouch,
                                  [](SectionPoint q, double v) { return q.x < v; });
  return p != surface.end() && p->x <= x + kTouch ? p->x : x;
}

// An end of the line within the touch tolerance of a surface point's offset lies at that
// offset. A rounding beyond a vertical step of the surface (a template end moved out by a
// layer's thickness onto the step) would close the end's body up to the step's top and
// straight back down.
void PlaceEndsOnSurfaceOffsets(std::vector<SectionPoint>& line,
                               const std::vector<SectionPoint>& surface) {
  const std::size_t n = line.size();
  if (n < 2) {
    return;
  }
  if (const double x = SurfaceOffsetNear(line[0].x, surface); x < line[1].x) {
    line[0].x = x;
  }
  if (const double x = SurfaceOffsetNear(line[n - 1].x, surface); x > line[n - 2].x) {
    line[n - 1].x = x;
  }
}

}  // namespace

std::vector<SectionPolygon> WalkBothSides(SectionWork& work, const DesignSide& left,
                                          const DesignSide& right, LineRole role,
                                          std::vector<SectionPolygon>& strips) {
  std::vector<SectionPoint>& line = work.joinedDesign;
  JoinSides(line, left.line, right.line);
  if (!Profile::Runs(line)) {
    work.DataError();
  }
  DropFins(line);
  if (role == LineRole::Layer) {
    KeepBelow(line, work.lineAbove, work.envelope);
  }
  DropVerticalEnds(line);
  // The ground no longer changes once the walks begin: it is joined once per section.
  std::vector<SectionPoint>& ground = work.joinedGround;
  if (ground.empty()) {
    JoinSides(ground, work.ground[-1], work.ground[1]);
    DropFins(ground);
  }
  std::vector<SectionPoint>& stripped = work.joinedReference;
  const double depth = work.stripOnlyInFill ? work.Variant().Deco : 0.0;
  if (work.stripOnlyInFill && role == LineRole::Design) {
    StrippedSurface(work.ground[-1], depth, left.unstrippedFrom, work.strippedSides[-1]);
    StrippedSurface(work.ground[1], depth, right.unstrippedFrom, work.strippedSides[1]);
    JoinSides(stripped, work.strippedSides[-1], work.strippedSides[1]);
    DropFins(stripped);
  }
  const std::vector<SectionPoint>& reference = work.stripOnlyInFill ? stripped : ground;
  PlaceEndsOnSurfaceOffsets(line, reference);
  const WalkLines lines{line, reference, ground, -left.templateEnd, right.templateEnd};
  std::vector<SectionPolygon> bodies =
      WalkDesignLine(lines, role == LineRole::Design ? depth : 0.0, strips, work.walkScratch);
  work.lineAbove.swap(line);
  return bodies;
}

}  // namespace calvora

#include "section/fixed_width_stripping.h"

#include "section/ground_contact.h"
#include "section/line_fins.h"

namespace calvora {
namespace {

// The stripping-edge step of one side: the ground segment holding the edge, searched from
// the outermost inwards; returns the edge on the ground.
SectionPoint StripEdgeStep(SectionWork& work, int side, double halfWidth, double depth) {
  SideLine& ground = work.ground[side];
  const int k = GroundSegmentAt(ground, halfWidth);
  if (k == 0) {
    work.DataError();
  }
  const SectionPoint edge{halfWidth, ElevationOnSegment(ground, k, halfWidth)};
  for (int i = 0; i < k; ++i) {
    ground[static_cast<std::size_t>(i)].y -= depth;
  }
  ground.insert(ground.begin() + k, {SectionPoint{edge.x, edge.y - depth}, edge});
  work.results.StripEdgeIndex[side] = side * (k - 1);
  work.results.StripEdge[side] = {SignedOffset(side, edge.x), edge.y};
  return edge;
}

}  // namespace

void FixedWidthStripping(SectionWork& work) {
  const double halfWidth = static_cast<double>(work.project.DecaThick) / 2;
  const double depth = work.Variant().Deco;
  // The band's upper edge: the ground between the edges as surveyed, left to right.
  std::vector<SectionPoint> upper;
  for (const int side : {-1, 1}) {
    SideLine inner;  // surveyed ground inside the edge, the centre point with the left side
    for (const SectionPoint& p : work.ground[side]) {
      if (p.x < halfWidth && (side < 0 || p.x > 0)) {
        inner.push_back(p);
      }
    }
    inner.push_back(StripEdgeStep(work, side, halfWidth, depth));
    std::vector<SectionPoint> signedInner;
    AssignSignedOffsets(signedInner, side, inner);
    if (side < 0) {
      upper.insert(upper.end(), signedInner.rbegin(), signedInner.rend());
    } else {
      upper.insert(upper.end(), signedInner.begin(), signedInner.end());
    }
  }
  DropFins(upper);
  SectionPolygon strip;
  strip.Kind = PolygonKind::Cut;
  strip.Points = upper;
  for (auto p = upper.rbegin(); p != upper.rend(); ++p) {
    strip.Points.push_back({p->x, p->y - depth});
  }
  strip.Points.push_back(upper.front());
  work.results.StripPolygons.push_back(std::move(strip));
}

}  // namespace calvora

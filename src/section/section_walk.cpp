#include "section/section_walk.h"

#include "section/body_walk.h"
#include "section/ground_contact.h"
#include "section/profile.h"

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

}  // namespace

std::vector<SectionPolygon> WalkBothSides(SectionWork& work, const DesignSide& left,
                                          const DesignSide& right,
                                          std::vector<SectionPolygon>& strips) {
  std::vector<SectionPoint>& design = work.joinedDesign;
  JoinSides(design, left.line, right.line);
  if (!Profile::Runs(design)) {
    work.DataError();
  }
  // The ground no longer changes once the walks begin: it is joined once per section.
  std::vector<SectionPoint>& ground = work.joinedGround;
  if (ground.empty()) {
    JoinSides(ground, work.ground[-1], work.ground[1]);
  }
  double depth = 0;
  std::vector<SectionPoint>& stripped = work.joinedReference;
  if (work.stripOnlyInFill) {
    depth = work.Variant().Deco;
    StrippedSurface(work.ground[-1], depth, left.unstrippedFrom, work.strippedSides[-1]);
    StrippedSurface(work.ground[1], depth, right.unstrippedFrom, work.strippedSides[1]);
    JoinSides(stripped, work.strippedSides[-1], work.strippedSides[1]);
  }
  const WalkLines lines{design, work.stripOnlyInFill ? stripped : ground, ground,
                        -left.templateEnd, right.templateEnd};
  return WalkDesignLine(lines, depth, strips, work.walkScratch);
}

}  // namespace calvora

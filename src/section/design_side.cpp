#include "section/design_side.h"

#include <algorithm>
#include <cmath>

#include "section/ground_contact.h"
#include "section/section_limits.h"
#include "section/template_end.h"

namespace calvora {
namespace {

double PolylineLength(SectionPoint start, const std::vector<SectionPoint>& points) {
  double length = 0;
  for (const SectionPoint& p : points) {
    length += std::hypot(p.x - start.x, p.y - start.y);
    start = p;
  }
  return length;
}

void ContinueInFill(SectionWork& work, int side, LineRole role, DesignSide& result) {
  const SectionPoint end = TemplateEnd(work, side);
  result.fill = FillCatchPoint(work, side, end);
  result.catchPoint = result.fill.catchPoint;
  result.catchGroundSegment = result.fill.groundSegment;
  result.line.push_back(result.catchPoint);
  result.fillSlopeLength = std::hypot(result.catchPoint.x - end.x, result.catchPoint.y - end.y);
  if (role == LineRole::Design) {
    const std::vector<SectionPoint> ditch = FillDitchToGround(work, side, end, result.fill);
    if (!ditch.empty()) {
      result.unstrippedFrom = result.catchPoint.x;
      result.line.insert(result.line.end(), ditch.begin(), ditch.end());
    }
  }
}

void ContinueInCut(SectionWork& work, int side, LineRole role, DesignSide& result) {
  const SectionPoint end = TemplateEnd(work, side);
  result.unstrippedFrom = end.x;
  if (role == LineRole::Layer) {
    // A layer follows the first ditch segment only, and not above the ground. A first segment
    // that drops straight down has no width: the body would go down it and straight back up.
    std::vector<SectionPoint> ditch = CutDitch(work, side, end);
    ditch.resize(std::min<std::size_t>(ditch.size(), 2));
    if (ditch.size() > 1 && ditch[1].x == end.x && ditch[1].y < end.y) {
      ditch.pop_back();
    }
    if (const std::optional<GroundContact> contact =
            FirstGroundContact(ditch, false, work.ground[side])) {
      result.line.push_back(contact->point);
    } else if (ditch.size() > 1 && ditch[1].x <= work.ground[side].back().x) {
      result.line.push_back(ditch[1]);
    }
    return;
  }
  const CutCatch cut = CutCatchPoint(work, side, end);
  result.line.insert(result.line.end(), cut.points.begin(), cut.points.end());
  result.cutSideLength = PolylineLength(end, cut.points);
  if (cut.points.empty()) {
    // No cut ditch: the side ends with the template, the body closes up to the ground there.
    result.catchGroundSegment = GroundSegmentAt(work.ground[side], end.x);
    result.catchPoint = {end.x, GroundAtTemplateEnd(work, side)};
  } else {
    result.catchPoint = cut.points.back();
    result.catchGroundSegment = cut.groundSegment;
  }
}

}  // namespace

bool ClassifySide(SectionWork& work, int side) {
  return GroundAtTemplateEnd(work, side) < TemplateEnd(work, side).y;
}

DesignSide BuildDesignSide(SectionWork& work, int side, LineRole role) {
  DesignSide result;
  result.inFill = ClassifySide(work, side);
  // Room for the template and the longest ditch and slope behind it.
  result.line.reserve(work.templ[side].size() + 16);
  for (const SectionPoint& vertex : work.templ[side]) {
    result.line.push_back({vertex.x, work.prElev + vertex.y});
  }
  result.templateEnd = result.line.back().x;
  if (result.inFill) {
    ContinueInFill(work, side, role, result);
  } else {
    ContinueInCut(work, side, role, result);
  }
  result.limitPoint = side < 0 ? LeftSectionLimit(work.Variant(), result.line)
                               : RightSectionLimit(work.Variant(), result.line);
  if (result.limitPoint) {
    result.templateEnd = std::min(result.templateEnd, result.limitPoint->x);
  }
  return result;
}

}  // namespace calvora

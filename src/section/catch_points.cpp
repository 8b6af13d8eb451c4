#include "section/catch_points.h"

#include <cmath>

#include "section/ground_contact.h"

namespace calvora {
namespace {

// Vertices origin + row k of a side's ditch table, k = 1 .. the last row with a non-zero offset.
template <typename Table>
std::vector<SectionPoint> DitchVertices(const Table& table, int side, SectionPoint origin) {
  int last = 0;
  for (int k = 1; k <= Table::kHigh; ++k) {
    if (table(k * side, 0) != 0) {
      last = k;
    }
  }
  std::vector<SectionPoint> vertices;
  vertices.reserve(static_cast<std::size_t>(last) + 1);
  vertices.push_back(origin);
  for (int k = 1; k <= last; ++k) {
    vertices.push_back({origin.x + side * static_cast<double>(table(k * side, 0)),
                        origin.y + static_cast<double>(table(k * side, 1))});
  }
  return vertices;
}

}  // namespace

FillCatch FillCatchPoint(SectionWork& work, int side, SectionPoint templateEnd) {
  const VariantRecord& variant = work.Variant();
  const SideLine& ground = work.ground[side];
  const double fall = variant.FillSlope[side];
  const SideLine slope{templateEnd, {templateEnd.x + 1.0, templateEnd.y - fall}};
  FillCatch fill;
  if (const std::optional<GroundContact> contact = FirstGroundContact(slope, true, ground)) {
    fill.catchPoint = contact->point;
    fill.groundSegment = contact->groundSegment;
    return fill;
  }
  const SectionPoint stripEdge{side * work.results.StripEdge[side].x,  // back to outward
                               work.results.StripEdge[side].y};
  if (variant.Wall == 0 && stripEdge.x > templateEnd.x) {
    fill.catchPoint = stripEdge;
    fill.groundSegment = GroundSegmentAt(ground, stripEdge.x);
    return fill;
  }
  const double wallX = variant.Wall;
  const int k = GroundSegmentAt(ground, wallX);
  if (!(wallX > templateEnd.x) || k == 0) {
    work.DataError();
  }
  fill.atWall = true;
  fill.catchPoint = {wallX, templateEnd.y - fall * (wallX - templateEnd.x)};
  fill.wallFoot = {wallX, ElevationOnSegment(ground, k, wallX)};
  fill.groundSegment = k;
  return fill;
}

std::vector<SectionPoint> CutDitch(const SectionWork& work, int side, SectionPoint templateEnd) {
  return DitchVertices(work.Variant().CutTran, side, templateEnd);
}

CutCatch CutCatchPoint(SectionWork& work, int side, SectionPoint templateEnd) {
  const std::vector<SectionPoint> ditch = CutDitch(work, side, templateEnd);
  CutCatch cut;
  if (ditch.size() == 1) {
    return cut;
  }
  const std::optional<GroundContact> contact = FirstGroundContact(ditch, true, work.ground[side]);
  if (!contact) {
    work.DataError();
  }
  cut.groundSegment = contact->groundSegment;
  cut.points.assign(ditch.begin() + 1, ditch.begin() + contact->lineSegment + 1);
  cut.points.push_back(contact->point);
  return cut;
}

std::vector<SectionPoint> FillDitchToGround(SectionWork& work, int side, SectionPoint templateEnd,
                                            const FillCatch& fill) {
  const VariantRecord& variant = work.Variant();
  const SideLine& ground = work.ground[side];
  const std::size_t beyond = static_cast<std::size_t>(fill.groundSegment);
  const SectionPoint c = fill.catchPoint;
  const bool groundRises = beyond < ground.size() && ground[beyond].y >= c.y;
  const bool lowEmbankment = templateEnd.y - c.y <= std::fabs(variant.FillTran(side, 1));
  if (fill.atWall || variant.FillTran(side, 0) == 0 || !groundRises || !lowEmbankment) {
    return {};
  }
  const std::vector<SectionPoint> ditch = DitchVertices(variant.FillTran, side, c);
  const std::optional<GroundContact> contact = FirstGroundContact(ditch, true, ground);
  if (!contact) {
    work.FillDitchError();
  }
  std::vector<SectionPoint> points(ditch.begin() + 1, ditch.begin() + contact->lineSegment + 1);
  points.push_back(contact->point);
  return points;
}

}  // namespace calvora

#include "section/template_end.h"

#include <cmath>
#include <limits>

#include "section/ground_contact.h"

namespace calvora {

SectionPoint TemplateEnd(const SectionWork& work, int side) {
  const SectionPoint end = work.templ[side].back();
  return {end.x, work.prElev + end.y};
}

double GroundAtTemplateEnd(SectionWork& work, int side) {
  const double x = work.templ[side].back().x;
  const SideLine& ground = work.ground[side];
  const int k = GroundSegmentAt(ground, x);
  if (k == 0) {
    work.DataError();
  }
  return ElevationOnSegment(ground, k, x);
}

TemplateEndShift ShiftTemplateEnd(SectionWork& work, int side, double q, double thickness) {
  SideLine& templ = work.templ[side];
  TemplateEndShift shift;
  if (templ.size() == 1) {
    templ.push_back(templ.front());  // the end must not move the centre vertex
    shift.addedEnd = true;
  }
  SectionPoint& end = templ.back();
  const SectionPoint previous = templ[templ.size() - 2];
  shift.endBefore = end;

  double dx = 0;
  double dy = -thickness;  // a vertical last line: the end stays where it was
  // A side without lines (its end still on the centre line's vertex) shifts as if its last
  // line were horizontal.
  const bool withoutLine = end == previous;
  if (withoutLine || end.x != previous.x) {
    const double fall = withoutLine ? 0.0 : -(end.y - previous.y) / (end.x - previous.x);
    const double steepness = std::fabs(q) - fall;
    if (steepness == 0) {
      work.DataError();
    }
    dx = std::isinf(q) ? 0.0 : thickness / steepness;
    dy = fall * dx;
  }
  if (!std::isfinite(dx) || !std::isfinite(dy)) {
    work.DataError();
  }
  end.x += dx;
  end.y -= dy;
  shift.length = std::hypot(dx, thickness + dy);
  return shift;
}

void UndoTemplateEndShift(SectionWork& work, int side, const TemplateEndShift& shift) {
  SideLine& templ = work.templ[side];
  if (shift.addedEnd) {
    templ.pop_back();
  } else {
    templ.back() = shift.endBefore;
  }
}

SignedArray<double, -1, 1> SubgradeStep(SectionWork& work) {
  const VariantRecord& variant = work.Variant();
  const double subG = variant.SubG;
  work.prElev -= subG;
  SignedArray<double, -1, 1> prolongation;
  for (const int side : {-1, 1}) {
    TemplateEndShift shift = ShiftTemplateEnd(work, side, variant.FillSlope[side], subG);
    const double ground = GroundAtTemplateEnd(work, side);
    if (ground >= TemplateEnd(work, side).y) {
      UndoTemplateEndShift(work, side, shift);
      const double ditchX = variant.CutTran(side, 0);
      const double q =
          ditchX == 0 ? std::numeric_limits<double>::infinity() : variant.CutTran(side, 1) / ditchX;
      shift = ShiftTemplateEnd(work, side, q, subG);
    }
    prolongation[side] = shift.length;
  }
  return prolongation;
}

}  // namespace calvora

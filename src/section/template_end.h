#pragma once
// The outer end of a side's template: the ground below it, and the template-end shift that
// carries it down to a lower line (subgrade, compaction layer).

#include "section/section_work.h"

namespace calvora {

// The template end of a side at the current project elevation (outward offset, elevation).
SectionPoint TemplateEnd(const SectionWork& work, int side);

// GroundAtTemplateEnd: the ground elevation below the template end. When the surveyed ground
// does not reach the template end: "Data Error in ..." and the section stops.
double GroundAtTemplateEnd(SectionWork& work, int side);

struct TemplateEndShift {
  SectionPoint endBefore;  // the template end before the shift (outward offset, height)
  bool addedEnd = false;   // a side without template lines got an end of its own
  double length = 0;       // distance the end moved (the prolongation along the side slope)
};

// The template-end shift: the last template line, lowered by `thickness` and prolonged at its
// own fall, meets the side slope of gradient |q| that leaves the template end before the move;
// the end moves there. An infinite q (a vertical side) leaves the offset as it is. A side slope
// as steep as the line's own fall never meets it: data error.
TemplateEndShift ShiftTemplateEnd(SectionWork& work, int side, double q, double thickness);
void UndoTemplateEndShift(SectionWork& work, int side, const TemplateEndShift& shift);

// The subgrade step: the project elevation goes down by SubG and each template end moves onto
// the fill slope, or, when the ground at the moved end is at or above it (the side is in
// cut), onto the first segment of the cut ditch. Returns the prolongation length per side.
SignedArray<double, -1, 1> SubgradeStep(SectionWork& work);

}  // namespace calvora

#pragma once
// Where the side slopes leave the template end and meet the ground. All points in outward
// offsets of the side.

#include <optional>
#include <vector>

#include "section/section_work.h"

namespace calvora {

struct FillCatch {
  SectionPoint catchPoint;  // on the ground, or at a wall the slope's point above the wall
  bool atWall = false;
  SectionPoint wallFoot;  // the ground at the wall
  int groundSegment = 0;  // ground segment (from point k - 1 to k) holding the catch point
};

// FillCatchPoint: the embankment slope (gradient FillSlope, falling outwards from the template
// end) meets the ground. When it does not, the embankment ends at the fixed-width stripping
// edge (Wall 0 with such an edge) or at a wall at offset Wall. A wall that is not beyond the
// template end, or beyond the surveyed ground, is a data error.
FillCatch FillCatchPoint(SectionWork& work, int side, SectionPoint templateEnd);

struct CutCatch {
  // The ditch vertices passed (1 .. j) and the catch point last; empty without a cut ditch.
  std::vector<SectionPoint> points;
  int groundSegment = 0;  // ground segment (from point k - 1 to k) holding the catch point
};

// The ditch-and-cut-slope polyline of a side: vertex 0 the template end, vertex k the end plus
// row k of CutTran, for k = 1 .. the last row with a non-zero offset.
std::vector<SectionPoint> CutDitch(const SectionWork& work, int side, SectionPoint templateEnd);

// CutCatchPoint: the ditch and cut slope (its last segment open-ended) meet the ground. When
// the side has a cut ditch that never reaches the ground: data error.
CutCatch CutCatchPoint(SectionWork& work, int side, SectionPoint templateEnd);

// FillDitchToGround: at the toe of a low embankment (ground rising beyond the catch point, and
// the template end no higher above it than the ditch is deep) the fill ditch hangs from the
// catch point down into the ground: the ditch vertices passed and the point where it comes
// back to the ground. Nothing when it does not apply; "Data error in KM: ..." when the ditch
// never comes back to the ground.
std::vector<SectionPoint> FillDitchToGround(SectionWork& work, int side, SectionPoint templateEnd,
                                            const FillCatch& fill);

}  // namespace calvora

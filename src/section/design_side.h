#pragma once
// One side of a design line (the project or subgrade line, or a compaction layer's line): the
// template at the current project elevation, classified against the ground at its end and
// continued by the side slope to where it meets the ground, cut at the section limit.

#include <limits>
#include <optional>

#include "section/catch_points.h"
#include "section/section_work.h"

namespace calvora {

enum class LineRole {
  Design,  // the cut and fill bodies: fill slope, fill ditch, ditch and cut slope
  Layer,   // a compaction layer's lower boundary: fill slope, or the first cut-ditch segment
};

struct DesignSide {
  SideLine line;           // outward offsets, from the centre (0, prElev) to the side's end
  bool inFill = false;     // the template end lies above the ground ("P over   G")
  double templateEnd = 0;  // outward offset of the template end (at most the section limit)
  // With stripping only in fill, where the reference surface returns from the stripped to the
  // surveyed ground: the template end of a cut side, the catch point of a fill side whose
  // ditch hangs from it.
  double unstrippedFrom = std::numeric_limits<double>::infinity();
  SectionPoint catchPoint;
  int catchGroundSegment = 0;  // ground segment holding the catch point (0 when none)
  FillCatch fill;              // the fill slope's result on a side in fill
  std::optional<SectionPoint> limitPoint;
  double fillSlopeLength = 0;  // template end to catch point, on a side in fill
  double cutSideLength = 0;    // ditch and cut-slope edges, on a side in cut
};

// Classifies the side at its template end: true when the ground there lies below the design
// line (the side is in fill). Stops the section when the ground does not reach the end.
bool ClassifySide(SectionWork& work, int side);

DesignSide BuildDesignSide(SectionWork& work, int side, LineRole role);

}  // namespace calvora

#pragma once
// The engine's working lines, kept from one section to the next so that their buffers are
// reused; each section starts by emptying them.

#include <vector>

#include "records/signed_array.h"
#include "section/body_walk.h"
#include "section/section_results.h"

namespace calvora {

// A polyline of one side in outward offsets: x is the distance from the centre line measured
// away from it (offset times the side's sign), y the elevation; point 0 lies on the centre line.
using SideLine = std::vector<SectionPoint>;

struct SectionLines {
  SignedArray<SideLine, -1, 1> ground;
  SignedArray<SideLine, -1, 1> templ;
  std::vector<SectionPoint> joinedGround;
  std::vector<SectionPoint> joinedDesign;
  std::vector<SectionPoint> joinedReference;
  std::vector<SectionPoint> lineAbove;
  std::vector<SectionPoint> envelope;
  SignedArray<SideLine, -1, 1> strippedSides;
  WalkScratch walk;
};

}  // namespace calvora

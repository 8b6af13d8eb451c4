#pragma once
// The walk from the left end of a design line to its right end against the ground: wherever
// the two lines cross, one body ends and the next begins, alternating between "fill" (design
// line above the ground) and "cut" (design line below it).

#include <vector>

#include "section/section_results.h"

namespace calvora {

struct WalkLines {
  // All in signed offsets, offsets never decreasing.
  const std::vector<SectionPoint>& design;
  // The surface crossings are found against: the ground, or with stripping only in fill the
  // stripped surface (the ground lowered by Deco) where fill may be placed on it.
  const std::vector<SectionPoint>& reference;
  // The ground as surveyed (with fixed-width stripping: as stepped down between the edges).
  const std::vector<SectionPoint>& ground;
  // Offsets of the template ends: only design-line edges between them count in the lengths.
  double templateLeft = 0;
  double templateRight = 0;
};

// The closed bodies between the design line and the ground, left to right: a fill body lies
// on the reference surface, a cut body under the ground. With stripDepth > 0 every fill body
// also gets its topsoil band (the ground down to stripDepth below it) in strips.
std::vector<SectionPolygon> WalkDesignLine(const WalkLines& lines, double stripDepth,
                                           std::vector<SectionPolygon>& strips);

}  // namespace calvora

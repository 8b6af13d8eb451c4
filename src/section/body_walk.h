#pragma once
// The walk from the left end of a design line to its right end against the ground: wherever
// the two lines cross, one body ends and the next begins, alternating between "fill" (design
// line above the ground) and "cut" (design line below it).

#include <cstddef>
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

// One body as the walk finds it: the offsets it spans and its design-line points, a run of
// the walk's points (the body's last point is the next body's first).
struct WalkBody {
  int kind = 0;  // +1 fill, -1 cut, 0 not known yet
  double startX = 0;
  double endX = 0;
  std::size_t first = 0;
  std::size_t last = 0;  // set when the body ends; until then its points run to the walk's end
};

// The walk's working lists, kept from one walk to the next so that their buffers are reused.
struct WalkScratch {
  std::vector<double> offsets;
  std::vector<SectionPoint> points;
  std::vector<WalkBody> bodies;
};

// The closed bodies between the design line and the ground, left to right: a fill body lies
// on the reference surface, a cut body under the ground. With stripDepth > 0 every fill body
// also gets its topsoil band (the ground down to stripDepth below it) in strips.
std::vector<SectionPolygon> WalkDesignLine(const WalkLines& lines, double stripDepth,
                                           std::vector<SectionPolygon>& strips,
                                           WalkScratch& scratch);

}  // namespace calvora

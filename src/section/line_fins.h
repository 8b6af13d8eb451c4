#pragma once
// Fins of a line of the section: where it goes straight up and straight back down at one offset.

#include <vector>

#include "section/section_results.h"

namespace calvora {

// Where the line runs vertically at one offset only the run's first and last point stay: a
// fin between them has no width (the vertical walls of two ditches meeting on a centre line
// without template lines, a stripping edge on a vertical step of the ground, a survey going up
// and down at one offset). Repeated points go too. The line's offsets never decrease.
void DropFins(std::vector<SectionPoint>& line);

// A walked line that starts (or ends) with a vertical run keeps only its last (first) point
// there: what lies beyond the line's ends belongs to no body, and the body closes there
// straight up or down to the ground.
void DropVerticalEnds(std::vector<SectionPoint>& line);

}  // namespace calvora

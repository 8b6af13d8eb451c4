#pragma once
// Where a line of the design (slope, ditch, cut slope) meets the ground of its side.

#include <optional>

#include "section/section_work.h"

namespace calvora {

struct GroundContact {
  SectionPoint point;
  int lineSegment = 0;    // j: the piece from vertex j to vertex j + 1 of the line
  int groundSegment = 0;  // k: the ground segment from point k - 1 to point k
};

// The first point, walking along `line` from its start, where it meets `ground` (both in
// outward offsets); the start itself does not count. With openEnded the last piece goes on
// beyond its last vertex.
std::optional<GroundContact> FirstGroundContact(const SideLine& line, bool openEnded,
                                                const SideLine& ground);

// The ground segment k (from point k - 1 to point k) holding outward offset x, searched from
// the outermost segment inwards with both ends inclusive; 0 when none holds it.
int GroundSegmentAt(const SideLine& ground, double x);
// Elevation of ground segment k at x (the outer point's elevation on a vertical segment).
double ElevationOnSegment(const SideLine& ground, int k, double x);

}  // namespace calvora

#pragma once
// Crossing of two straight segments of a section drawing.

#include "section/section_results.h"

namespace calvora {

// SegmentsIntersect: true when segment p1-p2 and segment p3-p4 meet, with the meeting point in
// r. Two horizontal segments, or two parallel ones, never meet, even when collinear. The point
// must lie within both segments' bounding boxes (closed, with a tolerance of a few rounding
// errors; r is then clamped into them).
bool SegmentsIntersect(SectionPoint p1, SectionPoint p2, SectionPoint p3, SectionPoint p4,
                       SectionPoint& r);

}  // namespace calvora

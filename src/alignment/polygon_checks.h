#pragma once
// Refusals of polygons whose geometry degenerates, before anything is computed from them.

#include <optional>
#include <string>
#include <vector>

#include "alignment/alignment_polygon.h"

namespace calvora {

// A point whose coordinates are no numbers, or a curve record holding no usable numbers.
std::optional<std::string> PolygonValuesDefect(const std::vector<PolygonPoint>& polygon);

// Why the curve recorded at corner i (1 .. size - 2) cannot be laid out: a radius below 0 or a
// radius of 0 with spirals, a deflection outside 0..pi, a turn against the polygon's, a tangent
// without length, three points on one line, spirals longer than the curve allows.
std::optional<std::string> RecordedCurveDefect(const std::vector<PolygonPoint>& polygon,
                                               std::size_t i);

}  // namespace calvora

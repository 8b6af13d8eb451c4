#pragma once
// The walk of a whole design line (both sides joined at the centre line) against the ground.

#include <vector>

#include "section/design_side.h"

namespace calvora {

// The bodies between the two sides' line and the ground; with stripping only in fill the
// topsoil bands under the design line's fill bodies go to strips. A line that turns back on
// itself is a data error. The design line is walked first: its fill lies on the stripped
// surface it makes. Each layer's line is then kept below the line walked before it, on the
// same surface, so that every layer's fill lies within the fill above it.
std::vector<SectionPolygon> WalkBothSides(SectionWork& work, const DesignSide& left,
                                          const DesignSide& right, LineRole role,
                                          std::vector<SectionPolygon>& strips);

}  // namespace calvora

#pragma once
// The walk of a whole design line (both sides joined at the centre line) against the ground.

#include <vector>

#include "section/design_side.h"

namespace calvora {

// The bodies between the two sides' design line and the ground; with stripping only in fill
// the topsoil bands under the fill bodies go to strips. A design line that turns back on
// itself is a data error.
std::vector<SectionPolygon> WalkBothSides(SectionWork& work, const DesignSide& left,
                                          const DesignSide& right,
                                          std::vector<SectionPolygon>& strips);

}  // namespace calvora

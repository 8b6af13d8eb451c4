#pragma once
// Fixed-width topsoil stripping: a band of depth Deco under the ground between the stripping
// edges at DecaThick / 2 either side of the centre line.

#include "section/section_work.h"

namespace calvora {

// Runs the stripping-edge step on both sides (the ground gets the edge point twice: on the
// ground and Deco below it, and the ground inside the edges is lowered by Deco), records
// StripEdge and StripEdgeIndex, and adds the strip polygon. An edge beyond the surveyed
// ground is a data error.
void FixedWidthStripping(SectionWork& work);

}  // namespace calvora

#pragma once
// Compaction layer polygons: the bodies between a layer's lower boundary line and the ground.

#include <vector>

#include "section/section_work.h"

namespace calvora {

// BuildLayerPolygons: carries both template ends down along the fill slope by the layer's
// thickness (the shifts accumulate over the layers of the section), places the template at
// the project elevation less SubG and the thicknesses of layers 0 .. layer, keeps that line
// below the line walked before it, and walks it against the surface the design line's fill
// lies on.
std::vector<SectionPolygon> BuildLayerPolygons(SectionWork& work, int layer);

}  // namespace calvora

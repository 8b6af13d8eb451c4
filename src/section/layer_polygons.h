#pragma once
// Compaction layer polygons: the bodies between a layer's lower boundary line and the ground.

#include <vector>

#include "section/section_work.h"

namespace calvora {

// BuildLayerPolygons: carries both template ends down along the fill slope by the layer's
// thickness (the shifts accumulate over the layers of the section), places the template at
// the project elevation less SubG and the thicknesses of layers 0 .. layer, and walks that
// line against the ground as the design line is walked.
std::vector<SectionPolygon> BuildLayerPolygons(SectionWork& work, int layer);

}  // namespace calvora

#include "section/layer_polygons.h"

#include "section/design_side.h"
#include "section/section_walk.h"
#include "section/template_end.h"

namespace calvora {

std::vector<SectionPolygon> BuildLayerPolygons(SectionWork& work, int layer) {
  const VariantRecord& variant = work.Variant();
  const auto& thickness = work.project.Thickness;
  for (const int side : {-1, 1}) {
    ShiftTemplateEnd(work, side, variant.FillSlope[side],
                     thickness[static_cast<std::size_t>(layer)]);
  }
  const double projectElevation = work.prElev;
  work.prElev -= variant.SubG;
  for (int k = 0; k <= layer; ++k) {
    work.prElev -= thickness[static_cast<std::size_t>(k)];
  }
  const DesignSide left = BuildDesignSide(work, -1, LineRole::Layer);
  const DesignSide right = BuildDesignSide(work, 1, LineRole::Layer);
  std::vector<SectionPolygon> noStrips;
  std::vector<SectionPolygon> polygons =
      WalkBothSides(work, left, right, LineRole::Layer, noStrips);
  work.prElev = projectElevation;
  return polygons;
}

}  // namespace calvora

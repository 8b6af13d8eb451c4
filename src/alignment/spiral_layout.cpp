#include "alignment/spiral_layout.h"

#include <cmath>

#include "alignment/clothoid_series.h"

namespace calvora {

SpiralLayout LayOutSpiral(double a, double r, double deflection, SpiralSeries series) {
  SpiralLayout layout;
  layout.length = a * a / r;
  layout.angle = layout.length / (2 * r);
  layout.angleDegrees = SpiralAngleDegrees(layout.length, r);
  const ClothoidOffset end = series == SpiralSeries::Long
                                 ? ClothoidEnd(layout.length, layout.angleDegrees)
                                 : ClothoidPoint(layout.length, layout.length, layout.angleDegrees);
  layout.shift = end.y - r * (1 - std::cos(layout.angle));
  layout.k = end.x - r * std::sin(layout.angle);
  layout.tangent = (r + layout.shift) * std::tan(deflection / 2) + layout.k;
  layout.arcLength = (deflection - 2 * layout.angle) * r;
  return layout;
}

}  // namespace calvora

#include "alignment/clothoid_series.h"

#include <cmath>

#include "alignment/plane_geometry.h"

namespace calvora {

ClothoidOffset ClothoidPoint(double l, double ls, double tDegrees) {
  const double ratio = ls == 0 ? 0 : l / ls;
  const double t = tDegrees * ratio * ratio;
  const double t2 = t * t;
  const double y = (l / 100) * t * (0.58 + t2 * (-0.13E-4 + t2 * (0.12E-9 + t2 * -0.65E-15)));
  const double x =
      (l / 100) * (100 + t2 * (-0.3E-2 + t2 * (0.43E-7 + t2 * (-0.3E-12 + t2 * 0.14E-17))));
  return {x, y};
}

ClothoidOffset ClothoidEnd(double ls, double tDegrees) {
  const double t = tDegrees;
  const double t2 = t * t;
  const double y =
      (ls / 100) * t * (0.58 + t2 * (-0.13E-4 + t2 * (0.12E-9 + t2 * (-0.65E-15 + t2 * 0.22E-20))));
  const double x =
      (ls / 100) *
      (100 + t2 * (-0.3E-2 + t2 * (0.43E-7 + t2 * (-0.3E-12 + t2 * (0.14E-17 + t2 * -0.34E-23)))));
  return {x, y};
}

double SpiralAngleDegrees(double ls, double r) {
  return 180 * (ls / (2 * r)) / kAlignmentPi;
}

}  // namespace calvora

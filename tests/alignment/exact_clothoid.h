#pragma once
// The clothoid x = int cos(s^2 / (2 A^2)) ds, y = int sin(...) ds by Simpson's rule: the exact
// curve the series and the plan coordinates are measured against.

#include <cmath>

#include "alignment/clothoid_series.h"

namespace calvora::testing {

inline ClothoidOffset ExactClothoid(double l, double a) {
  const int steps = 2000;
  const double h = l / steps;
  double x = 0;
  double y = 0;
  for (int i = 0; i <= steps; ++i) {
    const double s = i * h;
    const double w = (i == 0 || i == steps) ? 1 : (i % 2 == 1 ? 4 : 2);
    x += w * std::cos(s * s / (2 * a * a));
    y += w * std::sin(s * s / (2 * a * a));
  }
  return {x * h / 3, y * h / 3};
}

}  // namespace calvora::testing

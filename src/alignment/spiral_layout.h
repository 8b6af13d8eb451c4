#pragma once
// The main dimensions of a spiral-circle-spiral curve at a corner.

namespace calvora {

struct SpiralLayout {
  double length = 0;        // Ls = A^2 / R
  double angle = 0;         // tau = Ls / (2 R), radians
  double angleDegrees = 0;  // t
  double shift = 0;         // p: the circle's shift from the tangent
  double k = 0;             // the circle's start moved along the tangent
  double tangent = 0;       // Ts: from the corner to TS and to ST
  double arcLength = 0;     // Lc: the circular arc between the spirals
};

enum class SpiralSeries { Short, Long };  // the end of the spiral by four/five or five/six terms

// For parameter a, radius r (not 0) and the corner's whole deflection angle.
SpiralLayout LayOutSpiral(double a, double r, double deflection, SpiralSeries series);

}  // namespace calvora

#pragma once
// The clothoid by its series in degrees: x along the start tangent, y to the side.

namespace calvora {

struct ClothoidOffset {
  double x = 0;
  double y = 0;
};

// The point at length l of a spiral of length ls whose end tangent turns by tDegrees
// (y with four terms, x with five).
ClothoidOffset ClothoidPoint(double l, double ls, double tDegrees);

// The end of that spiral by the longer series (y with five terms, x with six).
ClothoidOffset ClothoidEnd(double ls, double tDegrees);

// The spiral's total turn in degrees: ls / (2 r) radians.
double SpiralAngleDegrees(double ls, double r);

}  // namespace calvora

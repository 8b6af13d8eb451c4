#pragma once
// When two lines of the section touch.

namespace calvora {

// A design point and the ground (or two lines of the section) closer than this touch: no side,
// no crossing, no body between them. A thousandth of a millimetre lies far below anything a
// survey tells apart, and far above the rounding that a point found by intersecting two lines
// carries.
inline constexpr double kTouch = 1e-6;

}  // namespace calvora

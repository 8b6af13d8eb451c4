#pragma once
// A line cut to a rectangle, so that what lies outside is never drawn on any device.

#include <optional>

namespace calvora {

struct ClipRect {
  double Left = 0;
  double Bottom = 0;
  double Right = 0;
  double Top = 0;
};

struct LinePoints {
  double x1, y1, x2, y2;
};

// The part of the line inside the rectangle (edges included); nullopt when none is.
std::optional<LinePoints> ClipLine(const LinePoints& line, const ClipRect& clip);

}  // namespace calvora

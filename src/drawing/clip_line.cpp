#include "drawing/clip_line.h"

#include <algorithm>

namespace calvora {

// Liang-Barsky: the line as p1 + t (p2 - p1), t kept within each edge's bound.
std::optional<LinePoints> ClipLine(const LinePoints& line, const ClipRect& clip) {
  const double dx = line.x2 - line.x1;
  const double dy = line.y2 - line.y1;
  double enter = 0;
  double leave = 1;
  const auto edge = [&](double towards, double room) {
    if (towards == 0) {
      return room >= 0;  // parallel to the edge: inside or not at all
    }
    const double t = room / towards;
    if (towards < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    return enter <= leave;
  };
  if (!edge(-dx, line.x1 - clip.Left) || !edge(dx, clip.Right - line.x1) ||
      !edge(-dy, line.y1 - clip.Bottom) || !edge(dy, clip.Top - line.y1)) {
    return std::nullopt;
  }
  LinePoints inside = line;
  if (enter > 0) {
    inside.x1 = line.x1 + enter * dx;
    inside.y1 = line.y1 + enter * dy;
  }
  if (leave < 1) {
    inside.x2 = line.x1 + leave * dx;
    inside.y2 = line.y1 + leave * dy;
  }
  return inside;
}

}  // namespace calvora

#include "section/lower_envelope.h"

#include <algorithm>
#include <cmath>

#include "section/profile.h"
#include "section/touch_tolerance.h"

namespace calvora {
namespace {

// Calls visit(x) once for each offset of either line between left and right, in order: both
// lines' offsets never decrease, so they merge without sorting.
template <typename Visit>
void ForEachOffset(const std::vector<SectionPoint>& a, const std::vector<SectionPoint>& b,
                   double left, double right, Visit visit) {
  std::size_t i = 0;
  std::size_t j = 0;
  bool any = false;
  double last = 0;
  while (i < a.size() || j < b.size()) {
    const double x = j == b.size() || (i < a.size() && a[i].x <= b[j].x) ? a[i++].x : b[j++].x;
    if (x < left || x > right || (any && x == last)) {
      continue;
    }
    any = true;
    last = x;
    visit(x);
  }
}

// Whether no vertex of `line` (between the other line's ends) lies beyond `other` on the
// given side (+1 above, -1 below). Both lines are straight between their vertices: where one
// passes the other, a vertex of one of them shows it.
bool NoVertexBeyond(const std::vector<SectionPoint>& line, const std::vector<SectionPoint>& other,
                    double side) {
  ProfileCursor at(other);
  for (const SectionPoint& p : line) {
    if (p.x < other.front().x || p.x > other.back().x) {
      continue;
    }
    at.MoveTo(p.x);
    const double reach = side > 0 ? std::max(at.In(), at.Out()) : std::min(at.In(), at.Out());
    if (side * (p.y - reach) > kTouch) {
      return false;
    }
  }
  return true;
}

}  // namespace

void KeepBelow(std::vector<SectionPoint>& line, const std::vector<SectionPoint>& upper,
               std::vector<SectionPoint>& envelope) {
  const double left = std::max(line.front().x, upper.front().x);
  const double right = std::min(line.back().x, upper.back().x);
  if (line.front().x >= left && line.back().x <= right && NoVertexBeyond(line, upper, 1) &&
      NoVertexBeyond(upper, line, -1)) {
    return;
  }
  // Both lines are straight between two offsets: they cross there at most once.
  ProfileCursor ownAgain(line);
  ProfileCursor boundAgain(upper);
  envelope.clear();
  SectionPoint ownBefore;
  double boundBefore = 0;
  ForEachOffset(line, upper, left, right, [&](double x) {
    ownAgain.MoveTo(x);
    boundAgain.MoveTo(x);
    if (!envelope.empty()) {
      const double d0 = ownBefore.y - boundBefore;
      const double d1 = ownAgain.In() - boundAgain.In();
      if ((d0 > kTouch && d1 < -kTouch) || (d0 < -kTouch && d1 > kTouch)) {
        const double t = d0 / (d0 - d1);
        envelope.push_back(
            {ownBefore.x + t * (x - ownBefore.x), ownBefore.y + t * (ownAgain.In() - ownBefore.y)});
      }
    }
    const double in = std::min(ownAgain.In(), boundAgain.In());
    const double out = std::min(ownAgain.Out(), boundAgain.Out());
    envelope.push_back({x, in});
    if (out != in) {
      envelope.push_back({x, out});
    }
    ownBefore = {x, ownAgain.Out()};
    boundBefore = boundAgain.Out();
  });
  // Of the points on a straight stretch only its ends stay.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < envelope.size(); ++i) {
    if (kept >= 1 && i + 1 < envelope.size()) {
      const SectionPoint a = envelope[kept - 1];
      const SectionPoint b = envelope[i];
      const SectionPoint c = envelope[i + 1];
      if (a.x < b.x && b.x < c.x &&
          std::fabs(a.y + (c.y - a.y) * (b.x - a.x) / (c.x - a.x) - b.y) <= kTouch) {
        continue;
      }
    }
    envelope[kept++] = envelope[i];
  }
  envelope.resize(kept);
  line.swap(envelope);
}

}  // namespace calvora

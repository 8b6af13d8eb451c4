#include "section/lower_envelope.h"

#include <algorithm>
#include <utility>

#include "section/profile.h"
#include "section/touch_tolerance.h"

namespace calvora {

void KeepBelow(std::vector<SectionPoint>& line, const std::vector<SectionPoint>& upper,
               std::vector<SectionPoint>& envelope, std::vector<double>& offsets) {
  const double left = std::max(line.front().x, upper.front().x);
  const double right = std::min(line.back().x, upper.back().x);
  bool changed = line.front().x < left || line.back().x > right;
  offsets.clear();
  for (const std::vector<SectionPoint>* points : {&std::as_const(line), &upper}) {
    for (const SectionPoint& p : *points) {
      if (p.x >= left && p.x <= right) {
        offsets.push_back(p.x);
      }
    }
  }
  std::sort(offsets.begin(), offsets.end());
  offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());

  // Both lines are straight between two offsets: they cross there at most once.
  ProfileCursor own(line);
  ProfileCursor bound(upper);
  envelope.clear();
  SectionPoint ownBefore;
  double boundBefore = 0;
  for (const double x : offsets) {
    own.MoveTo(x);
    bound.MoveTo(x);
    if (!envelope.empty()) {
      const double d0 = ownBefore.y - boundBefore;
      const double d1 = own.In() - bound.In();
      if ((d0 > kTouch && d1 < -kTouch) || (d0 < -kTouch && d1 > kTouch)) {
        const double t = d0 / (d0 - d1);
        envelope.push_back(
            {ownBefore.x + t * (x - ownBefore.x), ownBefore.y + t * (own.In() - ownBefore.y)});
      }
    }
    changed = changed || own.In() > bound.In() + kTouch || own.Out() > bound.Out() + kTouch;
    const double in = std::min(own.In(), bound.In());
    const double out = std::min(own.Out(), bound.Out());
    envelope.push_back({x, in});
    if (out != in) {
      envelope.push_back({x, out});
    }
    ownBefore = {x, own.Out()};
    boundBefore = bound.Out();
  }
  if (changed) {
    line.swap(envelope);
  }
}

}  // namespace calvora

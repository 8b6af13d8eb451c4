#include "section/line_fins.h"

namespace calvora {

void DropFins(std::vector<SectionPoint>& line) {
  std::size_t kept = 0;
  double previousX = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const SectionPoint p = line[i];
    const bool withinRun = i > 0 && i + 1 < line.size() && previousX == p.x && line[i + 1].x == p.x;
    previousX = p.x;
    if (withinRun || (kept > 0 && line[kept - 1] == p)) {
      continue;
    }
    line[kept++] = p;
  }
  line.resize(kept);
}

}  // namespace calvora

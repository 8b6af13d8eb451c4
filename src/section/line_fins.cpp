#include "section/line_fins.h"

#include <algorithm>

namespace calvora {

void DropFins(std::vector<SectionPoint>& line) {
  // Most lines have no vertical run: nothing to do.
  const auto run = std::adjacent_find(line.begin(), line.end(),
                                      [](SectionPoint a, SectionPoint b) { return a.x == b.x; });
  if (run == line.end()) {
    return;
  }
  std::size_t kept = static_cast<std::size_t>(run - line.begin()) + 1;
  double previousX = line[kept - 1].x;
  for (std::size_t i = kept; i < line.size(); ++i) {
    const SectionPoint p = line[i];
    const bool withinRun = i + 1 < line.size() && previousX == p.x && line[i + 1].x == p.x;
    previousX = p.x;
    if (withinRun || line[kept - 1] == p) {
      continue;
    }
    line[kept++] = p;
  }
  line.resize(kept);
}

void DropVerticalEnds(std::vector<SectionPoint>& line) {
  std::size_t first = 0;
  while (first + 1 < line.size() && line[first + 1].x == line[first].x) {
    ++first;
  }
  line.erase(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(first));
  while (line.size() > 1 && line[line.size() - 2].x == line.back().x) {
    line.pop_back();
  }
}

}  // namespace calvora

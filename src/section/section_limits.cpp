#include "section/section_limits.h"

#include <cmath>

namespace calvora {
namespace {

std::optional<SectionPoint> CutAtLimit(const VariantRecord& variant, int side, SideLine& line) {
  const double limit = std::fabs(static_cast<double>(variant.Limit[side]));
  if (limit == 0 || !(line.back().x > limit)) {
    return std::nullopt;
  }
  std::size_t i = 0;
  while (line[i].x < limit) {
    ++i;
  }
  SectionPoint at = line[i];
  if (at.x != limit) {
    const SectionPoint inner = line[i - 1];
    at = {limit, inner.y + (at.y - inner.y) * (limit - inner.x) / (at.x - inner.x)};
  }
  line.resize(i);
  line.push_back(at);
  return at;
}

}  // namespace

std::optional<SectionPoint> LeftSectionLimit(const VariantRecord& variant, SideLine& designLine) {
  return CutAtLimit(variant, -1, designLine);
}

std::optional<SectionPoint> RightSectionLimit(const VariantRecord& variant, SideLine& designLine) {
  return CutAtLimit(variant, 1, designLine);
}

}  // namespace calvora

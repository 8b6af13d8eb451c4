#pragma once
// The section limits: the offsets at which the design line of a side is cut off.

#include <optional>

#include "section/section_work.h"

namespace calvora {

// LeftSectionLimit / RightSectionLimit: when Limit of the side is not 0 and the side's design
// line (outward offsets, from the centre) reaches beyond it, the line is cut at the limit;
// the body then closes down (or up) to the ground at the limit. Returns the point where the
// limit cut the line.
std::optional<SectionPoint> LeftSectionLimit(const VariantRecord& variant, SideLine& designLine);
std::optional<SectionPoint> RightSectionLimit(const VariantRecord& variant, SideLine& designLine);

}  // namespace calvora

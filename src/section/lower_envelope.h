#pragma once
// Keeping one line of the section from rising above another.

#include <vector>

#include "section/section_results.h"

namespace calvora {

// line becomes nowhere higher than `upper` and no wider: where it would rise above `upper` it
// follows it, and it ends where `upper` ends. Left as it is when it already lies so (within
// the touch tolerance). Both lines run left to right in signed offsets; envelope is scratch.
void KeepBelow(std::vector<SectionPoint>& line, const std::vector<SectionPoint>& upper,
               std::vector<SectionPoint>& envelope);

}  // namespace calvora

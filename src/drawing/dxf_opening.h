#pragma once
// The opening of a DXF drawing: header with the drawing version, the tables (line types, the
// drawing's layers, the text style) and the start of the entities section.

#include <string>

#include "drawing/dxf_groups.h"

namespace calvora {

// Binary: the sentinel and the groups up to the entities-section name without the 0 byte that
// ends it (the first entity supplies it), the content of the definitions file.
// ASCII: the same groups, complete.
std::string DxfOpening(DxfFormat format);

}  // namespace calvora

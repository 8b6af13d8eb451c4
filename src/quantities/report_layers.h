#pragma once
// Which compaction layers the quantity reports show, and how their headings name them.

#include <string>

#include "records/project_record.h"

namespace calvora {

// The layers whose columns the report rows carry: layers 1 to 4 up to the first zero
// Thickness (the quantity file holds four layers).
int ShownLayerCount(const ProjectRecord& project);

// The heading mark of a layer: the last four characters of " %" and its Compaction in "###"
// ("% 95" for 95).
std::string LayerMark(float compaction);

}  // namespace calvora

#pragma once
// The totals of a volume run as a batch run prints them.

#include <string>
#include <vector>

#include "quantities/calc_volumes.h"
#include "records/project_record.h"

namespace calvora {

// Sections, cut, each fill column named as the report headings name it, topsoil, the haul,
// what was left out, and the files written.
std::vector<std::string> VolumeSummaryLines(const ProjectRecord& project,
                                            const VolumeRunSummary& summary);

}  // namespace calvora

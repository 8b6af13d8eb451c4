#pragma once
// The label texts of a section on a sheet, in drawing order per column.

#include <string>
#include <vector>

#include "records/project_record.h"
#include "section/section_areas.h"
#include "section/section_results.h"

namespace calvora {

// Left column: "Section No.: ", "KM: ", "GL: " (the ground elevation as the engine left it),
// "PL: ".
std::vector<std::string> StationLabels(int record, const SectionResults& results);

// Right column: "Cut : ", the fill lines ("Fill: ", or "Fill %" per compaction layer) and
// "Deca: ", one per line.
std::vector<std::string> AreaLabels(const ProjectRecord& project, const SectionAreas& areas);

// "X = " of the catch point of a side (-1 left, 1 right), the left one with its sign inverted.
std::string CatchPointLabel(const SectionResults& results, int side);

// "Base: " of the datum elevation.
std::string DatumLabel(double datum);

// "PL= " of the project elevation at the centre line.
std::string CentreLineLabel(const SectionResults& results);

// "Wall : " of the wall height.
std::string WallLabel(double wallHeight);

// The ground elevation at the centre line as the engine left it (lowered by a fixed-width
// stripping).
double GroundAtCentre(const SectionResults& results);

}  // namespace calvora

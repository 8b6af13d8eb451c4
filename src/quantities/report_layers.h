#pragma once
// Which fill columns the quantity reports show, and how their headings name them.
//
// The engine's layer bodies lie below each layer's lower boundary, so that the fill of a
// section splits into bands: the fill column carries the band of the first compaction layer,
// each layer column j the band of layer j + 2, and the column after the last band the fill
// below all layers. Without layers the fill column is the whole fill.

#include <string>
#include <vector>

#include "records/project_record.h"

namespace calvora {

struct FillColumn {
  bool compacted = false;  // a layer's band; otherwise the fill below the layers
  float compaction = 0;    // percent, of a band
};

// The fill columns the rows carry, in row order: the fill and the layer columns up to the
// first zero Thickness (at most four layer columns: the quantity file holds four).
std::vector<FillColumn> FillColumns(const ProjectRecord& project);

// The layer columns the rows carry after the fill column.
int ShownLayerCount(const ProjectRecord& project);

// With five layers the columns carry the five bands, and the fill below the fifth layer lies
// outside them: the volume report gives it a line of its own.
bool FillBelowOutsideColumns(const ProjectRecord& project);

// Every part of the fill, in order: the columns, then the fill below a fifth layer when no
// column carries it.
std::vector<FillColumn> FillParts(const ProjectRecord& project);

// The heading mark of a band: the last four characters of " %" and its Compaction in "###"
// ("% 95" for 95).
std::string LayerMark(float compaction);

}  // namespace calvora

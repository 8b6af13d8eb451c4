#pragma once
// The DXF export of a range of the sheets of a drawing.

#include <string>

#include "drawing/dxf_groups.h"
#include "drawing/sheet_range.h"
#include "drawing/sheet_set.h"
#include "project/progress.h"

namespace calvora {

// Placement of consecutive sheets in the drawing, in sheet widths.
inline constexpr double kDxfSheetSpacing = 1.05;

// Writes the chosen sheets side by side into a drawing named in the save dialog (proposed from
// the survey data file with the suffix of the drawing's kind), through a scratch file renamed over
// the target when it is complete: a refused range, a cancelled name or a missing definitions file
// leave no file. A cancel in the progress stops before the next sheet; the sheets drawn stay, the
// drawing is closed properly. Returns the name of the file written, "" when none.
std::string ExportSheets(SheetSet& sheets, const SheetRangeChoice& choice, DxfFormat format,
                         Progress& progress);

}  // namespace calvora
